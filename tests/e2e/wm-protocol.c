// wm-protocol ping WINDOW [SECONDS]: sends the client of an X window a _NET_WM_PING and waits
// for its answer, which goes to the root window. The client answers from its event loop, after
// every X event that reached it before the ping, so the answer tells that it has read them and
// is not stuck. Exits with 0 on the answer, 1 when none comes within the time (10 s unless
// given).
// wm-protocol close WINDOW: asks the client to close the window, as the window manager's close
// button does (WM_DELETE_WINDOW), whichever window has the keyboard.
#include <X11/Xlib.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static double now(void)
{
    struct timespec clock;
    clock_gettime(CLOCK_MONOTONIC, &clock);
    return (double)clock.tv_sec + (double)clock.tv_nsec / 1e9;
}

int main(int argc, char** argv)
{
    const int closing = argc == 3 && strcmp(argv[1], "close") == 0;
    if (!closing && (argc < 3 || argc > 4 || strcmp(argv[1], "ping") != 0)) {
        fprintf(stderr, "usage: wm-protocol ping WINDOW [SECONDS] | wm-protocol close WINDOW\n");
        return 2;
    }
    const Window window = (Window)strtoul(argv[2], NULL, 0);
    const double limit = argc > 3 ? atof(argv[3]) : 10.0;
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "cannot open display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    if (closing) {
        XEvent request = {0};
        request.xclient.type = ClientMessage;
        request.xclient.window = window;
        request.xclient.message_type = protocols;
        request.xclient.format = 32;
        request.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
        request.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &request);
        XCloseDisplay(display);
        return 0;
    }
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
    fprintf(stderr, "no answer to a ping of window %s within %g s\n", argv[2], limit);
    return 1;
}
