#include "app/secondticker.h"
#include "support.h"

#include <QSignalSpy>
#include <QTest>

class TestSecondTicker : public QObject
{
    Q_OBJECT

private slots:
    void firstTickComesASecondAfterStart();
    void eachTickIsArmedForTheNextSecondBoundary_data();
    void eachTickIsArmedForTheNextSecondBoundary();
};

void TestSecondTicker::firstTickComesASecondAfterStart()
{
    TestClock clock(localTime(2005, 12, 12, 10, 0, 0, 250));
    SecondTicker ticker(clock);
    QSignalSpy ticks(&ticker, &SecondTicker::ticked);
    ticker.start();

    auto *timer = ticker.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QVERIFY(timer->isSingleShot());
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QCOMPARE(ticker.interval(), 1000);
    QCOMPARE(ticks.count(), 0);
}

void TestSecondTicker::eachTickIsArmedForTheNextSecondBoundary_data()
{
    QTest::addColumn<QDateTime>("firesAt");
    QTest::addColumn<bool>("ticks");
    QTest::addColumn<int>("nextInterval");

    QTest::newRow("the first tick, mid-second") << localTime(2005, 12, 12, 10, 0, 1, 250) << true << 750;
    QTest::newRow("on a boundary") << localTime(2005, 12, 12, 10, 0, 2, 0) << true << 1000;
    QTest::newRow("just after a boundary") << localTime(2005, 12, 12, 10, 0, 3, 1) << true << 999;
    QTest::newRow("a late wake-up still ticks") << localTime(2005, 12, 12, 10, 0, 4, 900) << true << 100;
    QTest::newRow("an early wake-up waits for the boundary") << localTime(2005, 12, 12, 10, 0, 4, 997) << false << 3;
    QTest::newRow("the clock set back an hour") << localTime(2005, 12, 12, 9, 0, 5, 400) << true << 600;
    QTest::newRow("resumed a day later") << localTime(2005, 12, 13, 9, 30, 0, 20) << true << 980;
}

void TestSecondTicker::eachTickIsArmedForTheNextSecondBoundary()
{
    QFETCH(QDateTime, firesAt);
    QFETCH(bool, ticks);
    QFETCH(int, nextInterval);

    TestClock clock(localTime(2005, 12, 12, 10, 0, 0, 250));
    SecondTicker ticker(clock);
    ticker.start();
    QSignalSpy spy(&ticker, &SecondTicker::ticked);

    clock.set(firesAt);
    fire(ticker.findChild<QTimer *>(QStringLiteral("Timer1")));

    QCOMPARE(spy.count(), ticks ? 1 : 0);
    if (ticks) // the tick hands on the very reading it was armed from
        QCOMPARE(spy.first().first().toDateTime(), firesAt);
    QCOMPARE(ticker.interval(), nextInterval);
}

QTEST_GUILESS_MAIN(TestSecondTicker)
#include "tst_secondticker.moc"
