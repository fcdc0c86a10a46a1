#include "platform/windowsystem.h"

#include <QTest>

// The window system the counter asks Qt for, from the session and what its compositor offers:
// in a build with LayerShellQt, and in one without it (Debian 12), which falls back.
class TestWindowSystem : public QObject
{
    Q_OBJECT

private slots:
    void chooseWindowSystem_data();
    void chooseWindowSystem();
};

void TestWindowSystem::chooseWindowSystem_data()
{
    // The session, the compositor's offer, and the platform chosen ("+layer": layer surfaces)
    // with the layer shell's windows built, and without (where the compositor is still asked).
    QTest::addColumn<QByteArray>("userPlatform"); // QT_QPA_PLATFORM or -platform
    QTest::addColumn<bool>("x11");                // XWayland: DISPLAY is set
    QTest::addColumn<QString>("offer");           // "layer", "weston" or nothing
    QTest::addColumn<QString>("withLayerShell");
    QTest::addColumn<QString>("without");
    // clang-format off
    QTest::newRow("layer shell where offered, over XWayland") << QByteArray() << true << "layer" << "wayland+layer" << "xcb";
    QTest::newRow("XWayland where none is offered (GNOME)") << QByteArray() << true << "" << "xcb" << "xcb";
    QTest::newRow("a plain Wayland window without either") << QByteArray() << false << "" << "wayland" << "wayland";
    QTest::newRow("weston gets Wayland, else XWayland") << QByteArray() << true << "weston" << "wayland;xcb" << "wayland;xcb";
    QTest::newRow("the user's platform wins") << QByteArray("xcb") << true << "layer" << "" << "";
    QTest::newRow("the user's Wayland, on layer shell") << QByteArray("wayland") << false << "layer" << "+layer" << "";
    // clang-format on
}

void TestWindowSystem::chooseWindowSystem()
{
    QFETCH(QByteArray, userPlatform);
    QFETCH(bool, x11);
    QFETCH(QString, offer);
    QFETCH(QString, withLayerShell);
    QFETCH(QString, without);
    const WindowSystem chosen =
        ::chooseWindowSystem({.userPlatform = userPlatform, .x11 = x11, .wayland = true}, [&] {
            return Compositor{.layerShell = offer == u"layer", .weston = offer == u"weston"};
        });
    QCOMPARE(QString::fromLatin1(chosen.platform) + (chosen.layerShell ? "+layer" : ""),
             VELMOR_LAYER_SHELL ? withLayerShell : without);
}

QTEST_APPLESS_MAIN(TestWindowSystem)
#include "tst_windowsystem.moc"
