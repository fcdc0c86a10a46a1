#include "oneperfile.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// The socket is made by hand rather than through Qt Network's QLocalServer: that library
// brings Kerberos and a proxy library into the process, more than a megabyte of memory for a
// socket that carries a line. A start sends its activation token and a line end; the counter
// shows itself and answers with one byte. A counter that closes stops listening first, so a
// start that asked it meanwhile gets no answer but a closed connection, and tries the lock again.

namespace {

constexpr int kLongestToken = 1024;
constexpr int kMostAsking = 8; // starts answered at once; more are turned away
constexpr int kRetryMsecs = 20;

// The user's runtime directory, where it is the user's alone: theirs, a directory and not a
// link to one, and closed to everybody else. Another user who made it first (Qt's fallback,
// /tmp/runtime-USER, is open to that) could otherwise answer for the counter, or take its name.
std::optional<QByteArray> privateRuntimeDirectory()
{
    const QByteArray directory = qgetenv("XDG_RUNTIME_DIR");
    struct stat status = {};
    if (directory.isEmpty() || ::lstat(directory.constData(), &status) != 0
        || !S_ISDIR(status.st_mode) || status.st_uid != ::geteuid() || (status.st_mode & 077) != 0)
        return std::nullopt;
    return directory;
}

QByteArray socketName(const QString &directory)
{
    const QByteArray where = qgetenv("DISPLAY") + qgetenv("WAYLAND_DISPLAY") + '\0'
                             + QDir(directory).canonicalPath().toUtf8();
    return "/velmor-counter-" + QByteArray::number(::getuid()) + '-'
           + QCryptographicHash::hash(where, QCryptographicHash::Sha256).toHex().left(32);
}

sockaddr_un addressOf(const QByteArray &path)
{
    sockaddr_un address{.sun_family = AF_UNIX};
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return address;
}

enum class Answer
{
    Shown,    // the counter showed itself
    NotThere, // nobody listens, or the counter closed before it answered
    Busy,     // it does not take the request yet: starting, or too many at once
    Silent,   // it took the request and did not answer in time
};

// Asks the counter listening at `path` to show itself with the token.
Answer askRunningCounter(const QByteArray &path, const QByteArray &token, QDeadlineTimer deadline)
{
    const sockaddr_un address = addressOf(path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return Answer::NotThere;
    Answer answer = Answer::NotThere;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        answer = errno == EAGAIN ? Answer::Busy : Answer::NotThere;
    } else if (const QByteArray request = token + '\n';
               ::send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL)
               != request.size()) {
        answer = Answer::NotThere;
    } else {
        pollfd waiting{.fd = fd, .events = POLLIN};
        int ready;
        while ((ready = ::poll(&waiting, 1, int(deadline.remainingTime()))) < 0 && errno == EINTR) {
        }
        char shown = 0;
        answer = ready == 0                      ? Answer::Silent
                 : ::recv(fd, &shown, 1, 0) == 1 ? Answer::Shown
                                                 : Answer::NotThere;
    }
    ::close(fd);
    return answer;
}

// What a start said: its token, up to the line end.
class Request final : public QSocketNotifier
{
public:
    Request(int fd, QObject *parent) : QSocketNotifier(fd, QSocketNotifier::Read, parent) {}
    ~Request() override { ::close(int(socket())); }

    // Reads what has come; true once the line is whole, or the start has gone.
    bool readSome()
    {
        char bytes[256];
        ssize_t count;
        while ((count = ::recv(int(socket()), bytes, sizeof bytes, 0)) > 0)
            m_line.append(bytes, count);
        m_ended = count == 0 || (count < 0 && errno != EAGAIN && errno != EINTR);
        return m_ended || m_line.contains('\n') || m_line.size() > kLongestToken;
    }
    bool askedWhole() const { return m_line.contains('\n'); }
    QByteArray token() const { return m_line.split('\n').constFirst().left(kLongestToken); }

private:
    QByteArray m_line;
    bool m_ended = false;
};

} // namespace

