#include "commandline.h"

#include "identity/name.h"

#include <QCommandLineParser>
#include <QStringList>

#include <xcb/xcb.h>

#include <cerrno>
#include <cstdio>

namespace {

// Writes the text, and says whether all of it got out: like coreutils, a help that cannot be
// written (a full disk, a closed pipe) is a failure.
bool say(FILE *stream, const QString &text)
{
    return std::fputs(qPrintable(text), stream) >= 0 && std::fflush(stream) == 0
           && !std::ferror(stream);
}

// Prints an answer to --help or --version: status 0, or 1 when it could not be written.
int answer(const QString &text)
{
    if (say(stdout, text))
        return 0;
    complain(qt_error_string(errno));
    return 1;
}

QString helpText(const Translations &words)
{
    const auto say = [&](const char *text) { return words.phrase("CommandLine", text); };
    //: The options' names stay as they are. Lines of at most 79 columns.
    return say(QT_TRANSLATE_NOOP("CommandLine", "Usage: velmor-counter [option]")) + u'\n'
           + say(QT_TRANSLATE_NOOP(
               "CommandLine",
               "Shows the days, hours, minutes and seconds left until midnight at the start of\n"
               "your trip date, in a small window at the top-left of the screen. Set the date\n"
               "with Setup Date in the window's menu: it is kept in vacation.txt in the\n"
               "directory the counter is started from, and read as your locale writes dates."))
           + QStringLiteral("\n\n") + say(QT_TRANSLATE_NOOP("CommandLine", "Options:")) + u'\n'
           + QStringLiteral("  -h, --help     ")
           + say(QT_TRANSLATE_NOOP("CommandLine", "show this help and exit")) + u'\n'
           + QStringLiteral("  -v, --version  ")
           + say(QT_TRANSLATE_NOOP("CommandLine", "show the version and exit")) + u'\n'
           + say(QT_TRANSLATE_NOOP(
               "CommandLine",
               "Qt's own options, such as -platform and -display, are taken as well."))
           + u'\n';
}

// Qt's options that take a value, and those that do not (QGuiApplication's, the X11
// platform's and QApplication's). Written out here because Qt takes its own options only as it
// connects to the window system, and the program answers --help and refuses a wrong argument
// before that, also where no display can be reached; Qt has no public list of them.
const char *const kQtValueOptions[] = {"platform",        "platformpluginpath",
                                       "platformtheme",   "plugin",
                                       "qwindowgeometry", "qwindowicon",
                                       "qwindowtitle",    "session",
                                       "display",         "name",
                                       "title",           "visual",
                                       "geometry",        "icon",
                                       "style",           "stylesheet",
                                       "qmljsdebugger"};
const char *const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// What Qt's parser says of what it could not take, which it words before there is an application
// whose translations it would find: Qt's own messages, as its translations have them.
const char *const kParserMessages[] = {"Unknown option '%1'.", "Unknown options: %1.",
                                       "Missing value after '%1'.", "Unexpected value after '%1'."};

QString inUsersLanguage(const QString &said, const Translations &words)
{
    for (const char *source : kParserMessages) {
        const QString english = QString::fromLatin1(source);
        const qsizetype at = english.indexOf(QLatin1String("%1"));
        const QString before = english.left(at), after = english.mid(at + 2);
        if (said.size() >= english.size() - 2 && said.startsWith(before) && said.endsWith(after))
            return words.qtPhrase("QCommandLineParser", source)
                .arg(said.mid(at, said.size() - before.size() - after.size()));
    }
    return said;
}

// Why the window cannot be shown, if it cannot. Without a display QApplication would abort,
// with a screenful of plugin diagnostics and a core dump.
std::optional<QString> unreachableDisplay(const QCommandLineParser &parser,
                                          const Translations &words, CommandLineVerdict &verdict)
{
    QString platform = parser.value(QStringLiteral("platform"));
    if (platform.isEmpty())
        platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    platform = platform.section(u';', 0, 0).section(u':', 0, 0);
    const QString display = parser.isSet(QStringLiteral("display"))
                                ? parser.value(QStringLiteral("display"))
                                : qEnvironmentVariable("DISPLAY");
    if (platform.isEmpty() && display.isEmpty() && qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return std::nullopt; // a Wayland session without XWayland: Qt's default platform has it
    if (!platform.isEmpty() && platform != u"xcb")
        return std::nullopt; // the user's choice: offscreen, Wayland, a framebuffer...
    if (display.isEmpty())
        return words.phrase("CommandLine",
                            QT_TRANSLATE_NOOP("CommandLine", "there is no display to show the "
                                                             "window on (DISPLAY is not set)"));
    verdict.display.reset(xcb_connect(display.toLocal8Bit().constData(), nullptr));
    if (xcb_connection_has_error(verdict.display.get()))
        return words
            .phrase("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "cannot open the display %1"))
            .arg(display);
    return std::nullopt;
}

} // namespace

void complain(const QString &said)
{
    say(stderr, QStringLiteral("velmor-counter: %1\n").arg(said));
}

void CommandLineVerdict::Disconnect::operator()(xcb_connection_t *connection) const
{
    xcb_disconnect(connection);
}

CommandLineVerdict handleCommandLine(int argc, char *argv[], const Translations &words)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    for (const char *name : kQtValueOptions)
        parser.addOption({QString::fromLatin1(name), QString(), QStringLiteral("value")});
    for (const char *name : kQtFlags)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    if (!parser.parse(arguments)) {
        complain(inUsersLanguage(parser.errorText(), words));
        return {.start = false, .exitStatus = 2};
    }
    if (!parser.positionalArguments().isEmpty()) {
        complain(
            words
                .phrase("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'"))
                .arg(parser.positionalArguments().first()));
        return {.start = false, .exitStatus = 2};
    }
    if (parser.isSet(help))
        return {.start = false, .exitStatus = answer(helpText(words))};
    if (parser.isSet(version))
        return {.start = false,
                .exitStatus = answer(
                    QStringLiteral("%1 %2\n").arg(programName(), QStringLiteral(VELMOR_VERSION)))};
    CommandLineVerdict verdict{.start = true, .exitStatus = 0};
    if (const std::optional<QString> problem = unreachableDisplay(parser, words, verdict)) {
        complain(*problem);
        return {.start = false, .exitStatus = 1};
    }
    return verdict;
}
