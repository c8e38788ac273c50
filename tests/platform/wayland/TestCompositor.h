#pragma once

#include <QStringList>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

struct wl_display;
struct wl_event_loop;
struct wl_event_source;
struct wl_interface;
struct wl_resource;

// A Wayland compositor of the tests' own, in a thread of the test's process, made with the
// server half of the Wayland library: it offers the globals a test chooses, makes an object for
// every new id it is sent, answers a committed activation token with a token, and records every
// request. A test says what it offers, lets the client speak to it, and checks what it asked.
// Its activation and decoration interfaces are those that wayland-scanner makes from the
// protocols' XML, so a client table that differs from the XML in a name or a signature meets a
// compositor that does not understand it.
class TestCompositor
{
public:
    struct Globals
    {
        bool activation = true;
        bool decorations = false;
        // GNOME's shell protocol, offered with the interface the client declares: its XML comes
        // only with GNOME's own sources, not in Debian's wayland-protocols, so here only what
        // the client asks of it is checked, not its names. Null offers none.
        const wl_interface* gtkShell = nullptr;
    };

    explicit TestCompositor(const Globals& globals);
    ~TestCompositor();
    TestCompositor(const TestCompositor&) = delete;
    TestCompositor& operator=(const TestCompositor&) = delete;

    // The client's end of the compositor's one connection, for wl_display_connect_to_fd, which
    // takes it over.
    int clientFd() const { return m_clientFd; }

    // A press and then a release of the left button on every pointer the client asked for, each
    // with its serial; they are on their way to the client when this returns.
    void click(std::uint32_t pressSerial, std::uint32_t releaseSerial);

    // The requests received so far of one kind ("interface.request"), each as
    // "interface@id.request(arguments)", objects named as "interface@id".
    QStringList requests(const QString& kind) const;

    // The objects of one interface that the client made, as "interface@id", in their order.
    QStringList objects(const QString& interface) const;

private:
    struct Global
    {
        TestCompositor* compositor;
        const wl_interface* interface;
    };
    struct Request
    {
        QString kind;
        QString text;
    };

    static void bind(struct wl_client* client, void* data, std::uint32_t version, std::uint32_t id);
    static int dispatch(const void* compositor, void* target, std::uint32_t opcode,
                        const struct wl_message* message, union wl_argument* arguments);
    static int runTasks(int fd, std::uint32_t mask, void* compositor);

    wl_resource* serve(struct wl_client* client, const wl_interface* interface,
                       std::uint32_t version, std::uint32_t id);
    void offer(const wl_interface* interface);
    // Runs the task in the compositor's thread and waits until it has run and its events are sent.
    void inThread(std::function<void()> task);

    wl_display* m_display;
    wl_event_loop* m_loop;
    // Each global's data points at its entry.
    std::deque<Global> m_globals;
    std::vector<wl_resource*> m_pointers;
    int m_taskFd;
    wl_event_source* m_taskSource;
    int m_clientFd = -1;
    int m_tokens = 0;
    // Read by the compositor's thread only: set by its last task.
    bool m_running = true;

    mutable std::mutex m_mutex;
    std::condition_variable m_tasksRun;
    std::deque<std::function<void()>> m_tasks;
    std::uint64_t m_tasksDone = 0;
    std::vector<Request> m_requests;
    std::vector<QString> m_objects;
    std::thread m_thread;
};
