// A soak of the real program logic, headless: random keys and mouse readings every frame (never one
// that ends the program), checking after every frame that no displacement exceeds what the model
// allows, now and then that the pages hold only colours the program draws, and at the end that the
// resident memory stayed flat. Usage: program_soak [FRAMES [SEED]]; prints a summary and exits 1 on
// the first violation.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <unordered_set>

#include "tests/support/headless_program.h"
#include "shell/controls.h"

namespace {

// Every colour the program ever puts on a page.
const std::unordered_set<Rgb32> DRAWN_COLOURS = {
    0xFF000000, 0xFFDCDCDC, 0x00000000, 0x00FFFFAA, 0x000000FF, 0xFF0000FF, 0xFFFF00FF, 0xFFFF0080,
    0xFFEAEAEA, 0xFFF4F4F4, 0xFF9A9A9A, 0xFF6E6E6E,  // grey bevel
    0xFFFF66FF, 0xFFFFB2FF, 0xFFB200B2, 0xFF800080,  // "ohne" highlighted
    0xFFFF66B3, 0xFFFFB2D9, 0xFFB2005A, 0xFF800040,  // "Membran" or "Wand" highlighted
    0xFFDB0000, 0xFFE12A08, 0xFFE75511, 0xFFED8019, 0xFFF2AA21, 0xFFF8D42A,  // the ball
    0xFF3F40FF, 0xFF5F60FF, 0xFF7F80FF, 0xFF9FA0FF, 0xFFBEBFFF, 0xFFDEDFFF,  // the marker
};

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const long frames = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    std::mt19937 random(argc > 2 ? std::atoi(argv[2]) : 1);
    auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    const char* keys[] = {"l", "r", "s", "w", "m", "x", "E", "L", "R", "S", "\r", "\x1b", "\xff" "H", "\xff" "M", " "};

    HeadlessProgram p;
    long lastReset = 0, resident = 0, pauses = 0, infoScreens = 0;
    double largest = 0;
    for (long f = 1; f <= frames; ++f) {
        if (chance(30)) {
            const char* key = keys[random() % (sizeof keys / sizeof keys[0])];
            p.press(key);
            if (key[0] == 'w' || key[0] == 'm') lastReset = f;  // a barrier key resets the row in this frame
        }
        if (chance(25)) {
            // A click anywhere, mostly on the control row, never on "Ende".
            int x, y;
            do {
                x = static_cast<int>(random() % 640);
                y = chance(70) ? 454 + static_cast<int>(random() % 19) : static_cast<int>(random() % 480);
            } while (hitsRowButton(END_BUTTON, x, y));
            p.mouse(x, y, chance(85) ? 1 : static_cast<int>(random() % 8));
            if (hitsRowButton(PAUSE_BUTTON, x, y)) {
                ++pauses;  // released, then ended by a click on no button
                p.host.at(p.host.nowMs() + 50, [] { buttonsHeld(0); });
                p.host.at(p.host.nowMs() + 400 + random() % 2000, [] {
                    pointerMoved(150, 300);
                    buttonsHeld(1);
                });
            }
            if (x > 620 && y > 431 && y < 447) ++infoScreens;
        } else if (chance(50)) {
            p.mouse(static_cast<int>(random() % 640), static_cast<int>(random() % 480), 0);
        } else {
            p.mouseAway();
        }
        if (!p.frame()) {
            std::printf("FAIL: the program ended in frame %ld\n", f);
            return 1;
        }

        // A transmitting end lets every pulse leave: no particle goes beyond the source's largest
        // swing. Against a wall the pulses stay; each displacement is a sum of at most two source
        // values per 40 frames since the row was last at rest.
        const ParticleChain& chain = p.program.chain;
        const double bound = chain.barrierMode == "w" ? 30.0 * 2 * ((f - lastReset) / 40 + 2) : 30.0;
        for (int i = 0; i <= chain.lastIndex; ++i) {
            const double u = std::abs(chain.displacement[i]);
            largest = std::max(largest, u);
            if (!(u <= bound)) {
                std::printf("FAIL: frame %ld, particle %d displaced by %g (bound %g)\n", f, i, u, bound);
                return 1;
            }
        }
        if (f % 211 == 0) {
            for (int page = 0; page < PAGE_COUNT; ++page)
                for (Rgb32 pixel : p.page(page))
                    if (!DRAWN_COLOURS.count(pixel)) {
                        std::printf("FAIL: frame %ld, page %d holds colour %08x\n", f, page, pixel);
                        return 1;
                    }
        }
        if (f == 2000) resident = residentKilobytes();
    }
    const long grown = residentKilobytes() - resident;
    std::printf("%ld frames, %ld pauses, %ld info screens, largest displacement %.2f px, resident memory grew %ld kB\n",
                frames, pauses, infoScreens, largest, grown);
    // AddressSanitizer holds freed memory back in its quarantine, so there memory is not judged.
    if (MEMORY_IS_JUDGED && frames > 2000 && grown > 2048) {
        std::printf("FAIL: the resident memory grew by %ld kB\n", grown);
        return 1;
    }
    return 0;
}
