#include "platform/oneperfile.h"
#include "support.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(OneCounterPerFile::Claim)

namespace {
using Claim = OneCounterPerFile::Claim;

int connectTo(const QString &path)
{
    sockaddr_un address{.sun_family = AF_UNIX};
    qstrncpy(address.sun_path, QFile::encodeName(path), sizeof address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    return ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 ? fd : -1;
}

// Whether the other end has closed the connection.
bool closedByCounter(int fd)
{
    pollfd waiting{.fd = fd, .events = POLLIN};
    char byte;
    return ::poll(&waiting, 1, 0) == 1 && ::recv(fd, &byte, 1, MSG_DONTWAIT) == 0;
}
} // namespace

// A start in a directory where a counter may already run, and where it may find the other.
class TestOneCounterPerFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_runtime, m_directory;

    // The socket that a claim of the directory made in the runtime directory.
    QString socketPath(const QString &runtime) const
    {
        const QStringList locks = QDir(runtime).entryList({QStringLiteral("*.lock")}, QDir::Files);
        return locks.isEmpty() ? QString() : QDir(runtime).filePath(locks.first().chopped(5));
    }
    QStringList madeNames(const QString &runtime) const
    {
        return QDir(runtime).entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    }

    // Another start, beside this thread, where a counter answers it.
    Claim start(int answerMsecs)
    {
        Claim made = Claim::Unanswered;
        QThread *thread = QThread::create([&] {
            OneCounterPerFile second;
            made = second.claim(m_directory.path(), "the start's token", answerMsecs);
        });
        thread->start();
        // The counter answers in this thread's event loop, meanwhile.
        const bool ended = QTest::qWaitFor([&] { return thread->isFinished(); }, kPatience);
        thread->wait();
        delete thread;
        if (!ended)
            qFatal("the start never ended");
        return made;
    }

private slots:
    void init()
    {
        QVERIFY(::chmod(QFile::encodeName(m_runtime.path()), 0700) == 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        for (const QString &name : madeNames(m_runtime.path()))
            QFile::remove(m_runtime.filePath(name));
    }

    void startMeets_data()
    {
        QTest::addColumn<QString>("running"); // the counter already there, and how it is
        QTest::addColumn<Claim>("claim");     // what the start makes of it
        // clang-format off
        QTest::newRow("none: this start is the counter") << "none" << Claim::Counter;
        QTest::newRow("one that answers: it shows itself once for two starts together, and they go") << "answering" << Claim::HandedOver;
        QTest::newRow("one that has let go as it closes: this start is the counter") << "closing" << Claim::Counter;
        QTest::newRow("one that was killed: its lock is taken over") << "killed" << Claim::Counter;
        QTest::newRow("one that takes the request and never answers: beside it") << "silent" << Claim::Unanswered;
        QTest::newRow("one that connections held open and silent keep busy: still found") << "held" << Claim::HandedOver;
        QTest::newRow("none, and no room for the socket once locked: said as such") << "no socket" << Claim::NoSocket;
        // clang-format on
    }

    void startMeets()
    {
        QFETCH(QString, running);
        QFETCH(Claim, claim);
        // The held connections wait on their own, and starts a test makes one after the other
        // come together, however loaded the machine.
        OneCounterPerFile first(nullptr, 600 * 1000, 600 * 1000);
        QSignalSpy asked(&first, &OneCounterPerFile::askedFor);
        QCOMPARE(first.claim(m_directory.path()), Claim::Counter);
        const QString socket = socketPath(m_runtime.path());
        const int lock = ::open(QFile::encodeName(socket + ".lock"), O_RDWR | O_CLOEXEC);
        if (running != u"answering" && running != u"held")
            first.release();
        // Read-only or out of inodes, as a directory in the socket's place makes it for root too.
        if (running == u"no socket")
            QCOMPARE(::mkdir(QFile::encodeName(socket), 0700), 0);
        if (running == u"killed") { // a lock its process held when it was killed
            const pid_t child = ::fork();
            if (child == 0) {
                const int own = ::open(QFile::encodeName(socket + ".lock"), O_RDWR | O_CLOEXEC);
                _exit(::flock(own, LOCK_EX | LOCK_NB) == 0 ? 0 : 1);
            }
            int status = 0;
            QVERIFY(::waitpid(child, &status, 0) == child && WEXITSTATUS(status) == 0);
        }
        int silent = -1;
        if (running == u"silent") { // holds the lock, listens, and takes nothing from its queue
            QCOMPARE(::flock(lock, LOCK_EX | LOCK_NB), 0);
            sockaddr_un address{.sun_family = AF_UNIX};
            qstrncpy(address.sun_path, QFile::encodeName(socket), sizeof address.sun_path);
            silent = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            QVERIFY(::bind(silent, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
                    && ::listen(silent, 8) == 0);
        }
        QList<int> held; // as many as the counter reads at once, taken by it, saying nothing
        for (int n = 0; running == u"held" && n < 8; ++n)
            held << connectTo(socket);
        QTRY_COMPARE_WITH_TIMEOUT(first.findChildren<QTimer *>(QStringLiteral("idle")).size(),
                                  held.size(), kPatience);

        // The silent one's answer is not waited for: a start that had waited gives up so too.
        QCOMPARE(start(running == u"silent" ? 0 : kPatience), claim);
        if (running == u"answering")
            QCOMPARE(start(kPatience), Claim::HandedOver);
        ::close(lock);
        if (silent >= 0)
            ::close(silent);
        (void)::rmdir(QFile::encodeName(socket));
        QCOMPARE(asked.count(), claim == Claim::HandedOver ? 1 : 0);
        if (claim == Claim::HandedOver)
            QCOMPARE(asked.first().first().toByteArray(), QByteArray("the start's token"));
        if (running == u"held") {
            // The one that waited longest made room; the others go once they have waited long.
            QCOMPARE(closedByCounter(held.first()), true);
            QCOMPARE(closedByCounter(held.last()), false);
            for (QTimer *idle : first.findChildren<QTimer *>(QStringLiteral("idle")))
                QVERIFY(fire(idle));
            QTRY_VERIFY_WITH_TIMEOUT(closedByCounter(held.last()), kPatience);
        }
        for (const int fd : std::as_const(held))
            ::close(fd);
    }

    // The user is told of a thing once in the session, however often the counter starts in the
    // directory; where it runs alone, once a run.
    void firstTime_onceASession()
    {
        OneCounterPerFile first, again, alone;
        QCOMPARE(first.claim(m_directory.path()), Claim::Counter);
        first.release();
        QCOMPARE(again.claim(m_directory.path()), Claim::Counter);
        qputenv("XDG_RUNTIME_DIR", "");
        QCOMPARE(alone.claim(m_directory.path()), Claim::NoRuntimeDirectory);
        QCOMPARE(
            (QList<bool>{first.firstTime("told-2030-12-24"), again.firstTime("told-2030-12-24"),
                         again.firstTime("told-2031-01-01"), alone.firstTime("told-2030-12-24"),
                         alone.firstTime("told-2030-12-24")}),
            (QList<bool>{true, false, true, true, false}));
    }

    // The lock and the socket go only where no other user can reach them: without a runtime
    // directory of the user's alone, the counter runs alone. What is made there is made in the
    // directory as it was opened and checked, also where another user has swapped another in
    // under its name since, and it is taken away from there.
    void runtimeDirectory_theUsersAlone_data()
    {
        QTest::addColumn<QString>("runtime");
        QTest::addColumn<Claim>("claim");
        QTest::newRow("the user's, closed to others") << "private" << Claim::Counter;
        QTest::newRow("not set") << "unset" << Claim::NoRuntimeDirectory;
        QTest::newRow("not there") << "missing" << Claim::NoRuntimeDirectory;
        QTest::newRow("open to others") << "open" << Claim::NoPrivateDirectory;
        QTest::newRow("a link to the user's") << "link" << Claim::NoPrivateDirectory;
        QTest::newRow("another user's") << "foreign" << Claim::NoPrivateDirectory;
        QTest::newRow("swapped for another once opened") << "swapped" << Claim::Counter;
    }

    void runtimeDirectory_theUsersAlone()
    {
        QFETCH(QString, runtime);
        QFETCH(Claim, claim);
        const QByteArray path = QFile::encodeName(m_runtime.path());
        QByteArray directory = path;
        if (runtime == u"unset")
            directory.clear();
        if (runtime == u"missing")
            directory += "/nothing";
        if (runtime == u"open")
            QCOMPARE(::chmod(path, 0755), 0);
        if (runtime == u"link") {
            directory = path + ".link";
            QCOMPARE(::symlink(path, directory), 0);
        }
        if (runtime == u"foreign") // root gives it away; anybody else has /root, which is root's
            directory = ::geteuid() == 0 && ::chown(path, 65534, 65534) == 0 ? path : "/root";
        qputenv("XDG_RUNTIME_DIR", directory);
        OneCounterPerFile counter;
        OneCounterPerFile::RuntimeDirectory opened = OneCounterPerFile::openRuntimeDirectory();
        const QByteArray moved = path + ".moved";
        if (runtime == u"swapped") // another's in its place, holding what the counter would make
            QVERIFY(::rename(path, moved) == 0 && ::mkdir(path, 0700) == 0);
        const Claim made = counter.claim(std::move(opened), m_directory.path());
        const QString ownPlace = QFile::decodeName(runtime == u"swapped" ? moved : path);
        const QStringList names = madeNames(ownPlace);
        for (const QString &name : names)
            if (runtime == u"swapped")
                writeFile(QFile::decodeName(path + '/' + name.toUtf8()), "another user's");
        counter.release();
        const QStringList left = madeNames(ownPlace), others = madeNames(m_runtime.path());
        if (runtime == u"swapped")
            QVERIFY(QDir(QFile::decodeName(path)).removeRecursively()
                    && ::rename(moved, path) == 0);
        (void)::unlink(path + ".link");
        (void)::chown(path, ::geteuid(), ::getegid());
        QCOMPARE(made, claim);
        QCOMPARE(names.size(), OneCounterPerFile::alone(claim) ? 0 : 2); // the lock and the socket
        QCOMPARE(left.size(), names.size() / 2); // the lock stays, the socket goes
        if (runtime == u"swapped")
            QCOMPARE(others, names); // the other's files untouched
    }
};

QTEST_GUILESS_MAIN(TestOneCounterPerFile)
#include "tst_oneperfile.moc"
