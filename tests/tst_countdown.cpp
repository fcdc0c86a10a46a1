#include "countdown/countdown.h"
#include "countdown/secondticker.h"
#include "support.h"

#include <QSignalSpy>
#include <QTest>

// The four figures, and when they are worked out: just after each second of the clock.
class TestCountdown : public QObject
{
    Q_OBJECT

private slots:
    void countsToMidnightAtStartOfTripDay_data()
    {
        QTest::addColumn<QDate>("trip");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QList<int>>("figures"); // days, hours, minutes, seconds

        const QDate day(2005, 12, 12), tomorrow = day.addDays(1);
        const auto at = [](int h, int mi, int s, int ms = 0) {
            return localTime(2005, 12, 12, h, mi, s, ms);
        };
        // clang-format off
        QTest::newRow("tomorrow, 22:15:30") << tomorrow << at(22, 15, 30) << QList{0, 1, 44, 30};
        QTest::newRow("tomorrow, 23:59:00: seconds show 60") << tomorrow << at(23, 59, 0) << QList{0, 0, 0, 60};
        QTest::newRow("today, 08:00:00: days -1") << day << at(8, 0, 0) << QList{-1, 15, 59, 60};
        QTest::newRow("last millisecond of the day") << tomorrow << at(23, 59, 59, 999) << QList{0, 0, 0, 1};
        QTest::newRow("across a year's end and a leap day") << QDate(2008, 3, 1) << localTime(2007, 12, 31, 12, 0, 0) << QList{60, 11, 59, 60};
        QTest::newRow("the latest date there is") << QDate(9999, 12, 31) << at(12, 0, 0) << QList{2919766, 11, 59, 60};
        // clang-format on
    }

    void countsToMidnightAtStartOfTripDay()
    {
        QFETCH(QDate, trip);
        QFETCH(QDateTime, now);
        QFETCH(QList<int>, figures);

        const CountdownFigures left = countdownTo(trip, now);
        QCOMPARE((QList<int>{left.daysLeft, left.hoursLeft, left.minutesLeft, left.secondsLeft}),
                 figures);
    }

    void eachTickIsArmedForTheNextSecondBoundary_data()
    {
        QTest::addColumn<QDateTime>("firesAt");
        QTest::addColumn<bool>("ticks");
        QTest::addColumn<int>("nextInterval");
        // clang-format off
        QTest::newRow("the first tick, mid-second") << localTime(2005, 12, 12, 10, 0, 1, 250) << true << 750;
        QTest::newRow("on a boundary") << localTime(2005, 12, 12, 10, 0, 2, 0) << true << 1000;
        QTest::newRow("a late wake-up still ticks") << localTime(2005, 12, 12, 10, 0, 4, 900) << true << 100;
        QTest::newRow("an early wake-up waits for the boundary") << localTime(2005, 12, 12, 10, 0, 4, 997) << false << 3;
        // clang-format on
    }

    void eachTickIsArmedForTheNextSecondBoundary()
    {
        QFETCH(QDateTime, firesAt);
        QFETCH(bool, ticks);
        QFETCH(int, nextInterval);

        TestClock clock(localTime(2005, 12, 12, 10, 0, 0, 250));
        SecondTicker ticker(clock);
        ticker.start();
        auto *timer = ticker.findChild<QTimer *>(QStringLiteral("Timer1"));
        QSignalSpy spy(&ticker, &SecondTicker::ticked);
        clock.time = firesAt;
        fire(timer);

        QCOMPARE(spy.count(), ticks ? 1 : 0);
        QCOMPARE(timer->interval(), nextInterval);
    }
};

QTEST_GUILESS_MAIN(TestCountdown)
#include "tst_countdown.moc"
