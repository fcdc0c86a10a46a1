#include "mainwindow.h"

#include "about/aboutwindow.h"
#include "app/banner.h"
#include "app/filemessages.h"
#include "app/name.h"
#include "app/palette.h"
#include "countdown/secondticker.h"
#include "datereader/cldrforms.h"
#include "platform/windowmanager.h"
#include "tripdate/tripdateentry.h"
#include "tripdate/tripdatestore.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLayout>
#include <QMenuBar>
#include <QShortcut>
#include <QToolTip>

namespace {

constexpr QSize kFigureSize{41, 20};
constexpr int kFigureTop = 9;

QString noTripDateHint()
{
    return MainWindow::tr("No trip date yet: choose Setup Date to set it.");
}

// A count with its unit, in words. Two is its own word in some languages (Hebrew's יומיים,
// "two days"), which Qt's plural rules for them have no form for: a translation gives the words
// for two of each unit, which the others say as they say any other count.
//: The words for two days, where the language has a word of its own for that, as Hebrew has
//: יומיים; else as the language says any other number of days. Likewise for the other units.
QString days(int n)
{
    return n == 2 ? MainWindow::tr("2 days", "two") : MainWindow::tr("%n day(s)", nullptr, n);
}
QString hours(int n)
{
    return n == 2 ? MainWindow::tr("2 hours", "two") : MainWindow::tr("%n hour(s)", nullptr, n);
}
QString minutes(int n)
{
    return n == 2 ? MainWindow::tr("2 minutes", "two") : MainWindow::tr("%n minute(s)", nullptr, n);
}
QString seconds(int n)
{
    return n == 2 ? MainWindow::tr("2 seconds", "two") : MainWindow::tr("%n second(s)", nullptr, n);
}

// The window as a screen reader meets it: its title, and the countdown in one sentence as its
// description, which a screen reader says as the window becomes active.
class AccessibleMainWindow final : public QAccessibleWidget
{
public:
    explicit AccessibleMainWindow(MainWindow *window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Description)
            return static_cast<const MainWindow *>(widget())->summary();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *accessibleMainWindow(const QString &className, QObject *object)
{
    if (className == QLatin1String("MainWindow") && object && object->isWidgetType())
        return new AccessibleMainWindow(static_cast<MainWindow *>(object));
    return nullptr;
}

} // namespace

MainWindow::MainWindow(const Services &services, QWidget *parent)
    : QMainWindow(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowCloseButtonHint),
      m_services(services)
{
    // Before the title, whose change Qt tells a screen reader of, making the window's
    // accessible interface for good.
    static const bool accessibleFactoryInstalled = [] {
        QAccessible::installFactory(accessibleMainWindow);
        return true;
    }();
    Q_UNUSED(accessibleFactoryInstalled);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(programName());
    // The banner, its figures and the menu keep their places in a language written from right
    // to left too; only the dialogs follow the language's direction.
    setLayoutDirection(Qt::LeftToRight);

    m_figureFont = QFont(QStringLiteral("Arial"));
    m_figureFont.setPointSizeF(11.25);
    m_figureFont.setBold(true);

    m_banner = new Banner(this);
    m_banner->setObjectName(QStringLiteral("Image1"));
    m_banner->setFixedSize(kClientSize);
    m_banner->setSummary([this] { return summary(); });
    setCentralWidget(m_banner);
    m_daysLabel = addFigureLabel(QStringLiteral("lblDays"), 216, tr("Days left"), days);
    m_hoursLabel = addFigureLabel(QStringLiteral("lblHours"), 288, tr("Hours left"), hours);
    m_minutesLabel = addFigureLabel(QStringLiteral("lblMins"), 360, tr("Minutes left"), minutes);
    m_secondsLabel = addFigureLabel(QStringLiteral("lblSecs"), 432, tr("Seconds left"), seconds);
    buildMenu();

    // Fixed size, and the area under the menu bar at its place on the screen.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    placeExactly(this, kClientTopLeft - m_banner->pos());
    keepOutOfTaskbar(this);

    m_ticker = new SecondTicker(m_services.clock, this);
    connect(m_ticker, &SecondTicker::ticked, this, &MainWindow::showCountdown);
    m_ticker->start();

    // Closed through the window manager while the prompt is open, the counter ends as well: the
    // unanswered prompt is like Cancel.
    watchCloseRequests(this, [] {
        while (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
        QCoreApplication::quit();
    });

    // A trip date file that another counter, an editor or a backup changed: the figures count
    // towards its date from the next second.
    const auto context = [this] { return dateContext(); };
    m_store = new TripDateStore(m_services.tripDateFile, context, this);
    connect(m_store, &TripDateStore::changed, this,
            [this](const TripDate &tripDate) { setTripDate(tripDate); });
    // Told once the window is up, so that a message at the start has the window behind it.
    connect(m_store, &TripDateStore::failed, this, &MainWindow::report, Qt::QueuedConnection);
    m_store->load();
}

void MainWindow::showInFront(const QByteArray &startupId) { bringToFront(this, startupId); }

void MainWindow::buildMenu()
{
    const auto addEntry = [this](const QString &name, const QString &caption, auto *receiver,
                                 auto handler) {
        QAction *action = menuBar()->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, receiver, handler);
    };
    addEntry(QStringLiteral("Exit"), tr("Close"), qApp, &QCoreApplication::quit);
    addEntry(QStringLiteral("SetupDate"), tr("Setup Date"), this, &MainWindow::askTripDate);
    addEntry(QStringLiteral("web"), tr("About"), this, &MainWindow::showAbout);
    // F10 goes to the menu, as Alt does and as it does in the desktops' own programs.
    connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this, [this] {
        menuBar()->setFocus(Qt::MenuBarFocusReason);
        menuBar()->setActiveAction(menuBar()->actions().constFirst());
    });
}

