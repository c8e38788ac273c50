#include "TestCompositor.h"

#include "xdg-activation-v1-server-protocol.h"
#include "xdg-decoration-unstable-v1-server-protocol.h"

#include <cstring>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>
#include <wayland-server-core.h>
#include <wayland-server-protocol.h>

namespace {

constexpr std::uint32_t leftButton = 0x110;

QString objectName(wl_resource* resource)
{
    if (!resource)
        return QStringLiteral("null");
    return QStringLiteral("%1@%2")
        .arg(QLatin1String(wl_resource_get_class(resource)))
        .arg(wl_resource_get_id(resource));
}

// The types of a message's arguments, without the version it came in and the marks of arguments
// that may be null.
QByteArray argumentTypes(const wl_message& message)
{
    QByteArray types;
    for (const char* c = message.signature; *c; ++c) {
        if (*c != '?' && (*c < '0' || *c > '9'))
            types += *c;
    }
    return types;
}

} // namespace

TestCompositor::TestCompositor(const Globals& globals)
    : m_display(wl_display_create()), m_loop(wl_display_get_event_loop(m_display)),
      m_taskFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    m_taskSource = wl_event_loop_add_fd(m_loop, m_taskFd, WL_EVENT_READABLE, runTasks, this);
    offer(&wl_compositor_interface);
    offer(&wl_seat_interface);
    if (globals.activation)
        offer(&xdg_activation_v1_interface);
    if (globals.decorations)
        offer(&zxdg_decoration_manager_v1_interface);
    if (globals.gtkShell)
        offer(globals.gtkShell);
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) == 0) {
        wl_client_create(m_display, ends[0]);
        m_clientFd = ends[1];
    }
    m_thread = std::thread([this] {
        while (m_running) {
            wl_display_flush_clients(m_display);
            wl_event_loop_dispatch(m_loop, -1);
        }
    });
}

TestCompositor::~TestCompositor()
{
    inThread([this] { m_running = false; });
    m_thread.join();
    wl_event_source_remove(m_taskSource);
    wl_display_destroy_clients(m_display);
    wl_display_destroy(m_display);
    close(m_taskFd);
}

void TestCompositor::offer(const wl_interface* interface)
{
    m_globals.push_back({this, interface});
    wl_global_create(m_display, interface, interface->version, &m_globals.back(), bind);
}

void TestCompositor::bind(wl_client* client, void* data, std::uint32_t version, std::uint32_t id)
{
    const auto* global = static_cast<const Global*>(data);
    global->compositor->serve(client, global->interface, version, id);
}

wl_resource* TestCompositor::serve(wl_client* client, const wl_interface* interface,
                                   std::uint32_t version, std::uint32_t id)
{
    wl_resource* resource = wl_resource_create(client, interface, static_cast<int>(version), id);
    if (!resource)
        return nullptr;
    wl_resource_set_dispatcher(resource, dispatch, this, this, [](wl_resource* gone) {
        std::erase(static_cast<TestCompositor*>(wl_resource_get_user_data(gone))->m_pointers, gone);
    });
    if (interface == &wl_pointer_interface)
        m_pointers.push_back(resource);
    const std::lock_guard lock(m_mutex);
    m_objects.push_back(objectName(resource));
    return resource;
}

