#include "platform/oneperfile.h"
#include "support.h"

#include <QDir>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(OneCounterPerFile::Claim)
Q_DECLARE_METATYPE(OneCounterPerFile::Alone)

namespace {
using Claim = OneCounterPerFile::Claim;
using Alone = OneCounterPerFile::Alone;
} // namespace

// A start in a directory where a counter may already run, and where it may find the other.
class TestOneCounterPerFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_runtime, m_directory;

    // The lock that a claim of the directory made in the runtime directory; its socket is
    // the same name without ".lock".
    QString lockPath() const
    {
        const QStringList locks =
            QDir(m_runtime.path()).entryList({QStringLiteral("*.lock")}, QDir::Files);
        return locks.isEmpty() ? QString() : m_runtime.filePath(locks.first());
    }
    QStringList madeNames() const
    {
        return QDir(m_runtime.path()).entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    }

private slots:
    void init()
    {
        QVERIFY(::chmod(QFile::encodeName(m_runtime.path()), 0700) == 0);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        for (const QString &name : madeNames())
            QFile::remove(m_runtime.filePath(name));
    }

    void startMeets_data()
    {
        QTest::addColumn<QString>("running"); // the counter already there, and how it is
        QTest::addColumn<Claim>("claim");     // what the start makes of it
        QTest::addColumn<Alone>("why");       // where it runs alone
        // clang-format off
        QTest::newRow("none: this start is the counter") << "none" << Claim::Counter << Alone{};
        QTest::newRow("one that answers: it shows itself, and this start goes") << "answering" << Claim::HandedOver << Alone{};
        QTest::newRow("one that has let go as it closes: this start is the counter") << "closing" << Claim::Counter << Alone{};
        QTest::newRow("one that was killed: its lock is taken over") << "killed" << Claim::Counter << Alone{};
        QTest::newRow("one that takes the request and never answers: beside it") << "silent" << Claim::Alone << Alone::Unanswered;
        // clang-format on
    }

    void startMeets()
    {
        QFETCH(QString, running);
        QFETCH(Claim, claim);
        QFETCH(Alone, why);
        OneCounterPerFile first;
        QSignalSpy asked(&first, &OneCounterPerFile::askedFor);
        if (running != u"none")
            QCOMPARE(first.claim(m_directory.path()), Claim::Counter);
        const QString lock = lockPath();
        if (running == u"closing")
            first.release();
        QLockFile held(lock);
        int silent = -1;
        if (running == u"killed" || running == u"silent") {
            first.release();
            if (running == u"killed") { // a lock its process left behind when it was killed
                const pid_t child = ::fork();
                if (child == 0)
                    _exit(held.tryLock(0) ? 0 : 1);
                int status = 0;
                QVERIFY(::waitpid(child, &status, 0) == child && WEXITSTATUS(status) == 0);
            } else {
                QVERIFY(held.tryLock(0));
            }
            if (running == u"silent") { // listens, and takes nothing from its queue
                sockaddr_un address{.sun_family = AF_UNIX};
                qstrncpy(address.sun_path, QFile::encodeName(lock.chopped(5)),
                         sizeof address.sun_path);
                silent = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
                QVERIFY(::bind(silent, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
                        && ::listen(silent, 8) == 0);
            }
        }

        // The start runs beside this thread, where the first counter answers it.
        Claim made = Claim::Alone;
        Alone alone{};
        bool holdsLock = false;
        const int wait = running == u"answering" ? kPatience : 300; // the silent ones never answer
        QThread *start = QThread::create([&] {
            OneCounterPerFile second;
            made = second.claim(m_directory.path(), "the start's token", wait);
            alone = second.aloneBecause();
            QLockFile probe(lockPath());
            holdsLock = made == Claim::Counter && !probe.tryLock(0);
        });
        start->start();
        QTRY_VERIFY_WITH_TIMEOUT(start->isFinished(), kPatience);
        delete start;
        if (silent >= 0)
            ::close(silent);

        QCOMPARE(made, claim);
        if (claim == Claim::Alone)
            QCOMPARE(alone, why);
        QCOMPARE(holdsLock, claim == Claim::Counter);
        QCOMPARE(asked.count(), claim == Claim::HandedOver ? 1 : 0);
        if (claim == Claim::HandedOver)
            QCOMPARE(asked.first().first().toByteArray(), QByteArray("the start's token"));
    }

    // The lock and the socket go only where no other user can reach them: without a runtime
    // directory of the user's alone, the counter runs alone.
    void runtimeDirectory_theUsersAlone_data()
    {
        QTest::addColumn<QString>("runtime");
        QTest::addColumn<Claim>("claim");
        QTest::newRow("the user's, closed to others") << "private" << Claim::Counter;
        QTest::newRow("not set") << "unset" << Claim::Alone;
        QTest::newRow("open to others") << "open" << Claim::Alone;
        QTest::newRow("a link to the user's") << "link" << Claim::Alone;
        QTest::newRow("another user's") << "foreign" << Claim::Alone;
    }

    void runtimeDirectory_theUsersAlone()
    {
        QFETCH(QString, runtime);
        QFETCH(Claim, claim);
        const QByteArray path = QFile::encodeName(m_runtime.path());
        QByteArray directory = path;
        if (runtime == u"unset")
            directory.clear();
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
        const Claim made = counter.claim(m_directory.path());
        (void)::unlink(path + ".link");
        (void)::chown(path, ::geteuid(), ::getegid());
        QCOMPARE(made, claim);
        if (claim == Claim::Alone)
            QCOMPARE(counter.aloneBecause(), Alone::NoPrivateDirectory);
        QCOMPARE(madeNames().isEmpty(), claim == Claim::Alone);
    }
};

QTEST_GUILESS_MAIN(TestOneCounterPerFile)
#include "tst_oneperfile.moc"
