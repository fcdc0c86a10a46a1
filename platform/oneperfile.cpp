#include "oneperfile.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// The socket is made by hand rather than through Qt Network's QLocalServer: that library
// brings Kerberos and a proxy library into the process, more than a megabyte of memory for a
// socket that carries a line; and QLocalServer and QLockFile take names, where the rule needs
// the runtime directory as it was opened. A start sends its activation token and a line end; the
// counter shows itself and answers with one byte. A counter that closes stops listening first, so
// a start that asked it meanwhile gets no answer but a closed connection, and tries the lock
// again.

namespace {

constexpr int kLongestToken = 1024;
// Starts read at once. A start beyond them makes room by dropping the one that has waited
// longest, so that connections held open and silent never keep a start from the counter.
constexpr int kMostAsking = 8;
constexpr int kRetryMsecs = 20;

QByteArray socketName(const QString &directory)
{
    const QByteArray where = qgetenv("DISPLAY") + qgetenv("WAYLAND_DISPLAY") + '\0'
                             + QDir(directory).canonicalPath().toUtf8();
    return "velmor-counter-" + QByteArray::number(::getuid()) + '-'
           + QCryptographicHash::hash(where, QCryptographicHash::Sha256).toHex().left(32);
}

std::optional<sockaddr_un> addressOf(const QByteArray &path)
{
    sockaddr_un address{.sun_family = AF_UNIX};
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return std::nullopt;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return address;
}

enum class Answer
{
    Shown,    // the counter showed itself
    NotThere, // nobody listens, or the counter closed before it answered
    Busy,     // it does not take the request yet: starting
    Silent,   // it took the request and did not answer in time
};

// Asks the counter listening at `path` to show itself with the token.
Answer askRunningCounter(const QByteArray &path, const QByteArray &token, QDeadlineTimer deadline)
{
    const std::optional<sockaddr_un> address = addressOf(path);
    const Descriptor socket(
        address ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0) : -1);
    const int fd = socket.get();
    if (!socket)
        return Answer::NotThere;
    Answer answer = Answer::NotThere;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&*address), sizeof *address) != 0) {
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
    return answer;
}

// What a start said: its token, up to the line end. A start that says nothing for a while goes.
class Request final : public QSocketNotifier
{
public:
    Request(int fd, int idleMsecs, QObject *parent)
        : QSocketNotifier(fd, QSocketNotifier::Read, parent)
    {
        setObjectName(QStringLiteral("request"));
        m_idle.setObjectName(QStringLiteral("idle"));
        m_idle.setSingleShot(true);
        connect(&m_idle, &QTimer::timeout, this, &QObject::deleteLater);
        m_idle.start(idleMsecs);
    }
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
    QTimer m_idle{this};
};

} // namespace

OneCounterPerFile::OneCounterPerFile(QObject *parent, int idleMsecs, int shownAgainMsecs)
    : QObject(parent), m_idleMsecs(idleMsecs), m_shownAgainMsecs(shownAgainMsecs)
{
}

OneCounterPerFile::~OneCounterPerFile() { release(); }

