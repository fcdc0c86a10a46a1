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
    // The session's facts, the compositor's offer, and the platform chosen ("+layer": layer
    // surfaces) with the layer shell's windows built, and without (where the compositor is still
    // asked).
    QTest::addColumn<QStringList>("row");
    QTest::newRow("layer shell where offered, over XWayland")
        << QStringList{"DISPLAY", "layer", "wayland+layer", "xcb"};
    QTest::newRow("XWayland where none is offered (GNOME)")
        << QStringList{"DISPLAY", "", "xcb", "xcb"};
    QTest::newRow("a plain Wayland window without either")
        << QStringList{"", "", "wayland", "wayland"};
    QTest::newRow("weston gets Wayland") << QStringList{"DISPLAY", "weston", "wayland", "wayland"};
    QTest::newRow("the user's platform wins") << QStringList{"DISPLAY xcb", "layer", "", ""};
    QTest::newRow("the user's Wayland, on layer shell")
        << QStringList{"wayland", "layer", "+layer", ""};
}

void TestWindowSystem::chooseWindowSystem()
{
    QFETCH(QStringList, row);
    const QStringList facts = row[0].split(u' ');
    const QString offer = row[1];
    const auto user = [&](const char *platform) {
        return facts.contains(QLatin1String(platform)) ? QByteArray(platform) : QByteArray();
    };
    const WindowSystem chosen = ::chooseWindowSystem(
        {.userPlatform = user("xcb") + user("wayland"),
         .x11 = facts.contains(u"DISPLAY"),
         .wayland = true},
        [&] { return Compositor{.layerShell = offer == u"layer", .weston = offer == u"weston"}; });
    QCOMPARE(QString::fromLatin1(chosen.platform) + (chosen.layerShell ? "+layer" : ""),
             row[VELMOR_LAYER_SHELL ? 2 : 3]);
}

QTEST_APPLESS_MAIN(TestWindowSystem)
#include "tst_windowsystem.moc"
