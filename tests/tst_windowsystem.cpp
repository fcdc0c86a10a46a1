#include "platform/windowsystem.h"

#include <QTest>

// The window system the counter asks Qt for, from the session and what its compositor offers.
class TestWindowSystem : public QObject
{
    Q_OBJECT

private slots:
    void chooseWindowSystem_data();
    void chooseWindowSystem();
};

namespace {

// What a build with LayerShellQt chooses, and what one without it (Debian 12) does instead.
QString onThisBuild(const char *withLayerShell, const char *without)
{
    return QString::fromLatin1(VELMOR_LAYER_SHELL ? withLayerShell : without);
}

} // namespace

void TestWindowSystem::chooseWindowSystem_data()
{
    QTest::addColumn<QByteArray>("userPlatform");
    QTest::addColumn<bool>("x11");
    QTest::addColumn<QByteArray>("desktop");
    QTest::addColumn<bool>("layerShell");
    QTest::addColumn<bool>("weston");
    QTest::addColumn<QString>("chosen"); // the platform asked for, and "+layer" for layer surfaces

    QTest::newRow("layer shell where offered, over XWayland")
        << QByteArray() << true << QByteArray() << true << false
        << onThisBuild("wayland+layer", "xcb");
    QTest::newRow("XWayland where no layer shell is offered (GNOME)")
        << QByteArray() << true << QByteArray() << false << false << QStringLiteral("xcb");
    QTest::newRow("a plain Wayland window without either")
        << QByteArray() << false << QByteArray() << false << false << QStringLiteral("wayland");
    QTest::newRow("labwc keeps XWayland, which gives the keyboard back after a dialog")
        << QByteArray() << true << QByteArray("labwc:wlroots") << true << false
        << QStringLiteral("xcb");
    QTest::newRow("labwc without XWayland has the layer shell")
        << QByteArray() << false << QByteArray("labwc:wlroots") << true << false
        << onThisBuild("wayland+layer", "wayland");
    QTest::newRow("weston, whose XWayland gives a utility window no keyboard, gets Wayland")
        << QByteArray() << true << QByteArray() << false << true << onThisBuild("wayland", "xcb");
    QTest::newRow("the user's own platform wins")
        << QByteArray("xcb") << true << QByteArray() << true << false << QString();
    QTest::newRow("the user's own Wayland has the layer shell where offered")
        << QByteArray("wayland") << true << QByteArray() << true << false
        << onThisBuild("+layer", "");
}

void TestWindowSystem::chooseWindowSystem()
{
    QFETCH(QByteArray, userPlatform);
    QFETCH(bool, x11);
    QFETCH(QByteArray, desktop);
    QFETCH(bool, layerShell);
    QFETCH(bool, weston);
    const WindowSystem chosen = ::chooseWindowSystem(
        {.userPlatform = userPlatform, .x11 = x11, .wayland = true, .desktop = desktop},
        [&] { return Compositor{.layerShell = layerShell, .weston = weston}; });
    QTEST(QString::fromLatin1(chosen.platform)
              + (chosen.layerShell ? QStringLiteral("+layer") : QString()),
          "chosen");
}

QTEST_APPLESS_MAIN(TestWindowSystem)
#include "tst_windowsystem.moc"
