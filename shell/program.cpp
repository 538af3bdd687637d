#include "shell/program.h"

#include "shell/controls.h"
#include "view/frame.h"
#include "view/panel.h"
#include "view/scene.h"

namespace {

constexpr std::int32_t PARTICLE_RADIUS = 6;
constexpr std::int32_t START_FRAME_DELAY_MS = 32;

// The second step of every frame: the chain moves, the frame is drawn and shown, then the pause.
void advanceFrame(Program& p) {
    setPages(WORK_PAGE, DISPLAY_PAGE);  // the controls may have left another page selected
    stepChain(p.chain);
    drawFrame(p.chain, p.sprites);
    copyPage(WORK_PAGE, DISPLAY_PAGE);
    sleepMs(p.frameDelayMs);
}

}  // namespace

void startProgram(Program& p) {
    openScreen();
    makeSprites(p.sprites, PARTICLE_RADIUS);
    p.frameDelayMs = START_FRAME_DELAY_MS;
    restartScene(p, "");
}

void restartScene(Program& p, const BarrierMode& barrier) {
    resetChain(p.chain, barrier);
    drawStaticScene();
    copyPage(WORK_PAGE, DISPLAY_PAGE);
    setPages(DISPLAY_PAGE, DISPLAY_PAGE);
}

void runFrame(Program& p) {
    handleInput(p);
    advanceFrame(p);
    if (p.frameKey == "e") endProgram(0);
}

void runProgram() {
    Program program;
    startProgram(program);
    for (;;) runFrame(program);
}
