// ping-window WINDOW [SECONDS]: sends the client of an X window a _NET_WM_PING and waits for its
// answer, which goes to the root window. The client answers from its event loop, after every X
// event that reached it before the ping, so the answer tells that it has read them and is not
// stuck. Exits with 0 on the answer, 1 when none comes within the time (10 s unless given).
#include <X11/Xlib.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static double now(void)
{
    struct timespec clock;
    clock_gettime(CLOCK_MONOTONIC, &clock);
    return (double)clock.tv_sec + (double)clock.tv_nsec / 1e9;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: ping-window WINDOW [SECONDS]\n");
        return 2;
    }
    const Window window = (Window)strtoul(argv[1], NULL, 0);
    const double limit = argc > 2 ? atof(argv[2]) : 10.0;
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "cannot open display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    // Clients answer with one mask or the other.
    XSelectInput(display, root, StructureNotifyMask | SubstructureNotifyMask);

    // The time field carries a token of this process, so that only our own answer counts.
    const long token = (long)(now() * 1000.0) & 0x7fffffff;
    XEvent event = {0};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)ping;
    event.xclient.data.l[1] = token;
    event.xclient.data.l[2] = (long)window;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);

    const double deadline = now() + limit;
    while (now() < deadline) {
        while (XPending(display)) {
            XNextEvent(display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == protocols &&
                (Atom)event.xclient.data.l[0] == ping && event.xclient.data.l[1] == token) {
                XCloseDisplay(display);
                return 0;
            }
        }
        struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 100);
    }
    XCloseDisplay(display);
    fprintf(stderr, "no answer to a ping of window %s within %g s\n", argv[1], limit);
    return 1;
}
