#include "about/aboutwindow.h"
#include "app/accessibility.h"
#include "app/banner.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "identity/layout.h"
#include "platform/dialogs.h"
#include "support.h"
#include "tripdate/tripdateentry.h"
#include "tripdate/tripdatefile.h"
#include "tripdate/tripdatestore.h"

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
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

namespace {

// Every label and button of a window shows its text whole.
void everyTextWhole(const QWidget &window)
{
    for (const QWidget *widget : window.findChildren<const QWidget *>()) {
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
}
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

    void makeWindow(const char *tripDateFile, Prompt *prompt = nullptr, // no file for nullptr
                    std::function<bool(const QByteArray &)> firstTime = nullptr)
    {
        if (tripDateFile)
            writeFile(m_path, tripDateFile);
        m_window = std::make_unique<MainWindow>(MainWindow::Services{
            m_clock, m_errors, prompt ? *prompt : m_prompt, m_notifier, m_path, firstTime});
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
        QDir().rmdir(m_path);
        m_errors.messages.clear();
        m_notifier.notices.clear();
        m_prompt = ScriptedPrompt();
        m_clock.time = localTime(2005, 12, 12, 22, 15, 30);
    }

    // Each tick shows the four figures of its one clock reading, towards the date of the
    // moment. A screen reader hears the whole from the banner when it asks (that a tick tells it
    // nothing: tests/e2e/accessibility.py).
    void tick_showsTheFiguresOfOneReadingTowardsTheDateOfTheMoment()
    {
        makeWindow("\"12/13/2005\"\r\n");
        QCOMPARE(figures(), QStringList({"", "", "", ""})); // empty until the first tick
        tick();
        QCOMPARE(figures(), QStringList({"0", "1", "44", "30"}));
        // The tooltip is the whole countdown, with the trip date in full, and the file, as a
        // screen reader hears it from the banner, where the keyboard's focus rests (the focus:
        // tests/e2e/accessibility.py): as it stands when asked, between ticks too.
        m_clock.time = m_clock.time.addSecs(1);
        const QString whole = "0 days, 1 hour, 44 minutes and 29 seconds until the trip on "
                              "Tuesday, December 13, 2005.";
        QHelpEvent hover(QEvent::ToolTip, QPoint(250, 20), m_window->mapToGlobal(QPoint(250, 20)));
        QCoreApplication::sendEvent(label("lblHours"), &hover);
        QCOMPARE(QToolTip::text(), whole + "\nTrip date file: " + m_path);
        QCOMPARE(QAccessible::queryAccessibleInterface(label("lblHours")->parentWidget())
                     ->text(QAccessible::Name),
                 whole);

        // A date the store reads from a file that something else changed counts from the next
        // tick, as does one the user sets.
        emit m_window->findChild<TripDateStore *>()->changed({"12/22/2005", QDate(2005, 12, 22)});
        QCOMPARE((tick(), label("lblDays")->text()), QStringLiteral("9"));
        m_prompt.answers = {QStringLiteral("12/31/9999")};
        choose("SetupDate");
        QCOMPARE((tick(), figures()), QStringList({"2919766", "1", "44", "29"}));
        QVERIFY(m_errors.messages.isEmpty());
    }

    // A date that cannot be saved is told once, and the count goes on towards the date before;
    // the file, gone from under the counter meanwhile, is left as it stands.
    void saveRefused_toldOnce_dateKept()
    {
        makeWindow("\"12/13/2005\"\r\n");
        QVERIFY(QFile::remove(m_path)
                && QDir().mkdir(m_path)); // as root too, a directory takes no record
        m_prompt.answers = {QStringLiteral("12/24/2005")};
        choose("SetupDate");
        QCoreApplication::processEvents(); // what is told, is told once the window is up
        QCOMPARE(m_errors.messages.size(), 1);
        QVERIFY2(m_errors.messages.first().contains(u"cannot be written: it is a directory"),
                 qPrintable(m_errors.messages.first()));
        tick();
        QCOMPARE(label("lblDays")->text(), QStringLiteral("0"));
        QVERIFY(QFileInfo(m_path).isDir());
    }

    // Each language the program speaks, in its own locale (English keeps the program's words).
    void prompt_inEveryLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *locale : {"C",     "de_DE", "fr_FR", "es_ES", "it_IT", "pt_BR", "pt_PT",
                                   "nl_NL", "pl_PL", "cs_CZ", "sv_SE", "ru_RU", "uk_UA", "tr_TR",
                                   "ja_JP", "zh_CN", "zh_TW", "ko_KR", "ar_EG", "he_IL", "id_ID"})
            QTest::newRow(locale) << QString::fromLatin1(locale);
    }

    // The real prompt asks in the language, its buttons too, and runs the language's way; each
    // message is its phrase and then the example, on lines of their own; the count goes on
    // while it is open; it takes a date in the locale's long form, without the line end pasted
    // after it.
    void prompt_inEveryLanguage()
    {
        QFETCH(QString, locale);
        const QLocale here(locale);
        QLocale::setDefault(here);
        const Translations translations{here};
        DialogPrompt dialogPrompt;
        makeWindow("\"2005-12-13\"\r\n", &dialogPrompt);
        dialogPrompt.showOver(m_window.get());
        const QString longForm = here.toString(QDate(2005, 12, 24), QLocale::LongFormat);
        QStringList messages;
        QTimer answering; // answers each question as it comes: a word, 1970, then the date
        QObject::connect(&answering, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog->property("answered").toBool())
                return;
            dialog->setProperty("answered", true);
            // A check that fails here closes the prompt, which would otherwise wait for ever.
            const auto closeOnFailure = qScopeGuard([dialog] {
                if (QTest::currentTestFailed())
                    dialog->reject();
            });
            const QLabel *message = dialog->findChild<QLabel *>();
            QLabel twoLines(message->text().replace(QRegularExpression(QStringLiteral(" {2,}\n?")),
                                                    QStringLiteral("\n"))); // phrase, example
            twoLines.setFont(message->font());
            QCOMPARE(message->height(), twoLines.sizeHint().height());
            QCOMPARE(dialog->windowTitle(), TripDatePrompt::title());
            QCOMPARE(dialog->layoutDirection(), here.textDirection());
            const auto *buttons = dialog->findChild<QDialogButtonBox *>();
            QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text() == u"Cancel",
                     locale == u"C");
            QCOMPARE((tick(), label("lblDays")->text()), QStringLiteral("0"));
            messages << dialog->labelText();
            const QString answers[] = {QStringLiteral("never"), QStringLiteral("12/12/1970"),
                                       longForm};
            // The answer refused last, selected, which typing replaces.
            auto *field = dialog->findChild<QLineEdit *>();
            const QString refused = messages.size() > 1 ? answers[messages.size() - 2] : QString();
            QCOMPARE(field->text(), refused);
            QCOMPARE(field->selectedText(), refused);
            for (const char32_t c : answers[messages.size() - 1].toUcs4()) // whatever its script
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                                    Qt::NoModifier);
            QGuiApplication::clipboard()->setText(QStringLiteral("\r\n")); // a line end pasted
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_Return);
        });
        answering.start(0);
        choose("SetupDate");
        QLocale::setDefault(QLocale::c());
        QCOMPARE(messages, QStringList({TripDatePrompt::firstMessage(here),
                                        TripDatePrompt::correctMessage(here),
                                        TripDatePrompt::yearMessage(here)}));
        QCOMPARE(contents(m_path), '"' + longForm.toUtf8() + "\"\r\n");
        QCOMPARE((tick(), label("lblDays")->text()), QStringLiteral("11"));
    }

    // Every text fits its place in every language: the banner's captions their slots, the menu
    // the menu bar, the About window's title and lines theirs, at the default font, where the
    // window is as drawn, and with a larger one; the menu speaks the language.
    void everyText_fitsItsPlace_data() { prompt_inEveryLanguage_data(); }

    void everyText_fitsItsPlace()
    {
        QFETCH(QString, locale);
        const Translations translations{QLocale(locale)};
        makeWindow(nullptr);
        QFont captions(QStringLiteral("Liberation Sans"));
        captions.setPixelSize(11); // as the banner's picture writes them
        for (const char *caption : {"Days", "Hours", "Minutes", "Seconds"})
            QVERIFY(QFontMetrics(captions).horizontalAdvance(Banner::tr(caption)) <= 58);
        const QList<QAction *> entries = m_window->menuBar()->actions();
        QCOMPARE(entries.first()->text() == u"Close", locale == u"C");
        QVERIFY(m_window->menuBar()->actionGeometry(entries.last()).right()
                < m_window->menuBar()->width());
        choose("web");
        const auto *about = m_window->findChild<AboutWindow *>();
        const auto *frame = about->findChild<QGroupBox *>();
        QVERIFY(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width() - 16);
        QCOMPARE(about->size(), Layout::kAboutSize);
        everyTextWhole(*about);
        const QFont before = QApplication::font();
        const auto restore = qScopeGuard([before] { QApplication::setFont(before); });
        QFont larger = before;
        larger.setPointSizeF(18);
        QApplication::setFont(larger);
        AboutWindow enlarged;
        enlarged.show();
        everyTextWhole(enlarged);
    }

    // Each figure in words, in every language and for every value it can take, never with Qt's
    // raw "%n", which Qt leaves in place for a count below zero, as the days are from the day of
    // the trip on. Two of a unit is a word of its own in some languages, which Qt's plural rules
    // for them have no form for: Hebrew's "two days", Arabic's duals.
    void figures_inWords_data()
    {
        prompt_inEveryLanguage_data();
        QTest::newRow("fi_FI, a language the program does not speak") << "fi_FI";
    }

    void figures_inWords()
    {
        QFETCH(QString, locale);
        const Translations words{QLocale(locale)};
        using Unit = MainWindow::Unit;
        for (const Unit unit : {Unit::Days, Unit::Hours, Unit::Minutes, Unit::Seconds}) {
            for (const int count :
                 {-2172, -100, -21, -11, -5, -2, -1, 0, 1, 2, 5, 11, 21, 100, 2172}) {
                const QString said = MainWindow::inWords(count, unit);
                QVERIFY2(!said.isEmpty() && !said.contains(u'%'), qPrintable(said));
            }
        }
        const QStringList two{
            MainWindow::inWords(2, Unit::Days), MainWindow::inWords(2, Unit::Hours),
            MainWindow::inWords(2, Unit::Minutes), MainWindow::inWords(2, Unit::Seconds)};
        if (locale == u"he_IL")
            QCOMPARE(two, QStringList({"יומיים", "שעתיים", "2 דקות", "2 שניות"}));
        if (locale == u"ar_EG")
            QCOMPARE(two, QStringList({"يومان", "ساعتان", "دقيقتان", "ثانيتان"}));
        if (locale == u"C")
            QCOMPARE(MainWindow::inWords(-1, Unit::Days), "minus 1 day");
    }

    // The day of the trip is told once in a run, as it comes or when the counter starts on it,
    // with the date in full; never for a day already past at the start. At every tick, across
    // midnight and below zero, six figures too, the days figure stays a label at its slot that
    // shows its number whole and says it in words, and the window says where the trip stands.
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
        QTest::newRow("a trip long past: six figures") << QByteArray("1/1/1900") << QList{at(12, 8, 0, 0)} << false;
        QTest::newRow("started again on the day, told before") << QByteArray("12/13/2005 again") << QList{at(13, 8, 0, 0)} << false;
        // clang-format on
    }

    void tripDay_toldOnceAsItComes()
    {
        QFETCH(QByteArray, trip);
        QFETCH(QList<QDateTime>, ticks);
        QFETCH(bool, told);
        const bool again = trip.endsWith(" again");
        trip.replace(" again", "");
        QByteArrayList asked;
        makeWindow('"' + trip + "\"\r\n", nullptr, [&](const QByteArray &what) {
            asked << what;
            return !again;
        });
        QLabel *days = label("lblDays");
        const QRect slot = days->geometry();
        for (const QDateTime &now : ticks) {
            m_clock.time = now;
            tick();
            const int left = int(now.date().daysTo(QDate::fromString(trip, "M/d/yyyy"))) - 1;
            QCOMPARE(days->text(), QString::number(left));
            QCOMPARE(days->geometry(), slot);
            QVERIFY(days->fontMetrics().boundingRect(days->text()).width() <= slot.width());
            const QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(days);
            QCOMPARE(spoken->rect(), QRect(days->mapToGlobal(QPoint()), slot.size()));
            QCOMPARE(spoken->text(QAccessible::Name),
                     MainWindow::inWords(left, MainWindow::Unit::Days));
            QCOMPARE(m_window->summary().endsWith(u"has begun."), left < 0);
        }
        const QString today = "Your trip starts today.|Tuesday, December 13, 2005";
        QCOMPARE(m_notifier.notices, told ? QStringList{today} : QStringList());
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0) // where the window tells it as an alert
        const auto *alert = m_window->findChild<AccessibleAlert *>();
        QCOMPARE(alert ? alert->accessibleName() + u'|' + alert->accessibleDescription() : "",
                 told ? today : "");
