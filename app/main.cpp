#include "app/mainwindow.h"
#include "runtime/clock.h"
#include "runtime/dialogs.h"
#include "tripdate/tripdatefile.h"

#include <QApplication>
#include <QIcon>

namespace {

// The window belongs at a fixed place on the screen, which a Wayland client cannot choose;
// XWayland lets it, so take it when there is one, unless the user chose a platform.
void preferX11()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char *argv[])
{
    preferX11();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VelmorCounter"));
    QApplication::setApplicationVersion(QStringLiteral(VELMOR_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.VelmorCounter"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/velmor-counter.svg")));

    SystemClock clock;
    MessageBoxErrorReport errorReport;
    DialogPrompt prompt;
    MainWindow window({clock, errorReport, prompt, tripDateFileName()});
    errorReport.setParent(&window);
    prompt.setParent(&window);
    window.show();
    return QApplication::exec();
}
