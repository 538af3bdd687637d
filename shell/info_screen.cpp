#include "shell/info_screen.h"

#include "screen/screen.h"
#include "view/scene.h"

namespace {

// Passed with alpha 0, as given; the window shows only red, green and blue.
constexpr Rgb32 BLUE = 0x000000FF;
constexpr Rgb32 PALE_YELLOW = 0x00FFFFAA;
constexpr std::int32_t SHOWN_MS = 6000;

void printAt(std::int32_t row, std::int32_t column, const char* text) {
    locateText(row, column);
    printText(text, true);
}

}  // namespace

void showInfoScreen() {
    setPages(DISPLAY_PAGE, DISPLAY_PAGE);
    drawBox(100, 100, 420, 320, BLUE);
    fillBox(101, 101, 419, 319, PALE_YELLOW);
    setTextColours(BLUE, PALE_YELLOW);
    printAt(8, 25, "ZIZERIROVOROZIDAD");
    printAt(10, 16, "        Eine Simulation zur");
    printAt(11, 16, "Schallausbreitung im Teilchenmodell");
    locateText(18, 16);
    printText("A. Vennbruckl              M", false);
    printText("\x84", false);
    printText("rz 2O12", true);
    printAt(19, 16, "Fehler bitte an die Lehrkraft melden.");
    sleepMs(SHOWN_MS);
}
