// Starts a program with a window of the game's size and times its answers to the mouse, as the
// X server sees them: from a button press on each point to the pointer picture changing, and
// from a button release over a hole to the hole's pixels being drawn again. Prints one line
// per answer, "pick MS" or "drop MS", with "first" after a pick of a point not pressed before;
// then ends the program. Meant for a display without a window manager.
//
//   input-timer [--window WIDTH HEIGHT] ROUNDS HOLE-X HOLE-Y WIDTH HEIGHT POINTS
//               PROGRAM [ARGUMENT...]
//
// The window to time is the first of the game's size, 449 by 563, or of the size given, in
// device pixels, as on a scaled screen.
// POINTS are "x,y x,y ...", window coordinates that each pick a different picture; the hole is
// a rectangle in window coordinates whose centre takes a click. Each round presses every
// point, drops into the hole what was picked and lifts it out again.
#define _GNU_SOURCE
#include "child.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>
#include <errno.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

enum
{
    maxPoints = 16
};
static int windowWidth = 449, windowHeight = 563;
static const double answerLimitMs = 5000.0;

static double nowMs(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

struct Session
{
    Display* display;
    Window window;
    int originX, originY;
    int damageEvent, fixesEvent;
    Damage damage;
    XRectangle hole;
};

// Waits for an event that the test accepts; returns its time, or -1 after the time limit.
static double awaitEvent(struct Session* s, int (*accepts)(struct Session*, XEvent*))
{
    const double deadline = nowMs() + answerLimitMs;
    for (;;) {
        while (XPending(s->display)) {
            XEvent event;
            XNextEvent(s->display, &event);
            if (accepts(s, &event))
                return nowMs();
        }
        const double left = deadline - nowMs();
        if (left <= 0)
            return -1;
        struct pollfd connection = {ConnectionNumber(s->display), POLLIN, 0};
        if (poll(&connection, 1, (int)left + 1) < 0 && errno != EINTR)
            return -1;
    }
}

static int isMap(struct Session* s, XEvent* event)
{
    if (event->type != MapNotify)
        return 0;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(s->display, event->xmap.window, &attributes) ||
        attributes.width != windowWidth || attributes.height != windowHeight)
        return 0;
    s->window = event->xmap.window;
    return 1;
}

static int isCursorChange(struct Session* s, XEvent* event)
{
    return event->type == s->fixesEvent + XFixesCursorNotify;
}

static int isHoleDrawn(struct Session* s, XEvent* event)
{
    if (event->type != s->damageEvent + XDamageNotify)
        return 0;
    const XRectangle area = ((XDamageNotifyEvent*)event)->area;
    const XRectangle h = s->hole;
    return area.x < h.x + h.width && h.x < area.x + area.width && area.y < h.y + h.height &&
           h.y < area.y + area.height;
}

// Lets the program take in what happened and throws away the events it caused.
static void settle(struct Session* s, int ms)
{
    XSync(s->display, False);
    usleep((useconds_t)ms * 1000);
    while (XPending(s->display)) {
        XEvent event;
        XNextEvent(s->display, &event);
    }
}

static void moveTo(struct Session* s, int x, int y)
{
    XTestFakeMotionEvent(s->display, -1, s->originX + x, s->originY + y, CurrentTime);
    settle(s, 30);
}

// Sends the button event and times the answer the test accepts.
static double timeButton(struct Session* s, Bool press, int (*answer)(struct Session*, XEvent*))
{
    const double sent = nowMs();
    XTestFakeButtonEvent(s->display, 1, press, CurrentTime);
    XFlush(s->display);
    const double answered = awaitEvent(s, answer);
    return answered < 0 ? -1 : answered - sent;
}

static void click(struct Session* s)
{
    XTestFakeButtonEvent(s->display, 1, True, CurrentTime);
    XTestFakeButtonEvent(s->display, 1, False, CurrentTime);
    settle(s, 50);
}

static int parsePoints(const char* text, int points[][2])
{
    int count = 0, used = 0;
    while (count < maxPoints &&
           sscanf(text, " %d,%d%n", &points[count][0], &points[count][1], &used) == 2) {
        text += used;
        ++count;
    }
    return count;
}

static int play(struct Session* s, int rounds, int points[][2], int count)
{
    const int holeX = s->hole.x + s->hole.width / 2, holeY = s->hole.y + s->hole.height / 2;
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < count; ++i) {
            moveTo(s, points[i][0], points[i][1]);
            const double pick = timeButton(s, True, isCursorChange);
            XTestFakeButtonEvent(s->display, 1, False, CurrentTime);
            settle(s, 30);
            moveTo(s, holeX, holeY);
            XTestFakeButtonEvent(s->display, 1, True, CurrentTime);
            settle(s, 30);
            const double drop = timeButton(s, False, isHoleDrawn);
            settle(s, 30);
            if (pick < 0 || drop < 0) {
                fprintf(stderr, "no answer to the %s on point %d\n", pick < 0 ? "press" : "release",
                        i + 1);
                return 1;
            }
            printf("pick %.3f%s\ndrop %.3f\n", pick, round == 0 ? " first" : "", drop);
            // Lifts the peg again, so that the next drop goes into an empty hole.
            click(s);
        }
    }
    return 0;
}

int main(int argc, char** argv)
{
    if (argc > 3 && strcmp(argv[1], "--window") == 0) {
        windowWidth = atoi(argv[2]);
        windowHeight = atoi(argv[3]);
        argv[3] = argv[0];
        argv += 3;
        argc -= 3;
    }
    if (argc < 8) {
        fprintf(stderr,
                "usage: %s [--window WIDTH HEIGHT] ROUNDS HOLE-X HOLE-Y WIDTH HEIGHT POINTS "
                "PROGRAM...\n",
                argv[0]);
        return 2;
    }
    struct Session s = {0};
    s.hole = (XRectangle){(short)atoi(argv[2]), (short)atoi(argv[3]), (unsigned short)atoi(argv[4]),
                          (unsigned short)atoi(argv[5])};
    int points[maxPoints][2];
    const int count = parsePoints(argv[6], points);
    int error, major, minor;
    s.display = XOpenDisplay(NULL);
    if (!s.display || !XDamageQueryExtension(s.display, &s.damageEvent, &error) ||
        !XFixesQueryExtension(s.display, &s.fixesEvent, &error) ||
        !XTestQueryExtension(s.display, &error, &error, &major, &minor) || count == 0) {
        fprintf(stderr, "needs a display with DAMAGE, XFIXES and XTEST, and points\n");
        return 1;
    }
    const Window root = DefaultRootWindow(s.display);
    XSelectInput(s.display, root, SubstructureNotifyMask);
    XSync(s.display, False);

    const pid_t pid = startChild(argv + 7, ConnectionNumber(s.display));
    if (pid < 0)
        return 1;
    int status = 1;
    if (awaitEvent(&s, isMap) < 0) {
        fprintf(stderr, "no window of %dx%d was mapped\n", windowWidth, windowHeight);
    } else {
        Window child;
        XTranslateCoordinates(s.display, s.window, root, 0, 0, &s.originX, &s.originY, &child);
        s.damage = XDamageCreate(s.display, s.window, XDamageReportRawRectangles);
        XFixesSelectCursorInput(s.display, root, XFixesDisplayCursorNotifyMask);
        settle(&s, 500);
        status = play(&s, atoi(argv[1]), points, count);
    }
    endChild(pid);
    XCloseDisplay(s.display);
    return status;
}
