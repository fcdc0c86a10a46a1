#include "oneperfile.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// The socket is made by hand rather than through Qt Network's QLocalServer: that library
// brings Kerberos and a proxy library into the process, more than a megabyte of memory for
// a socket that carries no data. Being connected to is the whole request. Which counter owns
// the socket, QLockFile decides: it knows a lock whose process has died.

namespace {

constexpr int kStartingMsecs = 2000; // how long a counter that holds the lock may take to listen

QByteArray socketPath(const QString &directory)
{
    const QByteArray where = qgetenv("DISPLAY") + qgetenv("WAYLAND_DISPLAY") + '\0'
                             + QDir(directory).canonicalPath().toUtf8();
    return QFile::encodeName(
        QStringLiteral("%1/velmor-counter-%2-%3")
            .arg(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
            .arg(::getuid())
            .arg(QString::fromLatin1(
                QCryptographicHash::hash(where, QCryptographicHash::Sha256).toHex().left(32))));
}

sockaddr_un addressOf(const QByteArray &path)
{
    sockaddr_un address{.sun_family = AF_UNIX};
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return address;
}

// Asks the counter listening at `path` to show itself; false when none listens there.
bool askRunningCounter(const QByteArray &path)
{
    const sockaddr_un address = addressOf(path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    // EAGAIN: a counter so busy that its queue is full is running all the same.
    const bool asked = fd >= 0
                       && (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address)
                               == 0
                           || errno == EAGAIN);
    if (fd >= 0)
        ::close(fd);
    return asked;
}

} // namespace

std::unique_ptr<OneCounterPerFile> OneCounterPerFile::claim(const QString &directory)
{
    const QByteArray path = socketPath(directory);
    std::unique_ptr<OneCounterPerFile> counter(new OneCounterPerFile(path));
    if (path.size() >= qsizetype(sizeof sockaddr_un::sun_path))
        return counter; // alone
    counter->m_lock.setStaleLockTime(0); // stale only when its process is gone
    if (counter->m_lock.tryLock(0)) {
        counter->listen();
        return counter;
    }
    if (counter->m_lock.error() != QLockFile::LockFailedError)
        return counter; // alone: the runtime directory takes no lock
    // Another counter holds the lock; it may be starting still, a moment from listening.
    for (QDeadlineTimer starting(kStartingMsecs); !starting.hasExpired(); QThread::msleep(20)) {
        if (askRunningCounter(path))
            return nullptr;
    }
    return counter; // a counter that does not answer is hung: this one runs alone
}

OneCounterPerFile::OneCounterPerFile(const QByteArray &path)
    : m_path(path), m_lock(QFile::decodeName(path + ".lock"))
{
}

// Listens at the socket, which this counter may now own: one left there is a killed counter's.
void OneCounterPerFile::listen()
{
    ::unlink(m_path.constData());
    const sockaddr_un address = addressOf(m_path);
    m_socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_socket < 0
        || ::bind(m_socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || ::listen(m_socket, 8) != 0) {
        stopListening();
        return;
    }
    auto *notifier = new QSocketNotifier(m_socket, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &OneCounterPerFile::answer);
}

void OneCounterPerFile::stopListening()
{
    if (auto *notifier = findChild<QSocketNotifier *>()) {
        notifier->setEnabled(false);
        notifier->deleteLater(); // it may be the one calling
    }
    if (m_socket >= 0) {
        ::unlink(m_path.constData());
        ::close(m_socket);
    }
    m_socket = -1;
}

OneCounterPerFile::~OneCounterPerFile() { stopListening(); }

void OneCounterPerFile::answer()
{
    bool asked = false;
    int fd;
    while ((fd = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
        ::close(fd);
        asked = true;
    }
    // Out of descriptors, a connection would wait to be taken and wake the program without
    // end: the counter stops listening, and a later start runs alone.
    if (errno != EAGAIN && errno != EINTR && errno != ECONNABORTED)
        stopListening();
    if (asked)
        emit askedFor();
}
