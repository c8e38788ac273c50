// Starts a program and prints how long it took from the start to the mapping of its first
// top-level window of the given size, and to that window showing its first whole frame, in
// milliseconds, and the program's resident memory in KiB half a second after the mapping; then
// ends the program. Meant for a display without a window manager, where a top-level window is
// mapped as a child of the root window.
//
//   map-timer [--frame FILE | --save-frame FILE] WIDTH HEIGHT PROGRAM [ARGUMENT...]
//
// The first whole frame is the window's pixels equal to those in FILE, which --save-frame
// writes from a window left to settle for a second. They are compared at every change that
// the X server reports to the window's contents. Without --frame the frame time prints as "-".
#define _GNU_SOURCE
#include "child.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <errno.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static const double timeLimitMs = 60000.0;
static const double settleMs = 1000.0;
static const double residentAfterMs = 500.0;

static double nowMs(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

static void sleepUntil(double when)
{
    const double left = when - nowMs();
    if (left > 0)
        usleep((useconds_t)(left * 1000));
}

static long residentKib(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* status = fopen(path, "r");
    if (!status)
        return -1;
    char line[256];
    long kib = -1;
    while (fgets(line, sizeof line, status)) {
        if (strncmp(line, "VmRSS:", 6) == 0) {
            kib = strtol(line + 6, NULL, 10);
            break;
        }
    }
    fclose(status);
    return kib;
}

struct Frame
{
    char* bytes;
    size_t size;
};

static int readFrame(const char* path, struct Frame* frame)
{
    FILE* file = fopen(path, "rb");
    if (!file)
        return -1;
    fseek(file, 0, SEEK_END);
    frame->size = (size_t)ftell(file);
    rewind(file);
    frame->bytes = malloc(frame->size);
    const int ok = frame->bytes && fread(frame->bytes, 1, frame->size, file) == frame->size;
    fclose(file);
    return ok ? 0 : -1;
}

// The window's pixels as the X server holds them, or NULL.
static XImage* grab(Display* display, Window window, int width, int height)
{
    return XGetImage(display, window, 0, 0, (unsigned)width, (unsigned)height, AllPlanes, ZPixmap);
}

static size_t imageSize(const XImage* image)
{
    return (size_t)image->bytes_per_line * (size_t)image->height;
}

static int showsFrame(Display* display, Window window, int width, int height,
                      const struct Frame* frame)
{
    XImage* image = grab(display, window, width, height);
    if (!image)
        return 0;
    const int same =
        imageSize(image) == frame->size && memcmp(image->data, frame->bytes, frame->size) == 0;
    XDestroyImage(image);
    return same;
}

struct Watch
{
    int width, height;
    int damageEvent;
    Window window;
    Damage damage;
    double mapped;
};

static int sizeIs(Display* display, Window window, int width, int height)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.width == width &&
           attributes.height == height;
}

// Handles one event; returns 1 when the awaited frame is on the window.
static int handle(Display* display, XEvent* event, struct Watch* watch, const struct Frame* frame)
{
    if (event->type == CreateNotify && !watch->window &&
        event->xcreatewindow.width == watch->width &&
        event->xcreatewindow.height == watch->height) {
        watch->window = event->xcreatewindow.window;
        watch->damage = XDamageCreate(display, watch->window, XDamageReportNonEmpty);
    } else if (event->type == MapNotify && watch->mapped == 0 &&
               sizeIs(display, event->xmap.window, watch->width, watch->height)) {
        watch->mapped = nowMs();
        if (watch->window != event->xmap.window) {
            watch->window = event->xmap.window;
            watch->damage = XDamageCreate(display, watch->window, XDamageReportNonEmpty);
        }
        return frame && showsFrame(display, watch->window, watch->width, watch->height, frame);
    } else if (event->type == watch->damageEvent + XDamageNotify && watch->mapped != 0) {
        XDamageSubtract(display, watch->damage, None, None);
        return frame && showsFrame(display, watch->window, watch->width, watch->height, frame);
    }
    return 0;
}

// Waits for the window to map and, with a frame to wait for, to show it; the time of the
// frame, or 0 without one, or -1 when the time limit passes first.
static double waitFor(Display* display, struct Watch* watch, const struct Frame* frame,
                      double deadline)
{
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (handle(display, &event, watch, frame))
                return nowMs();
            if (watch->mapped != 0 && !frame)
                return 0;
        }
        const double left = deadline - nowMs();
        if (left <= 0)
            return -1;
        struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
        if (poll(&connection, 1, (int)left + 1) < 0 && errno != EINTR)
            return -1;
    }
}

static int saveFrame(Display* display, const struct Watch* watch, const char* path)
{
    XImage* image = grab(display, watch->window, watch->width, watch->height);
    FILE* file = fopen(path, "wb");
    const int ok =
        image && file && fwrite(image->data, 1, imageSize(image), file) == imageSize(image);
    if (file)
        fclose(file);
    if (image)
        XDestroyImage(image);
    return ok ? 0 : -1;
}

int main(int argc, char** argv)
{
    const char* framePath = NULL;
    const char* savePath = NULL;
    int first = 1;
    if (argc > 2 && strcmp(argv[1], "--frame") == 0)
        framePath = argv[2], first = 3;
    else if (argc > 2 && strcmp(argv[1], "--save-frame") == 0)
        savePath = argv[2], first = 3;
    if (argc < first + 3) {
        fprintf(stderr, "usage: %s [--frame FILE | --save-frame FILE] WIDTH HEIGHT PROGRAM...\n",
                argv[0]);
        return 2;
    }
    struct Frame frame = {NULL, 0};
    if (framePath && readFrame(framePath, &frame) != 0) {
        fprintf(stderr, "cannot read %s\n", framePath);
        return 1;
    }
    Display* display = XOpenDisplay(NULL);
    int damageError;
    struct Watch watch = {atoi(argv[first]), atoi(argv[first + 1]), 0, 0, 0, 0};
    if (!display || !XDamageQueryExtension(display, &watch.damageEvent, &damageError)) {
        fprintf(stderr, "cannot open display with the DAMAGE extension\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t pid = startChild(argv + first + 2, ConnectionNumber(display));
    if (pid < 0)
        return 1;

    const double shown = waitFor(display, &watch, framePath ? &frame : NULL, start + timeLimitMs);
    if (shown < 0) {
        fprintf(stderr,
                watch.mapped ? "the window never showed the frame of %s\n"
                             : "no window of the size was mapped%s\n",
                framePath ? framePath : "");
        endChild(pid);
        return 1;
    }
    int status = 0;
    if (savePath) {
        sleepUntil(watch.mapped + settleMs);
        status = saveFrame(display, &watch, savePath);
    }
    sleepUntil(watch.mapped + residentAfterMs);
    const long kib = residentKib(pid);
    endChild(pid);
    XCloseDisplay(display);
    if (framePath)
        printf("%.1f %.1f %ld\n", watch.mapped - start, shown - start, kib);
    else
        printf("%.1f - %ld\n", watch.mapped - start, kib);
    free(frame.bytes);
    return status;
}
