#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "runtime/clock.h"
#include "runtime/dialogs.h"
#include "runtime/oneperfile.h"
#include "tripdate/tripdatefile.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace {

// Platform choices the user has not made in the environment themselves.
void choosePlatform()
{
    // The window belongs at a fixed place on the screen, which a Wayland client cannot
    // choose; XWayland lets it, so take it when there is one.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // Each second repaints a few small labels. Handing those pixels to the X server through
    // shared memory makes the server answer every transfer, and the answer wakes the program
    // twice more; sent over the connection they cost nothing measurable.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = handleCommandLine(argc, argv))
        return *status;
    choosePlatform();
    QApplication app(argc, argv);
    const Translations translations;
    QApplication::setApplicationName(QStringLiteral("VelmorCounter"));
    QApplication::setApplicationVersion(QStringLiteral(VELMOR_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMOR_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmor-counter.svg")));
    const std::unique_ptr<OneCounterPerFile> counter = OneCounterPerFile::claim(QDir::currentPath());
    if (!counter)
        return 0; // the counter of this directory's trip date file shows itself instead

    SystemClock clock;
    MessageBoxErrorReport errorReport;
    DialogPrompt prompt;
    MainWindow window({clock, errorReport, prompt, tripDateFileName()});
    errorReport.setParent(&window);
    prompt.setParent(&window);
    QObject::connect(counter.get(), &OneCounterPerFile::askedFor, &window, &MainWindow::showInFront);
    window.show();
    return QApplication::exec();
}
