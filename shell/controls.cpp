#include "shell/controls.h"

#include "shell/info_screen.h"
#include "view/button.h"
#include "view/panel.h"
#include "view/scene.h"

namespace {

constexpr std::int32_t MAX_FRAME_DELAY_MS = 1024;
constexpr std::int32_t PAUSE_SETTLE_MS = 300;
constexpr std::int32_t ROW_BAND_HEIGHT = 20;
constexpr std::int32_t INFO_TOP = 431, INFO_BOTTOM = 447;

bool hitsInfoButton(std::int32_t x, std::int32_t y) {
    const PanelButton& b = panelButtons.buttons[INFO_BUTTON];
    return b.left < x && x < b.left + b.width && INFO_TOP < y && y < INFO_BOTTOM;
}

// Waits out the press that started the pause, then polls without sleeping until the left button
// alone is down; that reading is the click the rest of the frame acts on.
MouseState pauseUntilClick() {
    sleepMs(PAUSE_SETTLE_MS);
    for (;;) {
        const MouseState m = pollMouse();
        if (m.buttons == 1) return m;
    }
}

// A barrier chosen with the mouse: the scene is rebuilt and the chosen button redrawn highlighted on
// the background, so it shows from the next frame on.
void selectBarrier(Program& p, PanelEntry entry, const BarrierMode& barrier, std::int32_t blue) {
    restartScene(p, barrier);
    setPages(BACKGROUND_PAGE, DISPLAY_PAGE);
    drawPanelButton(entry, 255, 0, blue);
}

// Every row button is tested on its own, in table order; after a pause the later tests use the
// position of the click that ended it.
void actOnClick(Program& p, std::int32_t x, std::int32_t y) {
    for (int e = PUSH_LEFT_BUTTON; e <= WALL_BUTTON; ++e) {
        const auto entry = static_cast<PanelEntry>(e);
        if (!hitsRowButton(entry, x, y)) continue;
        switch (entry) {
            case PUSH_LEFT_BUTTON: startDrive(p.chain, "l", -1); break;
            case SINE_BUTTON: startDrive(p.chain, "s", +1); break;
            case PUSH_RIGHT_BUTTON: startDrive(p.chain, "r", +1); break;
            case SLOWER_BUTTON:
                if (p.frameDelayMs < MAX_FRAME_DELAY_MS) p.frameDelayMs *= 2;
                break;
            case FASTER_BUTTON:
                if (p.frameDelayMs > 1) p.frameDelayMs /= 2;
                break;
            case PAUSE_BUTTON: {
                const MouseState click = pauseUntilClick();
                x = click.x;
                y = click.y;
                break;
            }
            case END_BUTTON: endProgram(0);
            case NO_BARRIER_BUTTON: selectBarrier(p, entry, "", 255); break;
            case MEMBRANE_BUTTON: selectBarrier(p, entry, "m", 128); break;
            case WALL_BUTTON: selectBarrier(p, entry, "w", 128); break;
            default: break;
        }
    }
    if (hitsInfoButton(x, y)) showInfoScreen();
}

void actOnKey(Program& p) {
    const std::string& key = p.frameKey;
    if (key == "r") startDrive(p.chain, "r", +1);
    if (key == "l") startDrive(p.chain, "l", -1);
    if (key == "s") startDrive(p.chain, "s", +1);
    if (key == "w") restartScene(p, "w");
    if (key == "m") restartScene(p, "m");
}

}  // namespace

bool hitsRowButton(PanelEntry entry, std::int32_t x, std::int32_t y) {
    const PanelButton& b = panelButtons.buttons[entry];
    return panelButtons.panelY < y && y < panelButtons.panelY + ROW_BAND_HEIGHT && b.left < x && x < b.left + b.width;
}

void handleInput(Program& p) {
    p.frameKey = pollKey();
    if (p.frameKey == CLOSE_KEY) endProgram(0);
    copyPage(BACKGROUND_PAGE, WORK_PAGE);
    setPages(WORK_PAGE, DISPLAY_PAGE);
    const MouseState mouse = pollMouse();
    if (mouse.buttons == 1) actOnClick(p, mouse.x, mouse.y);
    actOnKey(p);
    driveSource(p.chain);
}
