#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "platform/desktopnotifier.h"
#include "platform/dialogs.h"
#include "platform/layershell.h"
#include "platform/oneperfile.h"
#include "platform/windowmanager.h"
#include "platform/windowsystem.h"
#include "services/clock.h"
#include "tripdate/tripdatefile.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QVersionNumber>

#include <cstdlib>

namespace {

// Platform choices the user has not made in the environment themselves.
void choosePlatform()
{
    // The window belongs at a fixed place on the screen: see platform/windowsystem.h.
    const WindowSystem chosen =
        chooseWindowSystem({.userPlatform = qgetenv("QT_QPA_PLATFORM"),
                            .x11 = qEnvironmentVariableIsSet("DISPLAY"),
                            .wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY")},
                           askCompositor);
    if (!chosen.platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", chosen.platform);
    if (chosen.layerShell)
        useLayerShell();
    useOnlyTheSessionsBus();
    // Each second repaints a few small labels. Handing those pixels to the X server through
    // shared memory makes the server answer every transfer, and the answer wakes the program
    // twice more; sent over the connection they cost nothing measurable.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // Qt before 6.8 asks the desktop only as it starts whether a screen reader listens, and a
    // screen reader started later finds no counter: there the counter is on the accessibility
    // bus from the start, which costs nothing while nobody listens (docs/design.md).
    if (QLibraryInfo::version() < QVersionNumber(6, 8)
        && !qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
}

// Why another start in this directory will not find this counter, said once on standard error.
QString whyAlone(OneCounterPerFile::Claim why)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    QString said;
    switch (why) {
    case OneCounterPerFile::Claim::NoRuntimeDirectory:
        said = runtime.isEmpty()
                   ? QCoreApplication::translate("CommandLine",
                                                 "XDG_RUNTIME_DIR is not set, so a second start in "
                                                 "this directory will not find this counter")
                   : QCoreApplication::translate("CommandLine",
                                                 "%1 does not exist, so a second start in this "
                                                 "directory will not find this counter")
                         .arg(runtime);
        break;
    case OneCounterPerFile::Claim::NoPrivateDirectory:
        said = QCoreApplication::translate("CommandLine",
                                           "%1 is not a directory of yours alone, so a second "
                                           "start in this directory will not find this counter")
                   .arg(runtime);
        break;
    case OneCounterPerFile::Claim::NoLock:
        said = QCoreApplication::translate("CommandLine",
                                           "%1 takes no lock, so a second start in this directory "
                                           "will not find this counter")
                   .arg(runtime);
        break;
    case OneCounterPerFile::Claim::NoSocket:
        said = QCoreApplication::translate("CommandLine",
                                           "no socket can be made in %1, so a second start in this "
                                           "directory will not find this counter")
                   .arg(runtime);
        break;
    case OneCounterPerFile::Claim::Unanswered:
        said = QCoreApplication::translate("CommandLine",
                                           "the counter already running in this directory does not "
                                           "answer; this one runs beside it");
        break;
    case OneCounterPerFile::Claim::Counter:
    case OneCounterPerFile::Claim::HandedOver:
        break;
    }
    return said;
}

} // namespace

int main(int argc, char *argv[])
{
    Translations translations;
    // Before the command line's check of the display, which a Wayland platform needs none of.
    choosePlatform();
    CommandLineVerdict verdict = handleCommandLine(argc, argv, translations);
    if (!verdict.start)
        return verdict.exitStatus;
    // The launcher's startup notification, or on Wayland its activation token, which Qt takes
    // out of the environment as it starts. GLib before 2.76 (Debian 12's) hands a Wayland
    // launcher's token over as DESKTOP_STARTUP_ID alone: Qt is given it where it looks.
    const bool wayland = qgetenv("QT_QPA_PLATFORM").startsWith("wayland");
    QByteArray startupId = qgetenv(wayland ? "XDG_ACTIVATION_TOKEN" : "DESKTOP_STARTUP_ID");
    if (wayland && startupId.isEmpty()) {
        startupId = qgetenv("DESKTOP_STARTUP_ID");
        if (!startupId.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", startupId);
    }
    QApplication app(argc, argv);
    verdict.display.reset();
    translations.install();
    mendDialogStyle();
    QApplication::setApplicationName(QStringLiteral("VelmorCounter"));
    QApplication::setApplicationVersion(QStringLiteral(VELMOR_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMOR_APP_ID));
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icon/%1/" VELMOR_APP_ID ".png").arg(size),
                     QSize(size, size));
    QApplication::setWindowIcon(icon);
    OneCounterPerFile counter;
    const OneCounterPerFile::Claim claimed = counter.claim(QDir::currentPath(), startupId);
    if (claimed == OneCounterPerFile::Claim::HandedOver)
        return 0; // the counter of this directory's trip date file shows itself instead
    if (OneCounterPerFile::alone(claimed))
        complain(whyAlone(claimed));
    else // a counter that closes lets a start in the same moment become the counter
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &counter,
                         &OneCounterPerFile::release);

    // The compositor gone with the session: the counter ends as on Close, answering other starts
    // no more, before Qt ends it where it stands.
    whenCompositorGone([&counter] {
        counter.release();
        std::_Exit(0);
    });

    SystemClock clock;
    MessageBoxErrorReport errorReport;
    DialogPrompt prompt;
    DesktopNotifier notifier;
    MainWindow window({clock, errorReport, prompt, notifier, tripDateFileName(),
                       [&counter](const QByteArray &what) { return counter.firstTime(what); }});
    errorReport.showOver(&window);
    prompt.showOver(&window);
    QObject::connect(&counter, &OneCounterPerFile::askedFor, &window, &MainWindow::showInFront);
    showAndBringToFront(&window, startupId);
    return QApplication::exec();
}
