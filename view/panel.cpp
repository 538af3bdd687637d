#include "view/panel.h"

#include <cmath>

#include "screen/screen.h"
#include "view/button.h"

namespace {

constexpr std::int32_t PLAIN = 220;  // the grey of the ground
constexpr Rgb32 OUTLINE = 0;         // colour value 0, not opaque black: the info disc's fill stops only at it
constexpr Rgb32 PALE_YELLOW = 0x00FFFFAA;

// A sine wave two pixels thick across the sine button's face, 26 segments of one column each.
void drawSineIcon() {
    for (int t = 0; t <= 25; ++t) {
        for (const double base : {462.0, 463.0}) {
            const double y1 = base - 5 * std::sin(0.39 * t), y2 = base - 5 * std::sin(0.39 * t + 0.39);
            drawLine(41 + t, static_cast<float>(y1), 42 + t, static_cast<float>(y2), OUTLINE);
        }
    }
}

}  // namespace

void drawPanelButton(PanelEntry entry, std::int32_t red, std::int32_t green, std::int32_t blue) {
    const PanelButton& b = panelButtons.buttons[entry];
    drawButton(b.left, panelButtons.panelY, b.width, red, green, blue, b.label);
}

void drawStaticScene() {
    drawPanelButton(PUSH_LEFT_BUTTON, PLAIN, PLAIN, PLAIN);
    drawPanelButton(SINE_BUTTON, PLAIN, PLAIN, PLAIN);
    drawSineIcon();
    for (int entry = PUSH_RIGHT_BUTTON; entry <= WALL_BUTTON; ++entry)
        drawPanelButton(static_cast<PanelEntry>(entry), PLAIN, PLAIN, PLAIN);

    drawCircle(627, 439, 8, OUTLINE);
    floodFill(625, 439, PALE_YELLOW, OUTLINE);

    // The caption names the three groups of buttons below it; byte 132 is the "ä".
    locateText(28, 2);
    printText("Schallquelle            Geschwindigkeit                    Schallempf", false);
    printText("\x84", false);
    printText("nger", true);
    drawText(624, 432, "i");
}
