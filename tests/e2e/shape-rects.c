// Prints the bounding shape of an X window, one rectangle a line: x y width height.
// Exits with 3 when the window has no shape of its own (X then reports its whole rectangle).
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s WINDOW-ID\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "cannot open display\n");
        return 1;
    }
    const Window window = (Window)strtoul(argv[1], NULL, 0);

    Bool boundingShaped = False, clipShaped = False;
    int x, y, clipX, clipY;
    unsigned width, height, clipWidth, clipHeight;
    XShapeQueryExtents(display, window, &boundingShaped, &x, &y, &width, &height, &clipShaped,
                       &clipX, &clipY, &clipWidth, &clipHeight);
    if (!boundingShaped) {
        fprintf(stderr, "window %s has no bounding shape\n", argv[1]);
        XCloseDisplay(display);
        return 3;
    }

    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(display, window, ShapeBounding, &count, &ordering);
    for (int i = 0; i < count; ++i)
        printf("%d %d %u %u\n", rects[i].x, rects[i].y, rects[i].width, rects[i].height);
    if (rects)
        XFree(rects);
    XCloseDisplay(display);
    return 0;
}
