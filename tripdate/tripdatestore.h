#pragma once

#include "tripdate/tripdate.h"

#include <QObject>

#include <functional>

class FileWatch;

// The trip date file, owned by one object: it reads the file, saves a new date into it, and
// follows it as other programs change it (an editor, a backup, a counter in another session).
class TripDateStore : public QObject
{
    Q_OBJECT

public:
    // `context` gives the locale and today's date each time the file is read.
    TripDateStore(QString path, std::function<DateContext()> context, QObject *parent = nullptr);

    const QString &path() const { return m_path; }

    // Reads the file, which reading never changes.
    TripDateResult load();
    // Replaces the file with one record of the date's text, exactly as typed; on failure the
    // file stays as it was.
    TripDateResult save(const TripDate &tripDate);

signals:
    // Another program put a date into the file other than the one last loaded or saved. A file
    // that is gone, cannot be read or holds no date is no change: the next start says what is
    // wrong with it.
    void changed(const TripDate &tripDate);

private:
    void follow();
    TripDateResult hold(TripDateResult result);

    QString m_path;
    std::function<DateContext()> m_context;
    std::optional<QString> m_text; // the date's text last loaded or saved
};