OneCounterPerFile::OneCounterPerFile(QObject *parent) : QObject(parent) {}

OneCounterPerFile::~OneCounterPerFile() { release(); }

OneCounterPerFile::Claim OneCounterPerFile::claim(const QString &directory,
                                                  const QByteArray &activationToken,
                                                  int answerMsecs)
{
    const std::optional<QByteArray> runtime = privateRuntimeDirectory();
    if (!runtime) {
        m_alone = Alone::NoPrivateDirectory;
        return Claim::Alone;
    }
    m_path = *runtime + socketName(directory);
    if (m_path.size() >= qsizetype(sizeof sockaddr_un::sun_path)) {
        m_alone = Alone::NameTooLong;
        return Claim::Alone;
    }
    m_lock = std::make_unique<QLockFile>(QFile::decodeName(m_path + ".lock"));
    m_lock->setStaleLockTime(0); // stale only when its process is gone
    const QByteArray token = activationToken.split('\n').constFirst().left(kLongestToken);
    // The counter that holds the lock may be starting, a moment from listening, or closing, a
    // moment from letting go.
    for (const QDeadlineTimer deadline(answerMsecs);;) {
        if (m_lock->tryLock(0)) {
            if (listen())
                return Claim::Counter;
            m_alone = Alone::NoLock;
            return Claim::Alone;
        }
        if (m_lock->error() != QLockFile::LockFailedError) {
            m_alone = Alone::NoLock;
            return Claim::Alone;
        }
        const Answer answer = askRunningCounter(m_path, token, deadline);
        if (answer == Answer::Shown)
            return Claim::HandedOver;
        if (answer == Answer::Silent || deadline.hasExpired())
            break;
        QThread::msleep(kRetryMsecs);
    }
    // A counter that holds the lock and does not answer is hung: once more, in case it has
    // just let go, and else this run goes on beside it.
    if (m_lock->tryLock(0) && listen())
        return Claim::Counter;
    m_alone = Alone::Unanswered;
    return Claim::Alone;
}

// Listens at the socket, which this counter may now own: one left there is a killed counter's.
bool OneCounterPerFile::listen()
{
    ::unlink(m_path.constData());
    const sockaddr_un address = addressOf(m_path);
    m_socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_socket < 0
        || ::bind(m_socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0
        || ::listen(m_socket, kMostAsking) != 0) {
        release();
        return false;
    }
    auto *notifier = new QSocketNotifier(m_socket, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &OneCounterPerFile::answer);
    return true;
}

void OneCounterPerFile::release()
{
    for (QSocketNotifier *notifier : findChildren<QSocketNotifier *>()) {
        notifier->setEnabled(false);
        notifier->deleteLater(); // it may be the one calling
    }
    if (m_socket >= 0) {
        ::unlink(m_path.constData());
        ::close(m_socket); // a start still waiting in the queue finds it closed
    }
    m_socket = -1;
    if (m_lock)
        m_lock->unlock();
}

void OneCounterPerFile::answer()
{
    int fd;
    while ((fd = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
        if (m_asking >= kMostAsking) {
            ::close(fd); // the start tries again
            continue;
        }
        auto *request = new Request(fd, this);
        ++m_asking;
        connect(request, &QObject::destroyed, this, [this] { --m_asking; });
        connect(request, &QSocketNotifier::activated, this, [this, request] {
            if (!request->readSome())
                return;
            request->setEnabled(false);
            if (request->askedWhole()) {
                emit askedFor(request->token());
                (void)::send(int(request->socket()), "1", 1, MSG_NOSIGNAL); // shown
            }
            request->deleteLater();
        });
    }
    // Out of descriptors, a connection would wait to be taken and wake the program without
    // end: the counter stops listening, and a later start runs alone.
    if (errno != EAGAIN && errno != EINTR && errno != ECONNABORTED)
        release();
}
