#include "about/aboutwindow.h"
#include "app/banner.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "platform/dialogs.h"
#include "safefile/filewatch.h"
#include "support.h"
#include "tripdate/tripdateentry.h"
#include "tripdate/tripdatefile.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <cstdio>
#include <sys/stat.h>

namespace {
QList<QAccessible::Event> announced;
// How long a test waits for what it expects at most: a safety net for a loaded machine.
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
    RecordingNotifier m_notifier;
    std::unique_ptr<MainWindow> m_window;

    void makeWindow(const char *tripDateFile, Prompt *prompt = nullptr) // no file for nullptr
    {
        if (tripDateFile)
            writeFile(m_path, tripDateFile);
        m_window = std::make_unique<MainWindow>(MainWindow::Services{
            m_clock, m_errors, prompt ? *prompt : m_prompt, m_notifier, m_path});
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
        m_notifier.notices.clear();
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
                && !announced.contains(QAccessible::DescriptionChanged)
                && !announced.contains(QAccessible::NameChanged));
        // To a screen reader each figure is its number and unit, and the window and the banner
        // the whole countdown, which the tooltip shows too.
        QStringList spoken;
        for (const char *figure : {"lblDays", "lblHours", "lblMins", "lblSecs"})
            spoken << QAccessible::queryAccessibleInterface(label(figure))->text(QAccessible::Name);
        QCOMPARE(spoken, QStringList({"0 days", "1 hour", "44 minutes", "30 seconds"}));
        const QString whole = "0 days, 1 hour, 44 minutes and 30 seconds until the trip on "
                              "Tuesday, December 13, 2005.";
        QCOMPARE(QAccessible::queryAccessibleInterface(m_window->centralWidget())
                     ->text(QAccessible::Description),
                 whole);
        QCOMPARE(
            QAccessible::queryAccessibleInterface(m_window.get())->text(QAccessible::Description),
            whole);
        QHelpEvent hover(QEvent::ToolTip, QPoint(250, 20), m_window->mapToGlobal(QPoint(250, 20)));
        QCoreApplication::sendEvent(label("lblHours"), &hover);
        QCOMPARE(QToolTip::text(), whole);

