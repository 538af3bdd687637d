// Writes the README's screenshot: the real program run headless, a sine against the wall chosen
// with the mouse, after 60 frames. Usage: make_screenshot OUT.png

#include <cstdio>

#include "tests/support/headless_program.h"
#include "tests/support/png_io.h"
#include "view/scene.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_screenshot OUT.png\n");
        return 2;
    }
    HeadlessProgram program;
    program.mouse(600, 462, 1);  // "Wand"
    program.frame();
    program.mouseAway();
    program.press("s");
    program.frames(60);
    return writePng(argv[1], program.shown(), SCREEN_WIDTH, SCREEN_HEIGHT) ? 0 : 1;
}
