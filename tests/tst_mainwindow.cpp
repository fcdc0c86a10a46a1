#include "app/mainwindow.h"
#include "runtime/dialogs.h"
#include "support.h"
#include "tripdate/tripdateentry.h"
#include "tripdate/tripdatefile.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void window_isAFixedToolStripAtTheTopLeft();
    void menu_hasThreeDirectEntriesInOrder();
    void banner_drawnAtTheScreensPixelRatio();
    void figureLabels_placedAndStyled_data();
    void figureLabels_placedAndStyled();
    void tick_showsTheFourFiguresOfOneClockReading();
    void wideFigure_shrinksItsFontToFit();
    void start_withoutTripDate_ticksWithEmptyFiguresAndAHint_data();
    void start_withoutTripDate_ticksWithEmptyFiguresAndAHint();
    void start_withUnusableFile_reportsOnceAndTicksEmpty_data();
    void start_withUnusableFile_reportsOnceAndTicksEmpty();
    void setupDate_realPrompt_storesTheAnswerWhileTheCountGoesOn();
    void accessibility_figuresCarryUnitsAndTheBannerTellsTheWhole();
    void close_endsTheProgram_data();
    void close_endsTheProgram();

private:
    std::unique_ptr<MainWindow> makeWindow(Prompt *prompt = nullptr);
    void writeTripDateFile(const QByteArray &bytes);
    QLabel *label(const char *name) const;
    QStringList figures() const;
    void tick();

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    TestClock m_clock{localTime(2005, 12, 12, 22, 15, 30)};
    RecordingErrorReport m_errors;
    ScriptedPrompt m_prompt;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindow::init()
{
    m_window.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(tripDateFileName());
    m_errors.messages.clear();
    m_clock.set(localTime(2005, 12, 12, 22, 15, 30));
}

std::unique_ptr<MainWindow> TestMainWindow::makeWindow(Prompt *prompt)
{
    auto window = std::make_unique<MainWindow>(
        MainWindow::Services{m_clock, m_errors, prompt ? *prompt : m_prompt, m_path});
    window->show();
    QCoreApplication::processEvents(); // lets a start-up report through
    return window;
}

