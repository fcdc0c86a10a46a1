#include "oneperfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// The socket is made by hand rather than through Qt Network's QLocalServer: that library
// brings Kerberos and a proxy library into the process, more than a megabyte of memory for
// a socket that carries no data. Being connected to is the whole request.

namespace {

QByteArray socketPath(const QString &directory)
{
    const QByteArray where = QDir(directory).canonicalPath().toUtf8();
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
bool askRunningCounter(const sockaddr_un &address)
{
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
    std::unique_ptr<OneCounterPerFile> alone(new OneCounterPerFile(-1, {}));
    if (path.size() >= qsizetype(sizeof sockaddr_un::sun_path))
        return alone;
    const sockaddr_un address = addressOf(path);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (askRunningCounter(address))
            return nullptr;
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0)
            return alone;
        if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0
            && ::listen(fd, 8) == 0)
            return std::unique_ptr<OneCounterPerFile>(new OneCounterPerFile(fd, path));
        const int error = errno;
        ::close(fd);
        if (error != EADDRINUSE)
            return alone;
        // A socket that no counter answers at is one that a killed counter left, unless another
        // start has just made it.
        if (!askRunningCounter(address))
            ::unlink(path.constData());
    }
    return alone;
}

OneCounterPerFile::OneCounterPerFile(int socket, QByteArray path)
    : m_socket(socket), m_path(std::move(path))
{
    if (m_socket < 0)
        return;
    m_notifier = new QSocketNotifier(m_socket, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &OneCounterPerFile::answer);
}

OneCounterPerFile::~OneCounterPerFile()
{
    if (m_socket < 0)
        return;
    ::unlink(m_path.constData());
    ::close(m_socket);
}

void OneCounterPerFile::answer()
{
    bool asked = false;
    for (int fd; (fd = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        ::close(fd);
        asked = true;
    }
    if (asked)
        emit askedFor();
}
