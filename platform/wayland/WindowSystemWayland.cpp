// The calls of WindowSystem that only a Wayland compositor answers, asked on Qt's own connection
// to it through the client library that Qt's Wayland platform has loaded.
#include "platform/WindowSystem.h"
#include "platform/wayland/GtkShellProtocol.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/XdgActivationProtocol.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstring>
#include <string>
#include <wayland-client-protocol.h>

namespace {

// What the compositor offers, asked once on a queue of the game's own on Qt's connection: so it
// is the compositor that shows the game that answers, whichever way the game reached it, and the
// answer cannot be lost among Qt's events. A compositor that shows the game answers every round
// trip; a broken connection ends one at once. Anything that fails counts as not offered.
struct Compositor
{
    explicit Compositor(const WaylandConnection& connection);
    // Lets go of what it made on the connection, which must still be open.
    void letGo(const LoadedWayland::Calls& wl);

    wl_event_queue* queue = nullptr;
    wl_proxy* registry = nullptr;
    bool drawsFrames = false;
    // GNOME's compositor and KWin bring an activated window to the front. sway, which lists
    // neither's own protocols, marks it urgent or hands it the keyboard where it lies.
    bool activationRaises = false;
    std::uint32_t activationName = 0;
    std::uint32_t gtkShellName = 0;
    std::uint32_t gtkShellVersion = 0;
    std::uint32_t seatName = 0;
    // Where the compositor offers activation: the game's own seat and pointer, which hear every
    // press the compositor hands Qt, with the serial that a token must name. Qt 6.4 tells only
    // the latest serial of all, a release's after a click, which GNOME's compositor does not take.
    wl_proxy* seat = nullptr;
    wl_proxy* pointer = nullptr;
    std::uint32_t pressSerial = 0;
    // The surface that the pointer is over.
    wl_proxy* pointerSurface = nullptr;
    // Bound when first needed.
    wl_proxy* activation = nullptr;
    wl_proxy* gtkShell = nullptr;
};

void listGlobal(void* data, wl_registry*, std::uint32_t name, const char* interface,
                std::uint32_t version)
{
    auto& compositor = *static_cast<Compositor*>(data);
    // Where the compositor lists it, Qt asks it to draw the frames, and it does (the global of
    // unstable/xdg-decoration/xdg-decoration-unstable-v1.xml of wayland-protocols).
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
        compositor.drawsFrames = true;
    if (std::strcmp(interface, XdgActivationProtocol::activation.name) == 0)
        compositor.activationName = name;
    if (std::strcmp(interface, GtkShellProtocol::shell.name) == 0) {
        compositor.gtkShellName = name;
        compositor.gtkShellVersion = std::min(version, GtkShellProtocol::releaseVersion);
    }
    if (compositor.gtkShellName || std::strcmp(interface, "org_kde_plasma_shell") == 0)
        compositor.activationRaises = true;
    if (std::strcmp(interface, "wl_seat") == 0 && compositor.seatName == 0)
        compositor.seatName = name;
}

const wl_registry_listener globalsListener{listGlobal, [](void*, wl_registry*, std::uint32_t) {}};

void keepModalWindowInFront();

// A pointer of the first version, which has the first five events only.
const wl_pointer_listener pressListener{
    .enter =
        [](void* data, wl_pointer*, std::uint32_t, wl_surface* surface, wl_fixed_t, wl_fixed_t) {
            static_cast<Compositor*>(data)->pointerSurface = reinterpret_cast<wl_proxy*>(surface);
        },
    .leave = [](void* data, wl_pointer*, std::uint32_t,
                wl_surface*) { static_cast<Compositor*>(data)->pointerSurface = nullptr; },
    .motion = [](void*, wl_pointer*, std::uint32_t, wl_fixed_t, wl_fixed_t) {},
    .button =
        [](void* data, wl_pointer*, std::uint32_t serial, std::uint32_t, std::uint32_t,
           std::uint32_t state) {
            if (state != WL_POINTER_BUTTON_STATE_PRESSED)
                return;
            static_cast<Compositor*>(data)->pressSerial = serial;
            // Once Qt is done with the events at hand, not inside their dispatch.
            QMetaObject::invokeMethod(qApp, &keepModalWindowInFront, Qt::QueuedConnection);
        },
    .axis = [](void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {},
    .frame = nullptr,
    .axis_source = nullptr,
    .axis_stop = nullptr,
    .axis_discrete = nullptr,
    .axis_value120 = nullptr,
};

template <typename Listener>
void listen(const LoadedWayland::Calls& wl, wl_proxy* proxy, const Listener& listener, void* data)
{
    wl.addListener(proxy, reinterpret_cast<void (**)()>(const_cast<Listener*>(&listener)), data);
}

Compositor::Compositor(const WaylandConnection& connection)
{
    wl_display* display = connection.display;
    const LoadedWayland::Calls* wl = display ? connection.calls : nullptr;
    if (!wl)
        return;
    queue = wl->createQueue(display);
    auto* ownDisplay = static_cast<wl_proxy*>(wl->createWrapper(display));
    if (!queue || !ownDisplay)
        return;
    wl->setQueue(ownDisplay, queue);
    registry =
        wl->marshal(ownDisplay, WL_DISPLAY_GET_REGISTRY, wl->registryInterface, 1, 0, nullptr);
    wl->destroyWrapper(ownDisplay);
    if (!registry)
        return;
    listen(*wl, registry, globalsListener, this);
    if (wl->roundtripQueue(display, queue) < 0) {
        drawsFrames = false;
        activationName = 0;
        return;
    }
    if (!activationName || !seatName)
        return;
    // Qt's Wayland platform, the only one to listen to the application's focus object (at its
    // start), asks the compositor to activate the focus window at every move of the focus, with
    // a token it never lets go: three more at each showing of a box, as the compositor activates
    // it and the focus settles inside. The game asks for the activation it needs itself.
    QObject::disconnect(qApp, &QGuiApplication::focusObjectChanged, nullptr, nullptr);
    seat = wl->marshal(registry, WL_REGISTRY_BIND, wl->seatInterface, 1, 0, seatName,
                       wl->seatInterface->name, 1U, nullptr);
    pointer = seat ? wl->marshal(seat, WL_SEAT_GET_POINTER, wl->pointerInterface, 1, 0, nullptr)
                   : nullptr;
    if (!pointer)
        return;
    // Heard on Qt's queue, which Qt dispatches as the events come: on the game's queue they
    // would pile up between two presses on a side window's button.
    wl->setQueue(pointer, nullptr);
    listen(*wl, pointer, pressListener, this);
}

void Compositor::letGo(const LoadedWayland::Calls& wl)
{
    for (wl_proxy* made : {pointer, seat, activation, gtkShell, registry}) {
        if (made)
            wl.destroy(made);
    }
    if (queue)
        wl.destroyQueue(queue);
}

// The connection the calls speak on, Qt's unless a test has handed its own, and what its
// compositor offers, asked on first use (which is not at start-up: the main window asks nothing
// of it). Neither is let go in the game: Qt's connection closes before the program's statics go.
WaylandConnection* spokenOn = nullptr;
Compositor* asked = nullptr;

const WaylandConnection& connection()
{
    if (!spokenOn)
        spokenOn = new WaylandConnection(WaylandConnection::qts());
    return *spokenOn;
}

Compositor& compositor()
{
    if (!asked)
        asked = new Compositor(connection());
    return *asked;
}

const XdgActivationProtocol::TokenListener tokenListener{
    [](void* data, wl_proxy*, const char* text) { *static_cast<std::string*>(data) = text; }};

// A token for the player's latest press, on the surface that had it; empty where the compositor
// gave none.
std::string activationToken(const LoadedWayland::Calls& wl, Compositor& compositor,
                            wl_proxy* pressedSurface)
{
    using namespace XdgActivationProtocol;
    wl_proxy* token = wl.marshal(compositor.activation, getActivationToken,
                                 &XdgActivationProtocol::token, 1, 0, nullptr);
    if (!token)
        return {};
    std::string text;
    listen(wl, token, tokenListener, &text);
    wl.marshal(token, setSerial, nullptr, 1, 0, compositor.pressSerial, compositor.seat);
    if (pressedSurface)
        wl.marshal(token, setSurface, nullptr, 1, 0, pressedSurface);
    wl.marshal(token, commit, nullptr, 1, 0);
    // Compositors answer the commit at once, before the round trip's end.
    wl.roundtripQueue(connection().display, compositor.queue);
    wl.marshal(token, destroyToken, nullptr, 1, WL_MARSHAL_FLAG_DESTROY);
    return text;
}

// The shown window of the game that the pointer is over, where the compositor has said so; the
// surface it named may be gone.
QWindow* windowUnderPointer()
{
    const wl_proxy* under = compositor().pointerSurface;
    const QWindowList windows = QGuiApplication::topLevelWindows();
    const auto found = std::find_if(windows.begin(), windows.end(), [under](QWindow* window) {
        return under && window->isVisible() && connection().surface(*window) == under;
    });
    return found == windows.end() ? nullptr : *found;
}

// While a modal window of the game is open, a press on any other window of the game brings the
// modal one to the front, with a token for that press: KWin otherwise hands the keyboard to the
// window pressed on, and brings back no modal window it minimised. Where activation does not
// raise, the window is left to ModalBox, which takes it down once the keyboard has left it.
void keepModalWindowInFront()
{
    QWidget* modal = QApplication::activeModalWidget();
    QWindow* pressed = windowUnderPointer();
    if (modal && modal->isVisible() && pressed && pressed != modal->windowHandle())
        WindowSystem::activateForLatestPress(*modal);
}

// The extra surface that marks a window modal for GNOME's compositor, let go when the window
// hides, as its surface then goes: the compositor keeps one until it is let go, and every showing
// of a window makes a new surface.
class ModalMark : public QObject
{
public:
    ModalMark(QWindow& window, wl_proxy* extra) : QObject(&window), m_extra(extra)
    {
        connect(&window, &QWindow::visibleChanged, this, [this](bool visible) {
            if (!visible)
                delete this;
        });
    }
    ModalMark(const ModalMark&) = delete;
    ModalMark& operator=(const ModalMark&) = delete;
    ~ModalMark() override
    {
        if (const LoadedWayland::Calls* wl = connection().calls)
            wl->marshal(m_extra, GtkShellProtocol::release, nullptr,
                        GtkShellProtocol::releaseVersion, WL_MARSHAL_FLAG_DESTROY);
    }

private:
    wl_proxy* m_extra;
};

} // namespace

namespace WindowSystem {

void speakWaylandOn(WaylandConnection connection)
{
    if (asked && spokenOn && spokenOn->calls)
        asked->letGo(*spokenOn->calls);
    delete asked;
    asked = nullptr;
    delete spokenOn;
    spokenOn = new WaylandConnection(std::move(connection));
}

bool speaksToCompositor()
{
    return connection().display;
}

bool windowsDrawTheirTitleBars()
{
    return speaksToCompositor() && !compositor().drawsFrames;
}

bool activationRaises()
{
    return speaksToCompositor() && compositor().activationRaises;
}

bool activateForLatestPress(QWidget& window)
{
    if (!speaksToCompositor())
        return false;
    Compositor& offered = compositor();
    const LoadedWayland::Calls* wl = connection().calls;
    QWindow* shown = window.windowHandle();
    wl_proxy* surface = shown ? connection().surface(*shown) : nullptr;
    if (!offered.seat || !offered.activationRaises || !wl || !surface)
        return false;
    if (!offered.activation)
        offered.activation = wl->marshal(
            offered.registry, WL_REGISTRY_BIND, &XdgActivationProtocol::activation, 1, 0,
            offered.activationName, XdgActivationProtocol::activation.name, 1U, nullptr);
    // The press that asks for the window landed on the window under the pointer, or the window
    // that has the focus, or else on the game's window, its parent.
    QWindow* pressed = windowUnderPointer();
    if (!pressed)
        pressed = QGuiApplication::focusWindow();
    if (!pressed)
        pressed = shown->transientParent();
    const std::string token =
        offered.activation
            ? activationToken(*wl, offered, pressed ? connection().surface(*pressed) : nullptr)
            : std::string();
    if (token.empty())
        return false;
    wl->marshal(offered.activation, XdgActivationProtocol::activate, nullptr, 1, 0, token.c_str(),
                surface);
    wl->flush(connection().display);
    return true;
}

void markModalDialog(QWindow& window)
{
    if (!speaksToCompositor())
        return;
    Compositor& offered = compositor();
    const LoadedWayland::Calls* wl = connection().calls;
    wl_proxy* surface = connection().surface(window);
    if (!wl || !surface || !offered.gtkShellName)
        return;
    // One mark for each surface.
    if (window.findChild<ModalMark*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    const std::uint32_t version = offered.gtkShellVersion;
    if (!offered.gtkShell) {
        offered.gtkShell =
            wl->marshal(offered.registry, WL_REGISTRY_BIND, &GtkShellProtocol::shell, version, 0,
                        offered.gtkShellName, GtkShellProtocol::shell.name, version, nullptr);
        if (!offered.gtkShell)
            return;
        // Its events, and its surfaces', go to Qt's queue, which drops them as they come: on the
        // game's queue they would pile up between two questions asked of it.
        wl->setQueue(offered.gtkShell, nullptr);
    }
    wl_proxy* extra = wl->marshal(offered.gtkShell, GtkShellProtocol::getGtkSurface,
                                  &GtkShellProtocol::surface, version, 0, nullptr, surface);
    if (!extra)
        return;
    wl->marshal(extra, GtkShellProtocol::setModal, nullptr, version, 0);
    // A compositor of an older version has no release: it keeps the surface until the game ends.
    if (version >= GtkShellProtocol::releaseVersion)
        new ModalMark(window, extra);
    else
        wl->destroy(extra);
}

} // namespace WindowSystem
