// Starts a program and prints how long it took from the start to the mapping of its first
// top-level window of the given size, in milliseconds, and the program's resident memory in
// KiB half a second later; then ends the program. Meant for a display without a window manager,
// where a top-level window is mapped as a child of the root window.
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static const double timeLimitMs = 60000.0;

static double nowMs(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
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

static void endChild(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, NULL, WNOHANG) == pid)
            return;
        usleep(100 * 1000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
}

// Waits for a MapNotify of a window of the given size; returns 0 when seen.
static int waitForMap(Display* display, int width, int height, double deadline)
{
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify)
                continue;
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, event.xmap.window, &attributes) &&
                attributes.width == width && attributes.height == height)
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

int main(int argc, char** argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: %s WIDTH HEIGHT PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    const int width = atoi(argv[1]);
    const int height = atoi(argv[2]);
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "cannot open display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        perror("fork");
        return 1;
    }
    if (pid == 0) {
        close(ConnectionNumber(display));
        execv(argv[3], argv + 3);
        perror(argv[3]);
        _exit(127);
    }

    if (waitForMap(display, width, height, start + timeLimitMs) != 0) {
        fprintf(stderr, "no %dx%d window was mapped\n", width, height);
        endChild(pid);
        return 1;
    }
    const double mapped = nowMs();
    usleep(500 * 1000);
    const long kib = residentKib(pid);
    endChild(pid);
    XCloseDisplay(display);
    printf("%.1f %ld\n", mapped - start, kib);
    return 0;
}
