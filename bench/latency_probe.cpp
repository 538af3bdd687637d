// Measures how long a window takes to show the effect of a key or a held click: presses the key
// (or moves the pointer to X Y in the window and presses the left button) through the XTest
// extension, as a real keyboard or mouse would, then reads the window's pixel at PX PY until it has
// the colour RRGGBB, and prints the milliseconds in between. Releases the key or button afterwards.
// Usage: latency_probe WINDOW key KEYNAME PX PY RRGGBB
//        latency_probe WINDOW click X Y PX PY RRGGBB

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

unsigned long pixelAt(Display* display, Window window, int x, int y) {
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return ~0ul;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

}  // namespace

int main(int argc, char** argv) {
    const bool key = argc == 7 && std::strcmp(argv[2], "key") == 0;
    const bool click = argc == 8 && std::strcmp(argv[2], "click") == 0;
    if (!key && !click) {
        std::fprintf(stderr, "usage: latency_probe WINDOW key KEYNAME PX PY RRGGBB | WINDOW click X Y PX PY RRGGBB\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const int px = std::atoi(argv[argc - 3]), py = std::atoi(argv[argc - 2]);
    const unsigned long wanted = std::strtoul(argv[argc - 1], nullptr, 16);
    unsigned int keycode = 0;
    if (click) {
        Window child;
        int rootX, rootY;
        XTranslateCoordinates(display, window, DefaultRootWindow(display), std::atoi(argv[3]), std::atoi(argv[4]), &rootX,
                              &rootY, &child);
        XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
        XSync(display, False);
    } else {
        keycode = XKeysymToKeycode(display, XStringToKeysym(argv[3]));
    }

    const auto start = std::chrono::steady_clock::now();
    if (click)
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
    else
        XTestFakeKeyEvent(display, keycode, True, CurrentTime);
    XSync(display, False);
    double elapsed = 0;
    while (pixelAt(display, window, px, py) != wanted && elapsed < 5000)
        elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (click)
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
    else
        XTestFakeKeyEvent(display, keycode, False, CurrentTime);
    XSync(display, False);
    XCloseDisplay(display);
    std::printf("%.1f\n", elapsed);
    return elapsed < 5000 ? 0 : 1;
}
