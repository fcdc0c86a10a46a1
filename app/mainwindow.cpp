#include "mainwindow.h"

#include "about/aboutwindow.h"
#include "app/banner.h"
#include "app/secondticker.h"
#include "assets/name.h"
#include "assets/palette.h"
#include "runtime/windowmanager.h"
#include "safefile/filewatch.h"
#include "tripdate/tripdateentry.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>

namespace {

constexpr QSize kFigureSize{41, 20};
constexpr int kFigureTop = 9;

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
    m_daysLabel = addFigureLabel(QStringLiteral("lblDays"), 216, tr("Days left"));
    m_hoursLabel = addFigureLabel(QStringLiteral("lblHours"), 288, tr("Hours left"));
    m_minutesLabel = addFigureLabel(QStringLiteral("lblMins"), 360, tr("Minutes left"));
    m_secondsLabel = addFigureLabel(QStringLiteral("lblSecs"), 432, tr("Seconds left"));
    buildMenu();

    // Fixed size, and the area under the menu bar at its place on the screen.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    placeExactly(this, kClientTopLeft - m_banner->pos());
    keepOutOfTaskbar(this);

    m_ticker = new SecondTicker(m_services.clock, this);
    connect(m_ticker, &SecondTicker::ticked, this, &MainWindow::showCountdown);
    m_ticker->start();

    loadStoredTripDate();
    connect(new FileWatch(m_services.tripDateFile, this), &FileWatch::changed, this,
            &MainWindow::followTripDateFile);
}

void MainWindow::showInFront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

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
}

QLabel *MainWindow::addFigureLabel(const QString &name, int left, const QString &unit)
{
    auto *label = new QLabel(m_banner);
    label->setObjectName(name);
    label->setGeometry(QRect(QPoint(left, kFigureTop), kFigureSize));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(false);
    label->setFont(m_figureFont);
    label->setAutoFillBackground(true);
    label->setPalette(purpleOnWhite(label->palette()));
    label->setAccessibleDescription(unit);
    return label;
}

DateContext MainWindow::dateContext() const { return {QLocale(), m_services.clock.now().date()}; }

void MainWindow::loadStoredTripDate()
{
    TripDateResult stored = loadTripDate(m_services.tripDateFile, dateContext());
    setTripDate(std::move(stored.tripDate));
    // Told once the window is up, so that the message has the window behind it.
    QMetaObject::invokeMethod(this, [this, problem = stored.problem] { report(problem); },
                              Qt::QueuedConnection);
}

// The one place where the user hears of a trip date that could not be loaded or saved.
void MainWindow::report(const QString &problem)
{
    if (!problem.isEmpty())
        m_services.errorReport.report(problem);
}

// A trip date file that another counter, an editor or a backup changed: the figures count
// towards its date from the next second. A file that is gone, cannot be read or holds no date
// leaves the date as it is, without a word: the next start says what is wrong with it. The
// counter's own save holds the date it has already.
void MainWindow::followTripDateFile()
{
    TripDateResult stored = loadTripDate(m_services.tripDateFile, dateContext());
    if (stored.tripDate && (!m_tripDate || stored.tripDate->text != m_tripDate->text))
        setTripDate(std::move(stored.tripDate));
}

void MainWindow::setTripDate(std::optional<TripDate> tripDate)
{
    m_tripDate = std::move(tripDate);
    m_figures.reset();
    m_banner->setToolTip(m_tripDate ? QString() : noTripDateHint());
}

void MainWindow::showCountdown(const QDateTime &now)
{
    if (!m_tripDate)
        return; // nothing to count down to: the figures stay empty
    const CountdownFigures left = countdownTo(m_tripDate->day, now);
    m_figures = left;
    showFigure(m_daysLabel, left.daysLeft);
    showFigure(m_secondsLabel, left.secondsLeft);
    showFigure(m_hoursLabel, left.hoursLeft);
    showFigure(m_minutesLabel, left.minutesLeft);
}

QString MainWindow::summary() const
{
    if (!m_tripDate)
        return noTripDateHint();
    const QString date = m_tripDate->text.trimmed();
    if (!m_figures)
        return tr("Counting down to the trip on %1.").arg(date);
    if (m_figures->daysLeft < 0)
        return tr("The trip on %1 has begun.").arg(date);
    return tr("%1, %2, %3 and %4 left until the trip on %5.")
        .arg(tr("%n day(s)", nullptr, m_figures->daysLeft),
             tr("%n hour(s)", nullptr, m_figures->hoursLeft),
             tr("%n minute(s)", nullptr, m_figures->minutesLeft),
             tr("%n second(s)", nullptr, m_figures->secondsLeft), date);
}

void MainWindow::showFigure(QLabel *label, int figure)
{
    const QString text = QString::number(figure);
    if (label->text() == text)
        return;
    // A figure too wide for its label, such as a six-digit day count, gets a smaller font
    // rather than being clipped.
    QFont font = m_figureFont;
    const int room = label->contentsRect().width();
    for (int width = QFontMetrics(font).horizontalAdvance(text);
         width > room && font.pointSizeF() > 4; width = QFontMetrics(font).horizontalAdvance(text))
        font.setPointSizeF(font.pointSizeF() * 0.9);
    if (label->font() != font)
        label->setFont(font);
    label->setText(text);
}

void MainWindow::askTripDate()
{
    // The ticker goes on while the prompt is open, counting to the old date until the new
    // one is stored.
    TripDateResult entered = enterTripDate(m_services.prompt, m_services.tripDateFile, dateContext());
    if (entered.tripDate)
        setTripDate(std::move(entered.tripDate));
    report(entered.problem);
}

void MainWindow::showAbout()
{
    if (!m_about)
        m_about = new AboutWindow(this);
    m_about->showInFront(AboutWindow::placeUnder(placeOnScreen(this).frame()));
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // The counter has no taskbar button, but a minimised one needs a way back: where the
    // window manager offers to minimise it anyway, it shows in the taskbar until restored.
    if (event->type() == QEvent::WindowStateChange)
        showInTaskbar(this, isMinimized());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The close box ends the program, as "Close" does, whatever other window is open.
    event->accept();
    QCoreApplication::quit();
}
