#pragma once

#include "tripdate/tripdate.h"

#include <QObject>

#include <functional>

class FileWatch;

// The trip date file, owned by one object: it reads the file, saves a new date into it, and
// follows it as other programs change it (an editor, a backup, a counter in another session),
// and tells what came of each: a date to count to, or why there is none.
class TripDateStore : public QObject
{
    Q_OBJECT

public:
    // `context` gives the locale and today's date each time the file is read.
    TripDateStore(QString path, std::function<DateContext()> context, QObject *parent = nullptr);

    const QString &path() const { return m_path; }

    // Reads the file, which reading never changes. No file yet, or one that holds no date at
    // all, tells nothing.
    void load();
    // Replaces the file with one record of the date's text, exactly as typed; on failure the
    // file stays as it was. Why it did not save, if it did not; once saved, `changed` has told
    // of the new date.
    std::optional<TripDateFailure> save(const TripDate &tripDate);

signals:
    // The date loaded or saved, or one another program put into the file. A file that is gone,
    // cannot be read or holds no date while the counter runs is no change: the next start says
    // what is wrong with it.
    void changed(const TripDate &tripDate);
    // Why the file gave no date as it was loaded.
    void failed(const TripDateFailure &failure);

private:
    void follow();
    void tell(const TripDate &tripDate);

    QString m_path;
    std::function<DateContext()> m_context;
    std::optional<QString> m_text; // the date's text last loaded or saved
};
