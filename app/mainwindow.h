#pragma once

// The main window is a fixed strip at the top-left of the screen: the banner with the four
// figures laid over it, and a menu bar. A SecondTicker drives the update once a second;
// countdown/ does the arithmetic, a TripDateStore owns the trip date file, which the window
// follows as it changes, and the clock and the dialogs come through platform/, so that tests
// can stand in for all three.

#include "countdown/countdown.h"
#include "services/clock.h"
#include "services/errorreport.h"
#include "services/notifier.h"
#include "services/prompt.h"
#include "tripdate/tripdate.h"

#include <QMainWindow>

#include <functional>
#include <optional>

class AboutWindow;
class AccessibleAlert;
class Banner;
class FigureLabel;
class SecondTicker;
class TripDateStore;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // What the window needs of the platform, held by reference: each must outlive the window,
    // as main() makes them before it, and the tests make their stand-ins so too.
    struct Services
    {
        const Clock &clock;
        ErrorReport &errorReport;
        Prompt &prompt;
        Notifier &notifier;
        QString tripDateFile; // "vacation.txt": relative to the current directory
        // Whether the user is to be told of `what` (by the notifier), which they are once a
        // session, however often the counter starts; without it, once a run.
        std::function<bool(const QByteArray &what)> firstTime = nullptr;
    };

    // The four figures' units, from left to right.
    enum class Unit
    {
        Days,
        Hours,
        Minutes,
        Seconds
    };
    // A figure with its unit, in words, as a screen reader says it: "15 hours", "minus 1 day".
    static QString inWords(int count, Unit unit);

    explicit MainWindow(const Services &services, QWidget *parent = nullptr);

    // Shows the window in front of the others, restored if it was minimised and active with the
    // keyboard's focus: another start in the same directory asked for it, launched with
    // `startupId` (empty from a terminal).
    void showInFront(const QByteArray &startupId);

    // The countdown as it stands now, in one sentence with the trip date in full: the window's
    // tooltip, and what a screen reader says of the countdown.
    QString summary() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void report(const TripDateFailure &failure);
    void showCountdown(const QDateTime &now);
    void askTripDate();
    void showAbout();

    DateContext dateContext() const;
    void buildMenu();
    FigureLabel *addFigureLabel(const QString &name, Unit unit, const QString &what);
    void setTripDate(std::optional<TripDate> tripDate);
    void announce(const QString &message, const QString &details);

    Services m_services;
    TripDateStore *m_store = nullptr;
    std::optional<TripDate> m_tripDate;
    QDate m_tripDayNoticed; // the trip day whose arrival the user has been told of, once a run
    Banner *m_banner = nullptr;
    FigureLabel *m_daysLabel = nullptr;
    FigureLabel *m_hoursLabel = nullptr;
    FigureLabel *m_minutesLabel = nullptr;
    FigureLabel *m_secondsLabel = nullptr;
    qreal m_zoom = 1; // the size the strip is shown at, against the size it is drawn at
    QFont m_figureFont;
    SecondTicker *m_ticker = nullptr;
    AboutWindow *m_about = nullptr; // made on the first "About", kept for the rest of the run
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    AccessibleAlert *m_alert = nullptr; // made as the trip day comes, where Qt has no announcements
#endif
};
