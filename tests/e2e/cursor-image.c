// Prints the pointer picture that the X server shows now: width height hot-x hot-y and a
// checksum of its pixels. Two calls print the same line exactly when the picture is the same,
// which lets a test compare pointers without knowing the cursor theme.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <stdint.h>
#include <stdio.h>

int main(void)
{
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "cannot open display\n");
        return 1;
    }
    int eventBase, errorBase;
    if (!XFixesQueryExtension(display, &eventBase, &errorBase)) {
        fprintf(stderr, "no XFixes extension\n");
        XCloseDisplay(display);
        return 1;
    }
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (!image) {
        fprintf(stderr, "no cursor image\n");
        XCloseDisplay(display);
        return 1;
    }
    // FNV-1a over the ARGB values; Xlib hands each one over in an unsigned long.
    uint64_t hash = 14695981039346656037u;
    const unsigned long count = (unsigned long)image->width * image->height;
    for (unsigned long i = 0; i < count; ++i) {
        const uint32_t argb = (uint32_t)image->pixels[i];
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (argb >> shift) & 0xffu;
            hash *= 1099511628211u;
        }
    }
    printf("%u %u %u %u %016llx\n", image->width, image->height, image->xhot, image->yhot,
           (unsigned long long)hash);
    XFree(image);
    XCloseDisplay(display);
    return 0;
}
