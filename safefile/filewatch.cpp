#include "filewatch.h"

#include <QFileInfo>

namespace {

// How long after the first change of a burst the file is read: the rest of the burst comes
// within it, and the figures still follow within the second.
constexpr int kSettlingMsecs = 250;

} // namespace

FileWatch::FileWatch(QString path, QObject *parent, const SystemCalls &calls)
    : QObject(parent), m_path(std::move(path)), m_calls(calls)
{
    m_settling.setObjectName(QStringLiteral("settling")); // which tests set off themselves
    m_settling.setSingleShot(true);
    m_settling.setInterval(kSettlingMsecs);
    connect(&m_settling, &QTimer::timeout, this, [this] {
        renew(); // before the news, so that a change after the reading is watched for
        emit changed();
    });
    // The first change of a burst stops the watch, so that the rest of the burst costs nothing;
    // the reading after it sees what the burst left.
    const auto settle = [this] {
        if (m_settling.isActive())
            return;
        unwatch();
        m_settling.start();
    };
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, settle);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, settle);
    renew();
}

void FileWatch::unwatch()
{
    if (const QStringList watched = m_watcher.files() + m_watcher.directories(); !watched.isEmpty())
        m_watcher.removePaths(watched);
}

void FileWatch::renew()
{
    unwatch();
    // Without /proc the directory is watched by its name, as the path has it.
    static const bool proc = QFileInfo::exists(QStringLiteral("/proc/self/fd"));
    if (!proc) {
        m_watcher.addPath(QFileInfo(m_path).absolutePath());
        return;
    }
    const WatchPoints points = openToWatch(m_path, m_calls);
    for (const Descriptor &directory : points.directories)
        m_watcher.addPath(QString::fromLatin1(reachedThrough(directory.get())));
    if (points.file.get() >= 0)
        m_watcher.addPath(QString::fromLatin1(reachedThrough(points.file.get())));
}
