#include "about/aboutwindow.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "runtime/dialogs.h"
#include "support.h"
#include "tripdate/tripdateentry.h"
#include "tripdate/tripdatefile.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
QList<QAccessible::Event> announced;
} // namespace

// The main window as the user meets it: the figures, the menu, the prompt and the About
// window. How it looks is checked from outside, on a screenshot (tests/e2e).
class TestMainWindow : public QObject
{
    Q_OBJECT

    const Translations m_english{QLocale::c()}; // as the program always has
    QTemporaryDir m_dir;
    QString m_path = m_dir.filePath(tripDateFileName());
    TestClock m_clock{localTime(2005, 12, 12, 22, 15, 30)};
    RecordingErrorReport m_errors;
    ScriptedPrompt m_prompt;
    std::unique_ptr<MainWindow> m_window;

    void makeWindow(const char *tripDateFile, Prompt *prompt = nullptr) // no file for nullptr
    {
        if (tripDateFile)
            writeFile(m_path, tripDateFile);
        m_window = std::make_unique<MainWindow>(
            MainWindow::Services{m_clock, m_errors, prompt ? *prompt : m_prompt, m_path});
        m_window->show();
        QCoreApplication::processEvents(); // lets a start-up report through
    }
    QLabel *label(const char *id) const { return m_window->findChild<QLabel *>(QLatin1String(id)); }
    QStringList figures() const
    {
        return {label("lblDays")->text(), label("lblHours")->text(), label("lblMins")->text(),
                label("lblSecs")->text()};
    }
    void tick() { fire(m_window->findChild<QTimer *>(QStringLiteral("Timer1"))); }
    void choose(const char *entry)
    {
        m_window->findChild<QAction *>(QLatin1String(entry))->trigger();
    }

private slots:
    void init()
    {
        m_window.reset();
        QFile::remove(m_path);
        m_errors.messages.clear();
        m_prompt = ScriptedPrompt();
        m_clock.time = localTime(2005, 12, 12, 22, 15, 30);
    }

    // Each tick shows the four figures of its one clock reading, towards the date of the
    // moment. A screen reader hears the whole from the banner when it asks; a tick itself
    // announces nothing.
    void tick_showsTheFiguresOfOneReadingTowardsTheDateOfTheMoment()
    {
        makeWindow("\"12/13/2005\"\r\n");
        QCOMPARE(figures(), QStringList({"", "", "", ""})); // empty until the first tick
        QAccessible::setActive(true);
        QAccessible::installUpdateHandler(
            [](QAccessibleEvent *event) { announced.append(event->type()); });
        tick();
        QAccessible::installUpdateHandler(nullptr);
        QAccessible::setActive(false);
        QCOMPARE(figures(), QStringList({"0", "1", "44", "30"}));
        QVERIFY(!announced.contains(QAccessible::Alert)
                && !announced.contains(QAccessible::DescriptionChanged));
        const QAccessibleInterface *banner =
            QAccessible::queryAccessibleInterface(m_window->centralWidget());
        QCOMPARE(banner->text(QAccessible::Description),
                 "0 days, 1 hour, 44 minutes and 30 seconds left until the trip on 12/13/2005.");

        // A new date counts from the next tick; a figure too wide for its label shrinks to fit.
        const qreal size = label("lblDays")->font().pointSizeF();
        m_prompt.answers = {QStringLiteral("12/31/9999")};
        choose("SetupDate");
        tick();
        QCOMPARE(figures(), QStringList({"2919766", "1", "44", "30"}));
        QVERIFY(QFontMetrics(label("lblDays")->font()).horizontalAdvance(QStringLiteral("2919764"))
                <= label("lblDays")->contentsRect().width());
        QCOMPARE(label("lblSecs")->font().pointSizeF(), size); // the others keep their size
        QVERIFY(m_errors.messages.isEmpty());
    }

