#include "tripdate/tripdatefile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <thread>

// A save killed at any moment leaves the old record or the new one, whole, and nothing
// behind that a later save would trip on.
class TestCrashSafety : public QObject
{
    Q_OBJECT

private slots:
    void killedMidSave_leavesOneWholeRecord();
};

void TestCrashSafety::killedMidSave_leavesOneWholeRecord()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(tripDateFileName());
    QCOMPARE(writeTripDateFile(path, QStringLiteral("1/1/2001")), QString());
    const QList<QByteArray> whole{"\"1/1/2001\"\r\n", "\"12/12/2005\"\r\n", "\"Dec 24, 2030\"\r\n"};
    const QString helper = QCoreApplication::applicationDirPath() + QStringLiteral("/savehelper");

    QRandomGenerator random(20261206); // the same moments on every run
    QStringList leftBehind;
    constexpr int kKills = 200;
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess saver;
        saver.start(helper, {path});
        QVERIFY(saver.waitForReadyRead(10000)); // the loop has begun
        std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(3000)));
        ::kill(saver.processId(), SIGKILL);
        QVERIFY(saver.waitForFinished(10000));
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(whole.contains(bytes), qPrintable(QStringLiteral("after kill %1: %2")
                                                       .arg(kill)
                                                       .arg(QString::fromLatin1(bytes.toHex(' ')))));
        // A kill between naming the finished temporary file and renaming it over the old one
        // leaves that copy behind: whole, under a name of its own, never in a later save's way.
        const QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        for (const QString &name : names) {
            if (name == tripDateFileName())
                continue;
            QVERIFY2(name.startsWith(tripDateFileName() + u'.'), qPrintable(name));
            if (!leftBehind.contains(name)) {
                QFile copy(dir.filePath(name));
                QVERIFY(copy.open(QIODevice::ReadOnly));
                QVERIFY(whole.contains(copy.readAll()));
                leftBehind.append(name);
            }
        }
    }
    QCOMPARE(writeTripDateFile(path, QStringLiteral("1/1/2001")), QString()); // saving still works
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), whole.first());
    qInfo("%d kills, %lld finished copies left behind", kKills, qlonglong(leftBehind.size()));
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