#endif
        QCOMPARE(asked, told || again ? QByteArrayList{"told-2005-12-13"} : QByteArrayList());
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
        QCOMPARE(QAccessible::queryAccessibleInterface(about)->text(QAccessible::Description),
                 "Created by the Velmor project\ne-mail: velmor-counter@example.org\nVersion 4.0");
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

        QObject guard;
        QTimer::singleShot(0, &guard, [&] { m_window->close(); });
        QTimer::singleShot(5000, &guard, [] { QCoreApplication::exit(1); }); // only if it failed
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!QFileInfo::exists(m_path));
    }

    // The banner is drawn at the screen's own pixel ratio, not scaled up from 1x: at twice
    // the density (tst_mainwindow_hidpi) it has detail that a doubled 1x picture lacks. There,
    // on a screen with less room than the strip needs (offscreen's 800 pixels are 400), the
    // whole strip stays on the screen.
    void banner_drawnAtTheScreensPixelRatio()
    {
        makeWindow("");
        const QImage shown = m_window->centralWidget()->grab().toImage();
        const qreal ratio = m_window->screen()->devicePixelRatio();
        const QSize size = m_window->centralWidget()->size();
        QCOMPARE(shown.size(), size * ratio);
        const QImage doubled = shown.scaled(size).scaled(shown.size());
        QCOMPARE(shown == doubled, ratio == 1);
        QVERIFY(m_window->geometry().right() <= m_window->screen()->availableGeometry().right());
        const QRect secondsSlot = Layout::figure(3); // the seconds' figure, as drawn
        QVERIFY(ratio != 1 || label("lblSecs")->geometry() == secondsSlot);
        QVERIFY(label("lblSecs")->geometry().right() < size.width());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