void TestMainWindow::writeTripDateFile(const QByteArray &bytes)
{
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QLabel *TestMainWindow::label(const char *name) const
{
    return m_window->findChild<QLabel *>(QString::fromLatin1(name));
}

QStringList TestMainWindow::figures() const
{
    return {label("lblDays")->text(), label("lblHours")->text(), label("lblMins")->text(),
            label("lblSecs")->text()};
}

void TestMainWindow::tick()
{
    fire(m_window->findChild<QTimer *>(QStringLiteral("Timer1")));
}

void TestMainWindow::window_isAFixedToolStripAtTheTopLeft()
{
    m_window = makeWindow();
    QCOMPARE(m_window->objectName(), QStringLiteral("Form1"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Velmor Trip Counter"));
    const Qt::WindowFlags flags = m_window->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());

    const QWidget *client = m_window->centralWidget();
    QCOMPARE(client->objectName(), QStringLiteral("Image1"));
    QCOMPARE(client->size(), QSize(542, 61));
    QCOMPARE(client->mapToGlobal(QPoint(0, 0)), QPoint(3, 41));
    QCOMPARE(m_window->menuBar()->geometry().bottom() + 1, client->y());
}

void TestMainWindow::menu_hasThreeDirectEntriesInOrder()
{
    m_window = makeWindow();
    const QList<QAction *> entries = m_window->menuBar()->actions();
    QStringList captions, names;
    for (const QAction *entry : entries) {
        captions << entry->text();
        names << entry->objectName();
        QVERIFY(!entry->menu());
        QVERIFY(entry->shortcut().isEmpty());
        QVERIFY(!entry->text().contains(u'&')); // no access key
    }
    QCOMPARE(captions, QStringList({"Close", "Setup Date", "About"}));
    QCOMPARE(names, QStringList({"Exit", "SetupDate", "web"}));
}

void TestMainWindow::banner_drawnAtTheScreensPixelRatio()
{
    m_window = makeWindow();
    QWidget *banner = m_window->centralWidget();
    const qreal ratio = banner->devicePixelRatioF();
    QCOMPARE(ratio, m_window->screen()->devicePixelRatio());
    const QImage shown = banner->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), (QSizeF(542, 61) * ratio).toSize()); // cropped on the right

    // Drawn from the SVG at the screen's own resolution, not scaled up from 1x.
    QImage expected((QSizeF(600, 61) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    QPainter painter(&expected);
    QSvgRenderer(QStringLiteral(":/banner.svg")).render(&painter);
    painter.end();
    expected = expected.convertToFormat(QImage::Format_RGB32);
    expected.setDevicePixelRatio(ratio);
    const QRect titleArea(QPoint(0, 0), (QSizeF(200, 61) * ratio).toSize()); // no figure over it
    QCOMPARE(shown.copy(titleArea), expected.copy(titleArea));
}

void TestMainWindow::figureLabels_placedAndStyled_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("slotLeft");
    QTest::addColumn<QString>("unit");
    QTest::newRow("days") << "lblDays" << 216 << 208 << "Days left";
    QTest::newRow("hours") << "lblHours" << 288 << 280 << "Hours left";
    QTest::newRow("minutes") << "lblMins" << 360 << 352 << "Minutes left";
    QTest::newRow("seconds") << "lblSecs" << 432 << 422 << "Seconds left";
}

void TestMainWindow::figureLabels_placedAndStyled()
{
    QFETCH(QString, name);
    QFETCH(int, left);
    QFETCH(int, slotLeft);
    QFETCH(QString, unit);

    m_window = makeWindow();
    const QLabel *figure = label(qPrintable(name));
    QVERIFY(figure);
    QCOMPARE(figure->geometry(), QRect(left, 9, 41, 20));
    QVERIFY(QRect(slotLeft, 6, 60, 29).contains(figure->geometry())); // inside its slot
    QCOMPARE(figure->text(), QString()); // empty until the first tick
    QCOMPARE(figure->alignment(), Qt::AlignCenter);
    QVERIFY(!figure->wordWrap());
    QVERIFY(figure->autoFillBackground());
    QCOMPARE(figure->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(figure->palette().color(QPalette::WindowText), QColor(128, 0, 128));
    QCOMPARE(figure->font().family(), QStringLiteral("Arial"));
    QCOMPARE(figure->font().pointSizeF(), 11.25);
    QCOMPARE(figure->font().weight(), QFont::Bold);
    QCOMPARE(figure->accessibleDescription(), unit);
}

void TestMainWindow::tick_showsTheFourFiguresOfOneClockReading()
{
    writeTripDateFile("\"12/13/2005\"\r\n");
    m_window = makeWindow();
    QCOMPARE(figures(), QStringList({"", "", "", ""}));

    tick();
    QCOMPARE(figures(), QStringList({"0", "1", "44", "30"}));

    m_clock.set(localTime(2005, 12, 12, 22, 59, 59, 500)); // the hour about to turn
    tick();
    QCOMPARE(figures(), QStringList({"0", "1", "0", "1"}));

    m_clock.set(localTime(2005, 12, 14, 8, 0, 0)); // the trip day is past
    tick();
    QCOMPARE(figures(), QStringList({"-2", "15", "59", "60"}));
    QVERIFY(m_errors.messages.isEmpty());
    QCOMPARE(m_window->centralWidget()->toolTip(), QString());
}

void TestMainWindow::wideFigure_shrinksItsFontToFit()
{
    writeTripDateFile("\"12/31/9999\"\r\n");
    m_window = makeWindow();
    tick();
    const QLabel *days = label("lblDays");
    QCOMPARE(days->text(), QStringLiteral("2919766"));
    QVERIFY(days->font().pointSizeF() < 11.25);
    QVERIFY(QFontMetrics(days->font()).horizontalAdvance(days->text()) <= days->contentsRect().width());
    QCOMPARE(label("lblSecs")->font().pointSizeF(), 11.25); // the others keep their size
}

void TestMainWindow::start_withoutTripDate_ticksWithEmptyFiguresAndAHint_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::newRow("no vacation.txt") << false;
    QTest::newRow("an empty vacation.txt") << true;
}

void TestMainWindow::start_withoutTripDate_ticksWithEmptyFiguresAndAHint()
{
    QFETCH(bool, fileExists);
    if (fileExists)
        writeTripDateFile("");

    m_window = makeWindow();
    QVERIFY(m_window->isVisible());
    tick();
    tick();
    QCOMPARE(figures(), QStringList({"", "", "", ""}));
    QVERIFY(m_window->centralWidget()->toolTip().contains(QStringLiteral("Setup Date")));
    QVERIFY(m_errors.messages.isEmpty());
    QCOMPARE(QFile::exists(m_path), fileExists); // nothing is created
    QVERIFY(!m_window->tripDate());
}

void TestMainWindow::start_withUnusableFile_reportsOnceAndTicksEmpty_data()
{
    QTest::addColumn<bool>("directory");
    QTest::addColumn<QString>("says");
    QTest::newRow("a directory named vacation.txt") << true << "cannot be read: Is a directory";
    QTest::newRow("a text that is not a date") << false << "holds \"next summer\", which is not a date";
}

void TestMainWindow::start_withUnusableFile_reportsOnceAndTicksEmpty()
{
    QFETCH(bool, directory);
    QFETCH(QString, says);
    const QByteArray bytes("\"next summer\"\r\n");
    if (directory)
        QVERIFY(QDir().mkpath(m_path));
    else
        writeTripDateFile(bytes);

    m_window = makeWindow();
    QCOMPARE(m_errors.messages.size(), 1);
    QVERIFY(m_errors.messages.first().contains(QStringLiteral("\"vacation.txt\"")));
    QVERIFY2(m_errors.messages.first().contains(says), qPrintable(m_errors.messages.first()));

    tick();
    QCOMPARE(figures(), QStringList({"", "", "", ""}));
    QCOMPARE(m_errors.messages.size(), 1);
    QVERIFY(m_window->centralWidget()->toolTip().contains(QStringLiteral("Setup Date")));
    if (!directory) {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }
}

void TestMainWindow::setupDate_realPrompt_storesTheAnswerWhileTheCountGoesOn()
{
    writeTripDateFile("\"12/13/2005\"\r\n");
    DialogPrompt dialogPrompt;
    m_window = makeWindow(&dialogPrompt);
    dialogPrompt.setParent(m_window.get());
    tick();
    QCOMPARE(figures(), QStringList({"0", "1", "44", "30"}));

    QString title, message, startText, secondsMeanwhile;
    QTimer::singleShot(0, m_window.get(), [&] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        title = dialog->windowTitle();
        message = dialog->labelText();
        startText = dialog->textValue();
        m_clock.advance(1000); // the count goes on, towards the old date
        tick();
        secondsMeanwhile = label("lblSecs")->text();
        auto *edit = dialog->findChild<QLineEdit *>();
        QTest::keyClicks(edit, "12/24/2005");
        QTest::keyClick(edit, Qt::Key_Return);
    });
    QTimer::singleShot(5000, [] { // only if the dialog never came
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    m_window->findChild<QAction *>(QStringLiteral("SetupDate"))->trigger();

    QCOMPARE(title, QStringLiteral("Zorvia Date"));
    QCOMPARE(message, TripDatePrompt::firstMessage());
    QCOMPARE(startText, QString());
    QCOMPARE(secondsMeanwhile, QStringLiteral("29"));
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"12/24/2005\"\r\n"));
    m_clock.advance(1000);
    tick();
    QCOMPARE(figures(), QStringList({"11", "1", "44", "28"}));
    QVERIFY(m_errors.messages.isEmpty());
}

