#include "about/aboutwindow.h"
#include "app/mainwindow.h"
#include "support.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestAboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void window_isABorderlessWhiteCardWithTheCredits();
    void contents_placedAndStyled_data();
    void contents_placedAndStyled();
    void onlyTheCloseButtonTakesTheFocus();
    void about_createsOnceShowsHidesAndShowsTheSameWindow();
    void countdownGoesOnWhileItIsShown();
    void closeEntry_endsTheProgramWithAboutOpen();

private:
    void about() { m_window->findChild<QAction *>(QStringLiteral("web"))->trigger(); }
    AboutWindow *form2() const { return m_window->findChild<AboutWindow *>(QStringLiteral("Form2")); }

    QTemporaryDir m_dir;
    TestClock m_clock{localTime(2005, 12, 12, 22, 15, 30)};
    RecordingErrorReport m_errors;
    ScriptedPrompt m_prompt;
    std::unique_ptr<MainWindow> m_window;
};

void TestAboutWindow::init()
{
    QFile file(m_dir.filePath(QStringLiteral("vacation.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\"12/13/2005\"\r\n");
    file.close();
    m_window = std::make_unique<MainWindow>(
        MainWindow::Services{m_clock, m_errors, m_prompt, file.fileName()});
    m_window->show();
}

void TestAboutWindow::cleanup()
{
    m_window.reset();
}

void TestAboutWindow::window_isABorderlessWhiteCardWithTheCredits()
{
    QVERIFY(!form2()); // not made before it is asked for
    about();
    AboutWindow *window = form2();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QCOMPARE(window->geometry(), QRect(0, 105, 312, 118));
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window->windowFlags() & Qt::WindowType_Mask, Qt::Tool); // no taskbar entry
    QVERIFY(window->autoFillBackground());
    QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::white));

    const auto *frame = window->findChild<QGroupBox *>(QStringLiteral("Frame1"));
    QVERIFY(frame);
    QCOMPARE(frame->title(), QStringLiteral("About Velmor Trip Counter"));
    QCOMPARE(frame->geometry(), QRect(8, 8, 289, 105));
    QCOMPARE(frame->palette().color(QPalette::WindowText), QColor(128, 0, 128));
}

void TestAboutWindow::contents_placedAndStyled_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::newRow("credit") << "Label1" << QRect(8, 24, 273, 17) << "Created by the Velmor project";
    QTest::newRow("e-mail") << "Label2" << QRect(8, 40, 273, 17) << "e-mail: velmor-counter@example.org";
    QTest::newRow("version") << "Label3" << QRect(8, 56, 273, 17) << "Version 4.0";
}

void TestAboutWindow::contents_placedAndStyled()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    about();
    const auto *label = form2()->findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->parentWidget()->objectName(), QStringLiteral("Frame1"));
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(128, 0, 128));
    QCOMPARE(label->font(), QApplication::font(label));
}

void TestAboutWindow::onlyTheCloseButtonTakesTheFocus()
{
    about();
    const auto *close = form2()->findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(close);
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QCOMPARE(close->geometry(), QRect(104, 72, 97, 17));
    QCOMPARE(close->palette().color(QPalette::ButtonText),
             QApplication::palette(close).color(QPalette::ButtonText));
    for (const QWidget *widget : form2()->findChildren<QWidget *>())
        QCOMPARE(widget->focusPolicy() != Qt::NoFocus, widget == close);

    // The keyboard closes the window: Enter on its button.
    QTest::keyClick(form2(), Qt::Key_Return);
    QVERIFY(!form2()->isVisible());
}

void TestAboutWindow::about_createsOnceShowsHidesAndShowsTheSameWindow()
{
    about();
    AboutWindow *first = form2();
    QVERIFY(first->isVisible());

    QTest::mouseClick(first->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!first->isVisible());
    QCOMPARE(form2(), first); // hidden, not gone

    about();
    QCOMPARE(form2(), first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->pos(), QPoint(0, 105));

    about(); // while shown: still the one window
    QCOMPARE(m_window->findChildren<AboutWindow *>().size(), 1);
    QVERIFY(first->isVisible());
}

void TestAboutWindow::countdownGoesOnWhileItIsShown()
{
    about();
    auto *timer = m_window->findChild<QTimer *>(QStringLiteral("Timer1"));
    fire(timer);
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lblSecs"))->text(), QStringLiteral("30"));
    m_clock.advance(1000);
    fire(timer);
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lblSecs"))->text(), QStringLiteral("29"));
    QVERIFY(form2()->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestAboutWindow::closeEntry_endsTheProgramWithAboutOpen()
{
    about();
    QTimer::singleShot(0, m_window.get(), [this] {
        m_window->findChild<QAction *>(QStringLiteral("Exit"))->trigger();
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); }); // only if it failed
    QCOMPARE(QCoreApplication::exec(), 0);
    m_window.reset(); // and the About window goes with the main window
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
