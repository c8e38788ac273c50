// Exits with 0 when this client can grab both the pointer and the keyboard, which tells that no
// other client (the window manager in a move it never ended, say) holds them; prints which one
// is taken otherwise.
#include <X11/Xlib.h>
#include <stdio.h>

int main(void)
{
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "cannot open display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    const int pointer = XGrabPointer(display, root, False, ButtonPressMask, GrabModeAsync,
                                     GrabModeAsync, None, None, CurrentTime);
    const int keyboard =
        XGrabKeyboard(display, root, False, GrabModeAsync, GrabModeAsync, CurrentTime);
    if (pointer == GrabSuccess)
        XUngrabPointer(display, CurrentTime);
    else
        puts("the pointer is grabbed");
    if (keyboard == GrabSuccess)
        XUngrabKeyboard(display, CurrentTime);
    else
        puts("the keyboard is grabbed");
    XCloseDisplay(display);
    return pointer == GrabSuccess && keyboard == GrabSuccess ? 0 : 1;
}