int TestCompositor::dispatch(const void*, void* target, std::uint32_t, const wl_message* message,
                             wl_argument* arguments)
{
    auto* resource = static_cast<wl_resource*>(target);
    auto& compositor = *static_cast<TestCompositor*>(wl_resource_get_user_data(resource));
    const QByteArray types = argumentTypes(*message);
    QStringList texts;
    for (qsizetype i = 0; i < types.size(); ++i) {
        const wl_argument& argument = arguments[i];
        switch (types[i]) {
        case 'n': {
            // Every new object speaks the version of the one that made it.
            wl_resource* made = compositor.serve(
                wl_resource_get_client(resource), message->types[i],
                static_cast<std::uint32_t>(wl_resource_get_version(resource)), argument.n);
            texts += QStringLiteral("new ") + objectName(made);
            break;
        }
        case 'o':
            texts += objectName(static_cast<wl_resource*>(static_cast<void*>(argument.o)));
            break;
        case 's':
            texts += argument.s ? QStringLiteral("\"%1\"").arg(QString::fromUtf8(argument.s))
                                : QStringLiteral("null");
            break;
        case 'u':
            texts += QString::number(argument.u);
            break;
        case 'i':
            texts += QString::number(argument.i);
            break;
        case 'f':
            texts += QString::number(wl_fixed_to_double(argument.f));
            break;
        case 'a':
            texts += QStringLiteral("array of %1 bytes").arg(argument.a ? argument.a->size : 0);
            break;
        default:
            texts += QStringLiteral("fd");
        }
    }
    const QString kind = QStringLiteral("%1.%2").arg(QLatin1String(wl_resource_get_class(resource)),
                                                     QLatin1String(message->name));
    {
        const std::lock_guard lock(compositor.m_mutex);
        compositor.m_requests.push_back(
            {kind, QStringLiteral("%1.%2(%3)")
                       .arg(objectName(resource), QLatin1String(message->name),
                            texts.join(QStringLiteral(", ")))});
    }
    // A token request is answered once it is committed, as GNOME's compositor and KWin do.
    if (kind == QLatin1String("xdg_activation_token_v1.commit"))
        xdg_activation_token_v1_send_done(
            resource, QStringLiteral("token-%1").arg(++compositor.m_tokens).toUtf8().constData());
    // The protocols name their destructors so.
    if (std::strcmp(message->name, "destroy") == 0 || std::strcmp(message->name, "release") == 0)
        wl_resource_destroy(resource);
    return 0;
}

int TestCompositor::runTasks(int fd, std::uint32_t, void* data)
{
    auto& compositor = *static_cast<TestCompositor*>(data);
    std::uint64_t count = 0;
    if (read(fd, &count, sizeof count) < 0)
        return 0;
    std::unique_lock lock(compositor.m_mutex);
    while (!compositor.m_tasks.empty()) {
        const std::function<void()> task = std::move(compositor.m_tasks.front());
        compositor.m_tasks.pop_front();
        lock.unlock();
        task();
        wl_display_flush_clients(compositor.m_display);
        lock.lock();
        ++compositor.m_tasksDone;
    }
    compositor.m_tasksRun.notify_all();
    return 0;
}

void TestCompositor::inThread(std::function<void()> task)
{
    std::unique_lock lock(m_mutex);
    m_tasks.push_back(std::move(task));
    const std::uint64_t awaited = m_tasksDone + m_tasks.size();
    const std::uint64_t one = 1;
    if (write(m_taskFd, &one, sizeof one) < 0)
        return;
    m_tasksRun.wait(lock, [&] { return m_tasksDone >= awaited; });
}

void TestCompositor::click(std::uint32_t pressSerial, std::uint32_t releaseSerial)
{
    inThread([this, pressSerial, releaseSerial] {
        for (wl_resource* pointer : m_pointers) {
            wl_pointer_send_button(pointer, pressSerial, 0, leftButton,
                                   WL_POINTER_BUTTON_STATE_PRESSED);
            wl_pointer_send_button(pointer, releaseSerial, 0, leftButton,
                                   WL_POINTER_BUTTON_STATE_RELEASED);
        }
    });
}

QStringList TestCompositor::requests(const QString& kind) const
{
    const std::lock_guard lock(m_mutex);
    QStringList texts;
    for (const Request& request : m_requests) {
        if (request.kind == kind)
            texts += request.text;
    }
    return texts;
}

QStringList TestCompositor::objects(const QString& interface) const
{
    const std::lock_guard lock(m_mutex);
    QStringList names;
    for (const QString& name : m_objects) {
        if (name.startsWith(interface + QLatin1Char('@')))
            names += name;
    }
    return names;
}