        // A new date counts from the next tick; a figure too wide for its label shrinks to fit.
        const qreal size = label("lblDays")->font().pointSizeF();
        m_prompt.answers = {QStringLiteral("12/31/9999")};
        choose("SetupDate");
        tick();
        QCOMPARE(figures(), QStringList({"2919766", "1", "44", "30"}));
        QVERIFY(QFontMetrics(label("lblDays")->font()).horizontalAdvance(label("lblDays")->text())
                <= label("lblDays")->contentsRect().width());
        QCOMPARE(label("lblSecs")->font().pointSizeF(), size); // the others keep their size
        QVERIFY(m_errors.messages.isEmpty());
    }

    // The figures follow the trip date file as something else changes it: another counter's
    // save or an editor's, which renames a new file over it, or one that rewrites it in place,
    // also after the path named a directory for a while or a link was pointed elsewhere. A file
    // that is gone or holds no date leaves the date as it was, without a word.
    void tripDateFile_followedAsItChanges_data()
    {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("days"); // the days figure afterwards
        // clang-format off
        QTest::newRow("renamed over") << QStringList{"rename 2005-12-22"} << "9";
        QTest::newRow("rewritten in place") << QStringList{"rewrite 2005-12-22"} << "9";
        QTest::newRow("renamed over, then rewritten in place") << QStringList{"rename 2005-12-22", "rewrite 2005-12-23"} << "10";
        QTest::newRow("gone: the date stays") << QStringList{"remove"} << "0";
        QTest::newRow("gone, then back") << QStringList{"remove", "rename 2005-12-22"} << "9";
        QTest::newRow("no date in it: the date stays") << QStringList{"rename soon"} << "0";
        QTest::newRow("a directory in its place and away, then written twice") << QStringList{"aside", "mkdir", "aside", "rewrite 2005-12-22", "rewrite 2005-12-23"} << "10";
        QTest::newRow("a link pointed elsewhere, then its file rewritten") << QStringList{"link 2005-12-22", "link 2005-12-23", "rewrite 2005-12-24"} << "11";
        // clang-format on
    }

    void tripDateFile_followedAsItChanges()
    {
        QFETCH(QStringList, changes);
        QFETCH(QString, days);
        makeWindow("\"2005-12-13\"\r\n");
        QSignalSpy seen(m_window->findChild<FileWatch *>(), &FileWatch::changed);
        const QByteArray path = QFile::encodeName(m_path);
        int made = 0; // files and directories made beside it
        for (const QString &change : changes) {
            const QString what = change.section(u' ', 0, 0);
            const QByteArray record = '"' + change.section(u' ', 1).toUtf8() + "\"\r\n";
            const QByteArray beside = path + ".new" + QByteArray::number(++made);
            if (what == u"remove") {
                QVERIFY(QFile::remove(m_path));
            } else if (what == u"rewrite") {
                writeFile(m_path, record);
            } else if (what == u"aside") {
                QCOMPARE(std::rename(path, beside), 0);
            } else if (what == u"mkdir") {
                QVERIFY(::mkdir(beside, 0700) == 0 && std::rename(beside, path) == 0);
            } else if (what == u"link") {
                writeFile(QFile::decodeName(beside), record);
                QVERIFY(::symlink(beside, beside + ".link") == 0
                        && std::rename(beside + ".link", path) == 0);
            } else {
                writeFile(QFile::decodeName(beside), record);
                QCOMPARE(std::rename(beside, path), 0);
            }
            const qsizetype before = seen.count();
            QTRY_VERIFY_WITH_TIMEOUT(seen.count() > before, kPatience); // the counter has seen it
        }
        QCOMPARE((tick(), label("lblDays")->text()), days);
        QVERIFY(m_errors.messages.isEmpty());
    }

    // The real dialog, in each language the program speaks, in that language's locale, with the
    // menu in that language too (English keeps the program's words exactly): it asks with the
    // title and the first message and starts empty; each message is two lines, the phrase whole
    // and then the example, at one height; its buttons speak the language and its layout runs
    // the language's way; the count goes on towards the old date while it is open; a date in
    // the locale's own long form is taken, without the line end pasted after it; Escape cancels.
    // And every text fits its place: the banner's captions their slots, the menu the menu bar, the
    // About window's lines theirs.
    void setupDate_realPrompt_inEveryLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("key");
        for (const char *locale : {"C",     "de_DE", "fr_FR", "es_ES", "it_IT", "pt_BR", "pt_PT",
                                   "nl_NL", "pl_PL", "cs_CZ", "sv_SE", "ru_RU", "uk_UA", "tr_TR",
                                   "ja_JP", "zh_CN", "zh_TW", "ko_KR", "ar_EG", "he_IL", "id_ID"})
            QTest::newRow(locale) << QString::fromLatin1(locale) << int(Qt::Key_Return);
        QTest::newRow("German: Escape changes nothing") << "de_DE" << int(Qt::Key_Escape);
    }

    void setupDate_realPrompt_inEveryLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(int, key);
        const QLocale here(locale);
        QLocale::setDefault(here);
        const Translations translations{here};
        DialogPrompt dialogPrompt;
        makeWindow("\"2005-12-13\"\r\n", &dialogPrompt);
        dialogPrompt.setParent(m_window.get());
        const QString longForm = here.toString(QDate(2005, 12, 24), QLocale::LongFormat);
        QStringList seen, fieldNames;
        QList<int> heights;
        QTimer answering; // answers each dialog as it comes: a word, 1970, then the date
        QObject::connect(&answering, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!dialog || heights.size() > seen.size() / 6)
                return;
            const QLabel *message = dialog->findChild<QLabel *>();
            QLabel twoLines(message->text().replace(QRegularExpression(QStringLiteral(" {2,}\n?")),
                                                    QStringLiteral("\n"))); // phrase, example
            twoLines.setFont(message->font());
            heights << dialog->height() * (message->height() == twoLines.sizeHint().height());
            tick();
            const auto *buttons = dialog->findChild<QDialogButtonBox *>();
            seen << dialog->windowTitle() << dialog->labelText() << dialog->textValue()
                 << label("lblDays")->text() << buttons->button(QDialogButtonBox::Cancel)->text()
                 << QString::number(dialog->layoutDirection());
            const QString answers[] = {QStringLiteral("never"), QStringLiteral("12/12/1970"),
                                       longForm};
            auto *field = dialog->findChild<QLineEdit *>();
            fieldNames << field->accessibleName();
            for (const char32_t c :
                 answers[heights.size() - 1].toUcs4()) // typed, whatever its script
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                                    Qt::NoModifier);
            QGuiApplication::clipboard()->setText(QStringLiteral("\r\n")); // and a line end pasted
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(field, heights.size() < 3 ? Qt::Key_Return : Qt::Key(key));
        });
        answering.start(0);
        choose("SetupDate");
        QLocale::setDefault(QLocale::c());
        QStringList words{seen.first(), seen.at(4)};
        for (const QAction *entry : m_window->menuBar()->actions())
            words << entry->text();
        const QStringList english{"Zorvia Date", "Cancel", "Close", "Setup Date", "About"};
        for (qsizetype i = 0; i < words.size(); ++i)
            QVERIFY2((words[i] == english[i]) == (locale == u"C"), qPrintable(words[i]));
        QCOMPARE(seen.first(4), QStringList({TripDatePrompt::title(),
                                             TripDatePrompt::firstMessage(here), "", "0"}));
        QCOMPARE(seen.at(7), TripDatePrompt::correctMessage(here));
        QCOMPARE(seen.at(13), TripDatePrompt::yearMessage(here));
        QCOMPARE(seen.at(5).toInt(), int(here.textDirection()));
        QCOMPARE(heights, QList<int>(3, heights.first() ? heights.first() : -1));
        const bool stored = key == Qt::Key_Return;
        QCOMPARE(contents(m_path),
                 stored ? '"' + longForm.toUtf8() + "\"\r\n" : QByteArray("\"2005-12-13\"\r\n"));
        tick();
        QCOMPARE(label("lblDays")->text(), QString::number(stored ? 11 : 0));
        // Each figure's unit, in the language, for a screen reader; the field named by its
        // message without the blanks that break its line.
        QCOMPARE(QAccessible::queryAccessibleInterface(label("lblDays"))->text(QAccessible::Name),
                 MainWindow::tr("%n day(s)", nullptr, stored ? 11 : 0));
        QVERIFY(!fieldNames.isEmpty()
                && !fieldNames.join(QString()).contains(QStringLiteral("  ")));

        QFont captions(QStringLiteral("Liberation Sans"));
        captions.setPixelSize(11); // as the banner's picture writes them
        for (const char *caption : {"Days", "Hours", "Minutes", "Seconds"})
            QVERIFY(QFontMetrics(captions).horizontalAdvance(Banner::tr(caption)) <= 58);
        const QList<QAction *> entries = m_window->menuBar()->actions();
        QVERIFY(m_window->menuBar()->actionGeometry(entries.last()).right()
                < m_window->menuBar()->width());
        choose("web");
        const auto *about = m_window->findChild<AboutWindow *>();
        const auto *frame = about->findChild<QGroupBox *>();
        QVERIFY(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width() - 16);
        for (const QWidget *line : about->findChildren<QWidget *>()) {
            if (qobject_cast<const QLabel *>(line) || qobject_cast<const QPushButton *>(line))
                QVERIFY2(line->sizeHint().width() <= line->width(), qPrintable(line->objectName()));
        }
    }

    // Two of a unit is a word of its own in some languages, which Qt's plural rules for them
    // have no form for: Hebrew's "two days" and "two hours".
    void figures_inWords_twoOfAUnit_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("units");
        QTest::newRow("he") << "he_IL" << QStringList{"יומיים", "שעתיים", "2 דקות", "2 שניות"};
        QTest::newRow("ar") << "ar_EG" << QStringList{"يومان", "ساعتان", "دقيقتان", "ثانيتان"};
        QTest::newRow("de") << "de_DE"
                            << QStringList{"2 Tage", "2 Stunden", "2 Minuten", "2 Sekunden"};
    }

    void figures_inWords_twoOfAUnit()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, units);
        const Translations words{QLocale(locale)};
        m_clock.time = localTime(2005, 12, 12, 21, 57, 58);
        makeWindow("\"2005-12-15\"\r\n");
        tick();
        QStringList said;
        for (const char *figure : {"lblDays", "lblHours", "lblMins", "lblSecs"})
            said << QAccessible::queryAccessibleInterface(label(figure))->text(QAccessible::Name);
        QCOMPARE(said, units);
    }

    // The day of the trip is told once in a run, as it comes or when the counter starts on it,
    // with the date in full; never for a day already past at the start.
    void tripDay_toldOnceAsItComes_data()
    {
        QTest::addColumn<QByteArray>("trip");
        QTest::addColumn<QList<QDateTime>>("ticks");
        QTest::addColumn<bool>("told");
        const auto at = [](int day, int h, int mi, int s) {
            return localTime(2005, 12, day, h, mi, s);
        };
        // clang-format off
        QTest::newRow("started on the day") << QByteArray("12/13/2005") << QList{at(13, 8, 0, 0), at(13, 8, 0, 1)} << true;
        QTest::newRow("midnight passes as it runs") << QByteArray("12/13/2005") << QList{at(12, 23, 59, 59), at(13, 0, 0, 0), at(13, 0, 0, 1)} << true;
        QTest::newRow("the day before") << QByteArray("12/13/2005") << QList{at(12, 23, 59, 59)} << false;
        QTest::newRow("a day already past at the start") << QByteArray("12/11/2005") << QList{at(12, 8, 0, 0), at(13, 0, 0, 0)} << false;
        // clang-format on
    }

    void tripDay_toldOnceAsItComes()
    {
        QFETCH(QByteArray, trip);
        QFETCH(QList<QDateTime>, ticks);
        QFETCH(bool, told);
        makeWindow('"' + trip + "\"\r\n");
        for (const QDateTime &now : ticks) {
            m_clock.time = now;
            tick();
        }
        QCOMPARE(m_notifier.notices,
                 told ? QStringList{"Your trip starts today.|Tuesday, December 13, 2005"}
                      : QStringList());
    }

    // F10 takes the keyboard to the menu, as Alt does, on its first entry.
    void f10_takesTheKeyboardToTheMenu()
    {
        makeWindow(nullptr);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_F10);
        QVERIFY(m_window->menuBar()->hasFocus());
        QCOMPARE(m_window->menuBar()->activeAction(),
                 m_window->findChild<QAction *>(QStringLiteral("Exit")));
        QTest::keyClick(m_window->menuBar(), Qt::Key_Right);
        QCOMPARE(m_window->menuBar()->activeAction(),
                 m_window->findChild<QAction *>(QStringLiteral("SetupDate")));
    }

    // With a larger font, the About window, the prompt and a message box show every text whole;
    // at the default font the About window is exactly as drawn.
    void largeText_everyTextWhole_data()
    {
        QTest::addColumn<qreal>("points"); // 0: the default font
        QTest::newRow("the default font") << 0.0;
        QTest::newRow("18 points") << 18.0;
    }

    void largeText_everyTextWhole()
    {
        QFETCH(qreal, points);
        const QFont before = QApplication::font();
        QFont font = before;
        if (points > 0)
            font.setPointSizeF(points);
        QApplication::setFont(font);
        AboutWindow about;
        about.show();
        QMessageBox message(
            QMessageBox::Warning, QStringLiteral("Velmor Trip Counter"),
            QStringLiteral("The trip date file \"vacation.txt\" in /home/user cannot be read."));
        message.show();
        QInputDialog prompt; // as the prompt lays out its message
        prompt.setLabelText(TripDatePrompt::firstMessage(QLocale::c()));
        prompt.show();
        QList<const QWidget *> shown;
        for (const QWidget *window :
             {static_cast<QWidget *>(&about), static_cast<QWidget *>(&message),
              static_cast<QWidget *>(&prompt)})
            shown += window->findChildren<const QWidget *>();
        for (const QWidget *widget : std::as_const(shown)) {
            const auto *label = qobject_cast<const QLabel *>(widget);
            const auto *button = qobject_cast<const QAbstractButton *>(widget);
            if ((!label && !button) || !widget->isVisible())
                continue;
            const QString text = label ? label->text() : button->text();
            const QSize needed = label && label->wordWrap()
                                     ? QSize(label->width(), label->heightForWidth(label->width()))
                                     : widget->fontMetrics().size(Qt::TextShowMnemonic, text);
            QVERIFY2(needed.width() <= widget->width() && needed.height() <= widget->height(),
                     qPrintable(text));
        }
        if (points == 0) {
            QCOMPARE(about.size(), AboutWindow::kSize);
            QCOMPARE(about.findChild<QGroupBox *>()->geometry(), QRect(8, 8, 289, 105));
            QCOMPARE(about.findChild<QLabel *>(QStringLiteral("Label3"))->geometry(),
                     QRect(8, 56, 273, 17));
            QCOMPARE(about.findChild<QPushButton *>()->geometry(), QRect(104, 72, 97, 17));
        }
        QApplication::setFont(before);
    }

    // In a language written from right to left, a button's text beside its icon keeps its
    // margin, icon and text centred together, on the mended style as on later Qt's own.
    void rightToLeft_buttonTextKeepsItsMargin()
    {
        mendDialogStyle();
        QPushButton button(QStringLiteral("Cancel"));
        button.setLayoutDirection(Qt::RightToLeft);
        QPixmap cross(16, 16);
        cross.fill(Qt::red);
        button.setIcon(QIcon(cross));
        button.resize(120, 30);
        QGuiApplication::setLayoutDirection(
            Qt::RightToLeft); // as the language's translation sets it
        const QImage shown = button.grab().toImage();
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        int leftmostInk = shown.width(); // within the frame, on the text's line
        for (int x = 4; x < shown.width() - 4 && leftmostInk == shown.width(); ++x) {
            for (int y = shown.height() / 2 - 4; y < shown.height() / 2 + 4; ++y) {
                if (qGray(shown.pixel(x, y)) < 96)
                    leftmostInk = x;
            }
        }
        QVERIFY2(leftmostInk > 12, qPrintable(QString::number(leftmostInk)));
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
        const QPoint place = about->pos();
        QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(!about->isVisible());
        about->move(50, 50);
        choose("web");
        choose("web"); // while shown: still the one window, at its place
        QCOMPARE(m_window->findChildren<AboutWindow *>(), QList<AboutWindow *>{about});
        QVERIFY(about->isVisible());
        QCOMPARE(about->pos(), place);
        // A screen reader says its lines as it opens.
        QCOMPARE(QAccessible::queryAccessibleInterface(about)->text(QAccessible::Description),
                 "Created by the Velmor project\ne-mail: velmor-counter@example.org\nVersion 4.0");

        QObject guard;
        QTimer::singleShot(0, &guard, [&] { m_window->close(); });
        QTimer::singleShot(5000, &guard, [] { QCoreApplication::exit(1); }); // only if it failed
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!QFileInfo::exists(m_path));
    }

    // The About window goes at (0, 105), right under a main window whose frame, border and all,
    // ends there; directly under a frame that reaches lower, never over it.
    void about_underTheMainWindowsFrame_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("the frame the window asks for") << QRect(0, 0, 548, 105) << QPoint(0, 105);
        QTest::newRow("its border one pixel lower (icewm)")
            << QRect(0, 0, 548, 106) << QPoint(0, 106);
        QTest::newRow("a window put lower (xfwm4)") << QRect(0, 7, 548, 109) << QPoint(0, 116);
    }

    void about_underTheMainWindowsFrame()
    {
        QFETCH(QRect, frame);
        QFETCH(QPoint, place);
        QCOMPARE(AboutWindow::placeUnder(frame), place);
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
