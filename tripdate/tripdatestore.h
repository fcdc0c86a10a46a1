#pragma once

#include "tripdate/tripdate.h"

#include <QObject>

#include <functional>

class FileWatch;

// The trip date file, owned by one object: it reads the file, saves a new date into it, and
// follows it as other programs change it (an editor, a backup, a counter in another session).
// Loading and saving answer what came of them; every new date is told through `changed`.
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
    // The date loaded or saved, or one another program put into the file. A file that is gone,
    // cannot be read or holds no date while the counter runs is no change, and no news: the
    // user is not interrupted over a file an editor is halfway through writing, and the next
    // start says what is wrong with it.
    void changed(const TripDate &tripDate);

private:
    void follow();
    TripDateResult tell(TripDateResult result);

    QString m_path;
    std::function<DateContext()> m_context;
    std::optional<TripDate> m_told; // the date last told
};
