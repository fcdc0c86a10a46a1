#include "mainwindow.h"

#include "about/aboutwindow.h"
#include "app/accessibility.h"
#include "app/banner.h"
#include "app/filemessages.h"
#include "countdown/secondticker.h"
#include "datereader/datereader.h"
#include "identity/layout.h"
#include "identity/name.h"
#include "identity/palette.h"
#include "platform/windowmanager.h"
#include "tripdate/tripdateentry.h"
#include "tripdate/tripdatestore.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QToolTip>

#include <clocale>

namespace {

QString noTripDateHint()
{
    return MainWindow::tr("No trip date yet: choose Setup Date to set it.");
}

} // namespace

MainWindow::MainWindow(const Services &services, QWidget *parent)
    : QMainWindow(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowCloseButtonHint),
      m_services(services)
{
    // Before the window's parts, whose accessible interfaces are made as they first change.
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(programName());
    // The banner, its figures and the menu keep their places in a language written from right
    // to left too; only the dialogs follow the language's direction.
    setLayoutDirection(Qt::LeftToRight);

    // The strip as it is drawn, or smaller by one factor where the screen at its scale has less
    // room than that (QT_SCALE_FACTOR=2 with QT_FONT_DPI=192 makes a pixel four), so that all
    // of it stays on the screen.
    const int room = screen()->availableGeometry().width() - 2 * Layout::kClientTopLeft.x();
    m_zoom = std::min(1.0, qreal(room) / Layout::kClientSize.width());
    m_figureFont = QFont(QStringLiteral("Arial"));
    m_figureFont.setPointSizeF(Layout::kFigurePointSize * m_zoom);
    m_figureFont.setBold(true);

    m_banner = new Banner(m_zoom, this);
    m_banner->setObjectName(QStringLiteral("Image1"));
    m_banner->setFixedSize((QSizeF(Layout::kClientSize) * m_zoom).toSize());
    m_banner->setSummary([this] { return summary(); });
    setCentralWidget(m_banner);
    m_daysLabel = addFigureLabel(QStringLiteral("lblDays"), Unit::Days, tr("Days left"));
    m_hoursLabel = addFigureLabel(QStringLiteral("lblHours"), Unit::Hours, tr("Hours left"));
    m_minutesLabel = addFigureLabel(QStringLiteral("lblMins"), Unit::Minutes, tr("Minutes left"));
    m_secondsLabel = addFigureLabel(QStringLiteral("lblSecs"), Unit::Seconds, tr("Seconds left"));
    m_banner->setFocus();
    buildMenu();

    // Fixed size, and the area under the menu bar at its place on the screen.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    placeExactly(this, Layout::kClientTopLeft - m_banner->pos());
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
    if (const TripDateResult loaded = m_store->load();
        const auto *failure = std::get_if<TripDateFailure>(&loaded))
        QMetaObject::invokeMethod(
            this, [this, failure = *failure] { report(failure); }, Qt::QueuedConnection);
}

void MainWindow::showInFront(const QByteArray &startupId) { bringToFront(this, startupId); }

void MainWindow::buildMenu()
{
    // Each entry with what it does, which a screen reader tells after its name.
    const auto addEntry = [this](const QString &name, const QString &caption,
                                 const QString &purpose, auto *receiver, auto handler) {
        QAction *action = menuBar()->addAction(caption);
        action->setObjectName(name);
        action->setStatusTip(purpose);
        connect(action, &QAction::triggered, receiver, handler);
    };
    addEntry(QStringLiteral("Exit"), tr("Close"), tr("ends the counter"), qApp,
             &QCoreApplication::quit);
    addEntry(QStringLiteral("SetupDate"), tr("Setup Date"), tr("asks for the trip date"), this,
             &MainWindow::askTripDate);
    addEntry(QStringLiteral("web"), tr("About"), tr("shows who made the counter"), this,
             &MainWindow::showAbout);
    // F10 goes to the menu, as Alt does and as it does in the desktops' own programs; once the
    // menu has done its work, or was left with Escape, the keyboard goes back to the countdown,
    // where a screen reader finds it (Qt's menu bar would keep it, the window having nothing else
    // to take it).
    connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this, [this] {
        menuBar()->setFocus(Qt::MenuBarFocusReason);
        menuBar()->setActiveAction(menuBar()->actions().constFirst());
    });
    // The menu bar tells this before the entry acts. Left with its entry active, it would tell a
    // screen reader that entry has the focus once the entry's dialog is done, after the countdown
    // has it again, where the window manager gives the window back the keyboard first (xfwm4,
    // metacity): the screen reader would stay on the menu while the keys go to the countdown.
    connect(menuBar(), &QMenuBar::triggered, this, [this] {
        menuBar()->setActiveAction(nullptr);
        m_banner->setFocus();
    });
    menuBar()->installEventFilter(this);
}

FigureLabel *MainWindow::addFigureLabel(const QString &name, Unit unit, const QString &what)
{
    auto *label = new FigureLabel(
        m_figureFont, [unit](int figure) { return inWords(figure, unit); }, m_banner);
    label->setObjectName(name);
    label->setGeometry(Layout::scaled(Layout::figure(int(unit)), m_zoom));
    label->setPalette(purpleOnWhite(label->palette()));
    label->setAccessibleDescription(what);
    // A name of its own, which the figure in words stands for when a screen reader asks
    // (app/accessibility.h): a label named by its text would tell one of each new text, every
    // second, and wake it and the counter for nothing.
    label->setAccessibleName(what);
    return label;
}

