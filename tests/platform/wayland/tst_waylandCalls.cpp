#include "TestCompositor.h"
#include "dialogs/MessageBoxFrame.h"
#include "platform/WindowSystem.h"
#include "platform/wayland/GtkShellProtocol.h"
#include "platform/wayland/WaylandConnection.h"

#include <QHash>
#include <QMessageBox>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <cstring>
#include <memory>
#include <wayland-client-protocol.h>

// Counts the times a window is taken down.
class HideCount : public QObject
{
public:
    explicit HideCount(QWidget& window) { window.installEventFilter(this); }

    int hides = 0;

    bool eventFilter(QObject*, QEvent* event) override
    {
        hides += event->type() == QEvent::Hide;
        return false;
    }
};

// The game's Wayland calls on a connection of the test's own, to a compositor of its own: what
// they ask, and what they make of its answers.
class WaylandCallsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestCompositor> m_compositor;
    wl_display* m_display = nullptr;
    wl_compositor* m_surfaces = nullptr;
    // The surface each window has on the test's connection, as Qt's platform would make it.
    QHash<QWindow*, wl_surface*> m_surfaceOf;

    static void listGlobal(void* data, wl_registry* registry, std::uint32_t name,
                           const char* interface, std::uint32_t)
    {
        if (std::strcmp(interface, wl_compositor_interface.name) == 0)
            *static_cast<wl_compositor**>(data) = static_cast<wl_compositor*>(
                wl_registry_bind(registry, name, &wl_compositor_interface, 1));
    }

    // Starts a compositor with these globals and has the game's calls speak to it.
    void connect(TestCompositor::Globals globals)
    {
        m_compositor = std::make_unique<TestCompositor>(globals);
        m_display = wl_display_connect_to_fd(m_compositor->clientFd());
        QVERIFY(m_display);
        wl_registry* registry = wl_display_get_registry(m_display);
        static const wl_registry_listener listener{listGlobal, nullptr};
        wl_registry_add_listener(registry, &listener, &m_surfaces);
        QVERIFY(wl_display_roundtrip(m_display) >= 0);
        wl_registry_destroy(registry);
        QVERIFY(m_surfaces);
        WindowSystem::speakWaylandOn({m_display, LoadedWayland::calls(), [this](QWindow& window) {
                                          return reinterpret_cast<wl_proxy*>(
                                              m_surfaceOf.value(&window));
                                      }});
    }

    // Shows the window, as Qt's platform would, on a new surface.
    void show(QWidget& window)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        m_surfaceOf.insert(window.windowHandle(), wl_compositor_create_surface(m_surfaces));
    }

    void hide(QWidget& window)
    {
        window.hide();
        if (wl_surface* surface = m_surfaceOf.take(window.windowHandle()))
            wl_surface_destroy(surface);
    }

    QString name(QWidget& window) const
    {
        return QStringLiteral("wl_surface@%1")
            .arg(wl_proxy_get_id(
                reinterpret_cast<wl_proxy*>(m_surfaceOf.value(window.windowHandle()))));
    }

    // Has the client take in every event the compositor has sent.
    void settle() { QVERIFY(wl_display_roundtrip(m_display) >= 0); }

