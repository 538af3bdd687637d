// The facility's own small program, used by the tests in a real window. It draws a known picture on
// the visible page, then polls the keyboard and the mouse in a tight loop with no sleep and reports
// on standard output what it sees, one line each: "key" and the key string's bytes in hex, or
// "mouse x y buttons" with the wall-clock time in milliseconds whenever the reading changes. The
// close request is reported and ends the program with status 0; the key "q" ends it with status 3.
// With the argument --dump FILE it also writes the known picture as a binary PPM (RGB) to FILE.

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "screen/events.h"
#include "screen/screen.h"
#include "screen/window.h"

namespace {

const char* dumpPath = nullptr;

void drawKnownPicture() {
    fillBox(0, 0, 639, 479, 0xFF203040);
    fillBox(20, 20, 619, 459, 0x00FFFFAA);  // alpha 0: the window must show the full colour
    drawBox(10, 10, 629, 469, 0xFFFF0000);
    drawLine(30, 40, 600, 300, 0xFF0000FF);
    drawLine(600, 40, 30, 440, 0x000000FF);
    fillCircle(320, 240, 60, 0xFF00C000);
    drawCircle(320, 240, 80, 0);
    floodFill(320, 165, 0x00FF8000, 0);
    setTextColours(0xFF000000, 0x00FFFFAA);
    locateText(2, 4);
    printText("schallausbreitung \x84 \x10\x11 0123456789", true);
    drawText(500, 400, "ABC");
}

void writeDump() {
    std::FILE* f = std::fopen(dumpPath, "wb");
    if (!f) return;
    std::fprintf(f, "P6\n%d %d\n255\n", SCREEN_WIDTH, SCREEN_HEIGHT);
    for (Rgb32 p : pageSnapshot(0)) {
        const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                      static_cast<unsigned char>(p)};
        std::fwrite(rgb, 1, 3, f);
    }
    std::fclose(f);
}

long long wallClockMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void demo() {
    openScreen();
    drawKnownPicture();
    if (dumpPath) writeDump();
    std::printf("ready\n");
    std::fflush(stdout);
    MouseState last{-2, -2, -2, -2};
    for (;;) {
        const std::string key = pollKey();
        if (!key.empty()) {
            std::printf("key");
            for (unsigned char c : key) std::printf(" %02x", c);
            std::printf("\n");
            std::fflush(stdout);
            if (key == CLOSE_KEY) endProgram(0);
            if (key == "q") endProgram(3);
        }
        const MouseState m = pollMouse();
        if (std::memcmp(&m, &last, sizeof m) != 0) {
            std::printf("mouse %d %d %d %lld\n", m.x, m.y, m.buttons, wallClockMs());
            std::fflush(stdout);
            last = m;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--dump") == 0) dumpPath = argv[2];
    return runInWindow(argv[0], demo);
}
