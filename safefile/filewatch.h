#pragma once

#include "safefile/safefile.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// Tells when the file at a path may have changed: when anything changes in a directory on the
// way to it (a save renames a new file over it; a directory or a link is put in its place, or in
// the place of a link or a directory it passes through), and when the file itself is rewritten
// in place. The watch follows the path, not what it named once: after every change it is renewed
// on what the path names by then, as the file layer would read it (openToWatch), so that it
// never sits on a file that another user's link leads to. A burst of changes, such as another
// user's churn in a shared directory, is told once, a moment after it began, and the watch rests
// meanwhile; nothing wakes the program while nothing changes.
class FileWatch : public QObject
{
    Q_OBJECT

public:
    explicit FileWatch(QString path, QObject *parent = nullptr,
                       const SystemCalls &calls = SystemCalls::real());

signals:
    void changed();

private:
    void renew();
    void unwatch();

    QString m_path;
    const SystemCalls &m_calls;
    QFileSystemWatcher m_watcher{this};
    QTimer m_settling{this};
};