private slots:
    void initTestCase() { QVERIFY(LoadedWayland::calls()); }

    void cleanup()
    {
        for (wl_surface* surface : std::as_const(m_surfaceOf))
            wl_surface_destroy(surface);
        m_surfaceOf.clear();
        WindowSystem::speakWaylandOn({});
        if (m_surfaces)
            wl_compositor_destroy(std::exchange(m_surfaces, nullptr));
        if (m_display)
            wl_display_disconnect(std::exchange(m_display, nullptr));
        m_compositor.reset();
    }

    // A compositor that draws no frames has every decorated window draw its own bar: the game's
    // message boxes wear the one it paints.
    void titleBarsWhereTheCompositorDrawsNone_data()
    {
        QTest::addColumn<bool>("decorations");
        QTest::newRow("frames offered") << true;
        QTest::newRow("none offered") << false;
    }

    void titleBarsWhereTheCompositorDrawsNone()
    {
        QFETCH(bool, decorations);
        connect({.decorations = decorations});
        QCOMPARE(WindowSystem::windowsDrawTheirTitleBars(), !decorations);
        QMessageBox box;
        frameMessageBox(box);
        QCOMPARE(box.findChild<QWidget*>(QStringLiteral("titleBar")) != nullptr, !decorations);
    }

    // The token names the serial of the press, which GNOME's compositor takes, not the
    // release's, which comes after it.
    void activationAsksATokenForThePressAndActivatesWithIt()
    {
        connect({.gtkShell = &GtkShellProtocol::shell});
        QWidget window;
        show(window);
        // Presses count from the first question asked.
        QVERIFY(WindowSystem::activationRaises());
        settle();
        m_compositor->click(41, 42);
        settle();
        QVERIFY(WindowSystem::activateForLatestPress(window));
        settle();
        const QString seat = m_compositor->objects(QStringLiteral("wl_seat")).value(0);
        const QString token =
            m_compositor->objects(QStringLiteral("xdg_activation_token_v1")).value(0);
        QCOMPARE(m_compositor->requests(QStringLiteral("xdg_activation_token_v1.set_serial")),
                 QStringList(QStringLiteral("%1.set_serial(41, %2)").arg(token, seat)));
        QCOMPARE(m_compositor->requests(QStringLiteral("xdg_activation_token_v1.commit")).size(),
                 1);
        const QString activation =
            m_compositor->objects(QStringLiteral("xdg_activation_v1")).value(0);
        QCOMPARE(m_compositor->requests(QStringLiteral("xdg_activation_v1.activate")),
                 QStringList(
                     QStringLiteral("%1.activate(\"token-1\", %2)").arg(activation, name(window))));
    }

    // Pressed again while its window is open, About or Help comes to the front: activated where
    // the compositor offers activation, else taken down and shown again.
    void windowBroughtToFrontWithOrWithoutActivation_data()
    {
        QTest::addColumn<bool>("activation");
        QTest::newRow("activation") << true;
        QTest::newRow("none") << false;
    }

    void windowBroughtToFrontWithOrWithoutActivation()
    {
        QFETCH(bool, activation);
        connect({.activation = activation, .gtkShell = &GtkShellProtocol::shell});
        QWidget window;
        show(window);
        QVERIFY(WindowSystem::activationRaises());
        m_compositor->click(7, 8);
        settle();
        const HideCount taken(window);
        WindowSystem::bringToFront(window);
        settle();
        QVERIFY(window.isVisible());
        QCOMPARE(m_compositor->requests(QStringLiteral("xdg_activation_v1.activate")).size(),
                 activation ? 1 : 0);
        QCOMPARE(taken.hides, activation ? 0 : 1);
    }

    // GNOME's compositor is told once for each surface of a box, and the extra surface that
    // told it goes with the box's surface.
    void modalMarkOncePerSurface()
    {
        connect({.gtkShell = &GtkShellProtocol::shell});
        QWidget box;
        for (int showing = 1; showing <= 2; ++showing) {
            show(box);
            WindowSystem::markModalDialog(*box.windowHandle());
            WindowSystem::markModalDialog(*box.windowHandle());
            settle();
            QCOMPARE(m_compositor->requests(QStringLiteral("gtk_shell1.get_gtk_surface")).size(),
                     showing);
            QCOMPARE(m_compositor->requests(QStringLiteral("gtk_surface1.set_modal")).size(),
                     showing);
            hide(box);
            settle();
            QCOMPARE(m_compositor->requests(QStringLiteral("gtk_surface1.release")).size(),
                     showing);
        }
    }
};

QTEST_MAIN(WaylandCallsTest)
#include "tst_waylandCalls.moc"