FigureLabel *MainWindow::addFigureLabel(const QString &name, int left, const QString &unit,
                                        QString (*inWords)(int))
{
    auto *label = new FigureLabel(m_figureFont, inWords, m_banner);
    label->setObjectName(name);
    label->setGeometry(QRect(QPoint(left, kFigureTop), kFigureSize));
    label->setPalette(purpleOnWhite(label->palette()));
    label->setAccessibleDescription(unit);
    return label;
}

DateContext MainWindow::dateContext() const { return {QLocale(), m_services.clock.now().date()}; }

// The one place where the user hears of a trip date that could not be loaded or saved. The
// keyboard comes back to the window afterwards, which some window managers (openbox) leave to
// the program.
void MainWindow::report(const TripDateFailure &failure)
{
    m_services.errorReport.report(FileMessages::describe(m_store->path(), failure));
    activateWindow();
}

void MainWindow::setTripDate(std::optional<TripDate> tripDate)
{
    m_tripDate = std::move(tripDate);
    m_figures.reset();
}

void MainWindow::showCountdown(const QDateTime &now)
{
    if (!m_tripDate)
        return; // nothing to count down to: the figures stay empty
    const CountdownFigures left = countdownTo(m_tripDate->day, now);
    m_figures = left;
    m_daysLabel->showFigure(left.daysLeft);
    m_secondsLabel->showFigure(left.secondsLeft);
    m_hoursLabel->showFigure(left.hoursLeft);
    m_minutesLabel->showFigure(left.minutesLeft);
    // The day the counter counted towards has come: the user hears of it once in this run, as
    // it comes or when the counter starts on it.
    if (now.date() == m_tripDate->day && m_tripDayNoticed != m_tripDate->day) {
        m_tripDayNoticed = m_tripDate->day;
        const QString today = tr("Your trip starts today.");
        m_services.notifier.notify(today, writtenInFull(m_tripDate->day, QLocale()));
        announce(today);
    }
}

QString MainWindow::summary() const
{
    if (!m_tripDate)
        return noTripDateHint();
    const QString date = writtenInFull(m_tripDate->day, QLocale());
    if (!m_figures)
        return tr("Counting down to the trip on %1.").arg(date);
    if (m_figures->daysLeft < 0)
        return tr("The trip on %1 has begun.").arg(date);
    return tr("%1, %2, %3 and %4 until the trip on %5.")
        .arg(days(m_figures->daysLeft), hours(m_figures->hoursLeft),
             minutes(m_figures->minutesLeft), seconds(m_figures->secondsLeft), date);
}

// Said by a screen reader when it is free, where the platform has a way to (Qt 6.8 on); nothing
// of the kind is said every second.
void MainWindow::announce(const QString &message)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(this, message);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    Q_UNUSED(message);
#endif
}

void MainWindow::askTripDate()
{
    // The ticker goes on while the prompt is open, counting to the old date until the new
    // one is stored.
    const std::optional<TripDate> entered = askForTripDate(m_services.prompt, dateContext());
    activateWindow();                         // the keyboard back, after the prompt
    if (entered && m_store->save(*entered)) { // else cancelled, or the store told why not
        m_figures = countdownTo(m_tripDate->day, m_services.clock.now());
        announce(summary());
    }
}

void MainWindow::showAbout()
{
    if (!m_about)
        m_about = new AboutWindow(this);
    m_about->showInFront(AboutWindow::placeUnder(placeOnScreen(this).frame()));
}

bool MainWindow::event(QEvent *event)
{
    // The tooltip is made when asked, as the countdown stands at that moment.
    if (event->type() == QEvent::ToolTip) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), summary(), this);
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // The countdown as it stands when the window becomes active, which a screen reader says
    // then: one that keeps what it was told of the window (as Qt 6.8's bridge lets it) hears
    // that it changed. A tick tells nothing, so as not to talk every second.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    // The counter has no taskbar button, but a minimised one needs a way back: where the
    // window manager offers to minimise it anyway, it shows in the taskbar until restored.
    if (event->type() != QEvent::WindowStateChange)
        return;
    showInTaskbar(this, isMinimized());
    // A fixed strip: some window managers (fluxbox) maximise it all the same.
    if (windowState() & Qt::WindowMaximized) {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        // Back at its place and size, which fluxbox would otherwise leave where it maximised
        // the window, and taller.
        setGeometry(QRect(kClientTopLeft - m_banner->pos(), minimumSize()));
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The close box ends the program, as "Close" does, whatever other window is open.
    event->accept();
    QCoreApplication::quit();
}