    // The real dialog, in each language the program speaks, with the menu in that language
    // too (English keeps the program's words exactly): it asks with the title and the first
    // message and starts empty; each message is two lines, the phrase whole and then the
    // example, at one height; the count goes on towards the old date while it is open; Enter
    // stores, Escape cancels.
    void setupDate_realPrompt_countGoesOnUntilTheAnswerIsStored_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("stored");
        const QByteArray typed("\"12/24/2005\"\r\n"), old("\"12/13/2005\"\r\n");
        QTest::newRow("C: Enter stores the typed date") << "C" << int(Qt::Key_Return) << typed;
        QTest::newRow("German: Escape changes nothing") << "de_DE" << int(Qt::Key_Escape) << old;
        QTest::newRow("French") << "fr_FR" << int(Qt::Key_Escape) << old;
        QTest::newRow("Spanish") << "es_ES" << int(Qt::Key_Escape) << old;
    }

    void setupDate_realPrompt_countGoesOnUntilTheAnswerIsStored()
    {
        QFETCH(QString, locale);
        QFETCH(int, key);
        QFETCH(QByteArray, stored);
        const Translations translations{QLocale(locale)};
        DialogPrompt dialogPrompt;
        makeWindow("\"12/13/2005\"\r\n", &dialogPrompt);
        dialogPrompt.setParent(m_window.get());
        QStringList seen;
        QList<int> heights;
        QTimer answering; // answers each dialog as it comes: a word, 1970, then the date
        QObject::connect(&answering, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!dialog || heights.size() > seen.size() / 4)
                return;
            const QLabel *message = dialog->findChild<QLabel *>();
            QLabel twoLines(QStringLiteral("x\nx"));
            twoLines.setFont(message->font());
            heights << dialog->height() * (message->height() == twoLines.sizeHint().height());
            tick();
            seen << dialog->windowTitle() << dialog->labelText() << dialog->textValue()
                 << label("lblDays")->text();
            const char *answers[] = {"never", "12/12/1970", "12/24/2005"};
            QTest::keyClicks(dialog->findChild<QLineEdit *>(), answers[heights.size() - 1]);
            QTest::keyClick(dialog->findChild<QLineEdit *>(),
                            heights.size() < 3 ? Qt::Key_Return : Qt::Key(key));
        });
        answering.start(0);
        choose("SetupDate");
        const QLocale c(QLocale::c());
        QStringList words{seen.first()};
        for (const QAction *entry : m_window->menuBar()->actions())
            words << entry->text();
        const QStringList english{"Zorvia Date", "Close", "Setup Date", "About"};
        for (qsizetype i = 0; i < words.size(); ++i)
            QVERIFY2((words[i] == english[i]) == (locale == u"C"), qPrintable(words[i]));
        QCOMPARE(seen.first(4),
                 QStringList({TripDatePrompt::title(), TripDatePrompt::firstMessage(c), "", "0"}));
        QCOMPARE(seen.at(5), TripDatePrompt::correctMessage(c));
        QCOMPARE(seen.at(9), TripDatePrompt::yearMessage(c));
        QCOMPARE(heights, QList<int>(3, heights.first() ? heights.first() : -1));
        QCOMPARE(contents(m_path), stored);
        tick();
        QCOMPARE(label("lblDays")->text(), QString::number(key == Qt::Key_Return ? 11 : 0));
    }

    // One About window, made when first asked for, hidden by its Close and shown again at its
    // place; not modal. The close box ends the program as "Close" does, About open or not.
    // Without a trip date file nothing is created.
    void about_oneWindowThatCloseHides_closeBoxEndsAll()
    {
        makeWindow(nullptr);
        QVERIFY(!m_window->findChild<AboutWindow *>());
        choose("web");
        auto *about = m_window->findChild<AboutWindow *>(QStringLiteral("Form2"));
        QVERIFY(about && about->isVisible() && !QApplication::activeModalWidget());
        QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(!about->isVisible());
        about->move(50, 50);
        choose("web");
        choose("web"); // while shown: still the one window, at its place
        QCOMPARE(m_window->findChildren<AboutWindow *>(), QList<AboutWindow *>{about});
        QVERIFY(about->isVisible());
        QCOMPARE(about->pos(), QPoint(0, 105));

        QObject guard;
        QTimer::singleShot(0, &guard, [&] { m_window->close(); });
        QTimer::singleShot(5000, &guard, [] { QCoreApplication::exit(1); }); // only if it failed
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!QFileInfo::exists(m_path));
    }

    // The banner is drawn at the screen's own pixel ratio, not scaled up from 1x: at twice
    // the density (tst_mainwindow_hidpi) it has detail that a doubled 1x picture lacks.
    void banner_drawnAtTheScreensPixelRatio()
    {
        makeWindow("");
        const QImage shown = m_window->centralWidget()->grab().toImage();
        const qreal ratio = m_window->screen()->devicePixelRatio();
        QCOMPARE(shown.size(), MainWindow::kClientSize * ratio);
        const QImage doubled = shown.scaled(MainWindow::kClientSize).scaled(shown.size());
        QCOMPARE(shown == doubled, ratio == 1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