OneCounterPerFile::RuntimeDirectory OneCounterPerFile::openRuntimeDirectory()
{
    const QByteArray path = qgetenv("XDG_RUNTIME_DIR");
    // Not a link (O_NOFOLLOW), and looked at as it was opened: another user who made it first
    // (Qt's fallback, /tmp/runtime-USER, is open to that) could answer for the counter.
    Descriptor fd(path.isEmpty()
                      ? -1
                      : ::open(path.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd)
        return path.isEmpty() || errno == ENOENT ? Claim::NoRuntimeDirectory
                                                 : Claim::NoPrivateDirectory;
    struct stat status = {};
    if (::fstat(fd.get(), &status) != 0 || status.st_uid != ::geteuid()
        || (status.st_mode & 077) != 0)
        return Claim::NoPrivateDirectory;
    return fd;
}

OneCounterPerFile::Claim OneCounterPerFile::claim(const QString &directory,
                                                  const QByteArray &activationToken,
                                                  int answerMsecs)
{
    return claim(openRuntimeDirectory(), directory, activationToken, answerMsecs);
}

OneCounterPerFile::Claim OneCounterPerFile::claim(RuntimeDirectory runtime,
                                                  const QString &directory,
                                                  const QByteArray &activationToken,
                                                  int answerMsecs)
{
    if (const Claim *none = std::get_if<Claim>(&runtime))
        return *none;
    m_runtime = std::move(std::get<Descriptor>(runtime));
    m_name = socketName(directory);
    // The socket is bound and reached through /proc's name for the directory as opened.
    m_lock = Descriptor(::openat(m_runtime.get(), m_name + ".lock",
                                 O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!m_lock)
        return Claim::NoLock;
    if (!addressOf(reachable(m_name))
        || ::faccessat(AT_FDCWD, reachable({}).constData(), F_OK, 0) != 0)
        return Claim::NoSocket;
    const QByteArray token = activationToken.split('\n').constFirst().left(kLongestToken);
    // The counter that holds the lock may be starting, a moment from listening, or closing, a
    // moment from letting go.
    for (const QDeadlineTimer deadline(answerMsecs);;) {
        if (lock())
            return listen() ? Claim::Counter : Claim::NoSocket;
        if (errno != EWOULDBLOCK)
            return Claim::NoLock;
        // Silent only once the deadline has passed: the answer is waited for until then.
        if (askRunningCounter(reachable(m_name), token, deadline) == Answer::Shown)
            return Claim::HandedOver;
        if (deadline.hasExpired())
            break;
        QThread::msleep(kRetryMsecs);
    }
    // A counter that holds the lock and does not answer is hung: once more, in case it has
    // just let go, and else this run goes on beside it.
    return lock() && listen() ? Claim::Counter : Claim::Unanswered;
}

QByteArray OneCounterPerFile::reachable(const QByteArray &name) const
{
    return reachedThrough(m_runtime.get(), name);
}

bool OneCounterPerFile::lock() { return m_lock && ::flock(m_lock.get(), LOCK_EX | LOCK_NB) == 0; }

// Listens at the socket, which this counter may now own: one left there is a killed counter's.
bool OneCounterPerFile::listen()
{
    (void)::unlinkat(m_runtime.get(), m_name.constData(), 0);
    const std::optional<sockaddr_un> address = addressOf(reachable(m_name));
    m_socket = Descriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!m_socket || !address
        || ::bind(m_socket.get(), reinterpret_cast<const sockaddr *>(&*address), sizeof *address)
               != 0
        || ::listen(m_socket.get(), kMostAsking) != 0) {
        release();
        return false;
    }
    auto *notifier = new QSocketNotifier(m_socket.get(), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &OneCounterPerFile::answer);
    return true;
}

void OneCounterPerFile::release()
{
    for (QSocketNotifier *notifier : findChildren<QSocketNotifier *>()) {
        notifier->setEnabled(false);
        notifier->deleteLater(); // it may be the one calling
    }
    if (m_socket)
        (void)::unlinkat(m_runtime.get(), m_name.constData(), 0);
    m_socket = {}; // closed: a start still waiting in the queue finds it so
    m_lock = {};   // and the lock with it; the file stays, for the next counter to lock
}

bool OneCounterPerFile::firstTime(const QByteArray &what)
{
    if (m_told.contains(what))
        return false;
    m_told.append(what);
    if (!m_runtime || m_name.isEmpty())
        return true;
    const Descriptor told(::openat(m_runtime.get(), m_name + '.' + what,
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    return told || errno != EEXIST;
}

void OneCounterPerFile::answer()
{
    int fd;
    while ((fd = ::accept4(m_socket.get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
        const QList<QSocketNotifier *> asking =
            findChildren<QSocketNotifier *>(QStringLiteral("request"), Qt::FindDirectChildrenOnly);
        if (asking.size() >= kMostAsking)
            delete asking.constFirst();
        auto *request = new Request(fd, m_idleMsecs, this);
        connect(request, &QSocketNotifier::activated, this, [this, request] {
            if (!request->readSome())
                return;
            request->setEnabled(false);
            if (request->askedWhole()) {
                const qint64 now = QDeadlineTimer::current().deadline();
                if (m_lastShown < 0 || now - m_lastShown >= m_shownAgainMsecs) {
                    m_lastShown = now;
                    emit askedFor(request->token());
                }
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
