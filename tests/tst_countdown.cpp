#include "countdown/countdown.h"

#include <QTest>

class TestCountdown : public QObject
{
    Q_OBJECT

private slots:
    void countsToMidnightAtStartOfTripDay_data();
    void countsToMidnightAtStartOfTripDay();
};

namespace {

QDateTime at(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
}

} // namespace

void TestCountdown::countsToMidnightAtStartOfTripDay_data()
{
    QTest::addColumn<QDate>("trip");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("mins");
    QTest::addColumn<int>("secs");

    const QDate day(2005, 12, 12);
    QTest::newRow("tomorrow, 22:15:30") << day.addDays(1) << at(2005, 12, 12, 22, 15, 30) << 0 << 1 << 44 << 30;
    QTest::newRow("tomorrow, 23:59:00: seconds show 60") << day.addDays(1) << at(2005, 12, 12, 23, 59, 0) << 0 << 0 << 0 << 60;
    QTest::newRow("today, 08:00:00: days -1") << day << at(2005, 12, 12, 8, 0, 0) << -1 << 15 << 59 << 60;
    QTest::newRow("10 days ahead, 00:00:59: seconds show 1") << day.addDays(10) << at(2005, 12, 12, 0, 0, 59) << 9 << 23 << 59 << 1;
    QTest::newRow("past: days negative, the day still counts down") << QDate(2005, 12, 1) << at(2005, 12, 12, 10, 0, 0) << -12 << 13 << 59 << 60;
    QTest::newRow("midnight itself") << day.addDays(1) << at(2005, 12, 12, 0, 0, 0) << 0 << 23 << 59 << 60;
    QTest::newRow("last millisecond of the day") << day.addDays(1) << at(2005, 12, 12, 23, 59, 59, 999) << 0 << 0 << 0 << 1;
    QTest::newRow("last millisecond of a minute") << day.addDays(1) << at(2005, 12, 12, 10, 0, 59, 999) << 0 << 13 << 59 << 1;
    QTest::newRow("first millisecond of a minute") << day.addDays(1) << at(2005, 12, 12, 10, 1, 0, 0) << 0 << 13 << 58 << 60;
    QTest::newRow("last millisecond of an hour") << day.addDays(1) << at(2005, 12, 12, 10, 59, 59, 999) << 0 << 13 << 0 << 1;
    QTest::newRow("first millisecond of an hour") << day.addDays(1) << at(2005, 12, 12, 11, 0, 0, 0) << 0 << 12 << 59 << 60;
    QTest::newRow("across a year's end") << QDate(2006, 1, 1) << at(2005, 12, 31, 12, 0, 0) << 0 << 11 << 59 << 60;
    QTest::newRow("across a leap day") << QDate(2008, 3, 1) << at(2008, 2, 28, 0, 0, 0) << 1 << 23 << 59 << 60;
    QTest::newRow("the latest date there is") << QDate(9999, 12, 31) << at(2005, 12, 12, 12, 0, 0) << 2919766 << 11 << 59 << 60;
}

void TestCountdown::countsToMidnightAtStartOfTripDay()
{
    QFETCH(QDate, trip);
    QFETCH(QDateTime, now);
    QFETCH(int, days);
    QFETCH(int, hours);
    QFETCH(int, mins);
    QFETCH(int, secs);

    const CountdownFigures left = countdownTo(trip, now);
    const CountdownFigures expected{days, hours, mins, static_cast<qint16>(secs)};
    QCOMPARE(left, expected);

    // Together the figures are the whole seconds left, as every day had 86400 of them.
    const QDateTime nowInSeconds = now.addMSecs(-now.time().msec());
    const qint64 secondsLeft = nowInSeconds.secsTo(QDateTime(trip, QTime(0, 0), Qt::UTC));
    const qint64 shown = qint64(left.DaysLeft) * 86400 + left.HoursLeft * 3600
                         + left.MinsLeft * 60 + left.SecsLeft;
    QCOMPARE(shown, secondsLeft);
}

QTEST_APPLESS_MAIN(TestCountdown)
#include "tst_countdown.moc"