QString MainWindow::inWords(int count, Unit unit)
{
    // Qt fills in %n for a count of zero or more only: a figure below zero, as the days show
    // from the day of the trip on, is its size after the language's word for minus, as the
    // label shows it ("-1").
    if (count < 0)
        //: A figure below zero, as the days show on and after the day of the trip: "minus 1 day".
        return tr("minus %1").arg(inWords(-count, unit));
    // Two is a word of its own in some languages (Hebrew's יומיים, "two days"), which Qt's
    // plural rules for them have no form for: a translation gives the words for two of each
    // unit, which the others say as they say any other count.
    switch (unit) {
    case Unit::Days:
        //: The words for two days, where the language has a word of its own for that, as Hebrew
        //: has יומיים; else as the language says any other number of days. Likewise for the
        //: other units.
        return count == 2 ? tr("2 days", "two") : tr("%n day(s)", nullptr, count);
    case Unit::Hours:
        return count == 2 ? tr("2 hours", "two") : tr("%n hour(s)", nullptr, count);
    case Unit::Minutes:
        return count == 2 ? tr("2 minutes", "two") : tr("%n minute(s)", nullptr, count);
    case Unit::Seconds:
        return count == 2 ? tr("2 seconds", "two") : tr("%n second(s)", nullptr, count);
    }
    return {};
}

// The user's locale as Qt has it, and as the C library has it for the dates the desktop writes.
DateContext MainWindow::dateContext() const
{
    return {QLocale(), m_services.clock.now().date(), setlocale(LC_TIME, nullptr)};
}

// The one place where the user hears of a trip date that could not be loaded or saved. The
// keyboard comes back to the window afterwards, which some window managers (openbox) leave to
// the program.
void MainWindow::report(const TripDateFailure &failure)
{
    m_services.errorReport.report(FileMessages::describe(m_store->path(), failure));
    bringToFront(this, {});
}

void MainWindow::setTripDate(std::optional<TripDate> tripDate) { m_tripDate = std::move(tripDate); }

void MainWindow::showCountdown(const QDateTime &now)
{
    if (!m_tripDate)
        return; // nothing to count down to: the figures stay empty
    const CountdownFigures left = countdownTo(m_tripDate->day, now);
    m_daysLabel->showFigure(left.daysLeft);
    m_secondsLabel->showFigure(left.secondsLeft);
    m_hoursLabel->showFigure(left.hoursLeft);
    m_minutesLabel->showFigure(left.minutesLeft);
    // The day the counter counted towards has come: the user hears of it once, as it comes or
    // when the counter first starts on it.
    if (now.date() == m_tripDate->day && m_tripDayNoticed != m_tripDate->day) {
        m_tripDayNoticed = m_tripDate->day;
        const QByteArray told = "told-" + m_tripDate->day.toString(Qt::ISODate).toLatin1();
        if (m_services.firstTime && !m_services.firstTime(told))
            return;
        const QString today = tr("Your trip starts today.");
        const QString date = writtenInFull(m_tripDate->day, QLocale());
        m_services.notifier.notify(today, date);
        announce(today, date);
    }
}

QString MainWindow::summary() const
{
    if (!m_tripDate)
        return noTripDateHint();
    const CountdownFigures left = countdownTo(m_tripDate->day, m_services.clock.now());
    const QString date = writtenInFull(m_tripDate->day, QLocale());
    const QString days = inWords(left.daysLeft, Unit::Days),
                  hours = inWords(left.hoursLeft, Unit::Hours),
                  minutes = inWords(left.minutesLeft, Unit::Minutes),
                  seconds = inWords(left.secondsLeft, Unit::Seconds);
    if (left.daysLeft < 0)
        return tr("%1, %2, %3 and %4: the trip on %5 has begun.")
            .arg(days, hours, minutes, seconds, date);
    return tr("%1, %2, %3 and %4 until the trip on %5.").arg(days, hours, minutes, seconds, date);
}

// Said by a screen reader whatever has the keyboard, as the window's announcement (Qt 6.8 on) or
// its alert; nothing of the kind is said every second.
void MainWindow::announce(const QString &message, const QString &details)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(this, message + u' ' + details);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    if (!m_alert)
        m_alert = new AccessibleAlert(this);
    m_alert->tell(message, details);
#endif
}

void MainWindow::askTripDate()
{
    // The ticker goes on while the prompt is open, counting to the old date until the new
    // one is stored.
    const std::optional<TripDate> entered = askForTripDate(m_services.prompt, dateContext());
    bringToFront(this, {}); // the keyboard back, after the prompt
    if (!entered)
        return; // cancelled
    // Once saved, the countdown the keyboard's focus is back on tells the new date.
    if (const TripDateResult saved = m_store->save(*entered);
        const auto *failure = std::get_if<TripDateFailure>(&saved))
        report(*failure);
}

void MainWindow::showAbout()
{
    if (!m_about)
        m_about = new AboutWindow(this);
    m_about->showInFront(AboutWindow::placeUnder(placeOnScreen(this).frame()));
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == menuBar() && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        // After the menu bar has let go of its entry.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (menuBar()->hasFocus() && !menuBar()->activeAction())
                    m_banner->setFocus();
            },
            Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::event(QEvent *event)
{
    // The tooltip is made when asked, as the countdown stands at that moment, with the file it
    // counts from (where counters of several directories run), which a screen reader is not
    // told each time the focus comes back.
    if (event->type() == QEvent::ToolTip) {
        const QString path =
            QDir::toNativeSeparators(QFileInfo(m_services.tripDateFile).absoluteFilePath());
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                           summary() + u'\n' + tr("Trip date file: %1").arg(path), this);
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
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
        setGeometry(QRect(Layout::kClientTopLeft - m_banner->pos(), minimumSize()));
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The close box ends the program, as "Close" does, whatever other window is open.
    event->accept();
    QCoreApplication::quit();
}