namespace {
QList<QAccessible::Event> accessibilityEvents;
void recordAccessibilityEvent(QAccessibleEvent *event) { accessibilityEvents.append(event->type()); }
} // namespace

void TestMainWindow::accessibility_figuresCarryUnitsAndTheBannerTellsTheWhole()
{
    writeTripDateFile("\"12/14/2005\"\r\n");
    m_window = makeWindow();
    QAccessible::setActive(true);
    QAccessibleInterface *banner = QAccessible::queryAccessibleInterface(m_window->centralWidget());
    QVERIFY(banner);
    QCOMPARE(banner->text(QAccessible::Name), QStringLiteral("Countdown"));
    QCOMPARE(banner->text(QAccessible::Description),
             QStringLiteral("Counting down to the trip on 12/14/2005."));

    accessibilityEvents.clear();
    QAccessible::installUpdateHandler(recordAccessibilityEvent);
    tick();
    QAccessible::installUpdateHandler(nullptr);
    // A tick announces nothing: no alert, no change of the banner's sentence, no focus.
    for (const QAccessible::Event event : std::as_const(accessibilityEvents)) {
        QVERIFY(event != QAccessible::Alert && event != QAccessible::DescriptionChanged
                && event != QAccessible::Focus);
    }

    QCOMPARE(banner->text(QAccessible::Description),
             QStringLiteral("1 day, 1 hour, 44 minutes and 30 seconds left until the trip on 12/14/2005."));
    const QAccessibleInterface *seconds = QAccessible::queryAccessibleInterface(label("lblSecs"));
    QCOMPARE(seconds->text(QAccessible::Name), QStringLiteral("30"));
    QCOMPARE(seconds->text(QAccessible::Description), QStringLiteral("Seconds left"));
    QAccessible::setActive(false);
}

void TestMainWindow::close_endsTheProgram_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("the Close entry") << false;
    QTest::newRow("the window's close box") << true;
}

void TestMainWindow::close_endsTheProgram()
{
    QFETCH(bool, closeBox);
    m_window = makeWindow();
    QAction *exit = m_window->findChild<QAction *>(QStringLiteral("Exit"));
    QTimer::singleShot(0, m_window.get(), [&] {
        if (closeBox)
            m_window->close();
        else
            exit->trigger();
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); }); // only if it failed
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
