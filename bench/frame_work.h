#pragma once

// One frame of the running program without its input polling and without its sleep: the background
// copy, the drive and the step, 308 balls and the marker, the two plates, and the copy to the display.

#include "shell/program.h"
#include "view/frame.h"
#include "view/scene.h"

inline void frameWork(Program& p) {
    copyPage(BACKGROUND_PAGE, WORK_PAGE);
    setPages(WORK_PAGE, DISPLAY_PAGE);
    driveSource(p.chain);
    stepChain(p.chain);
    drawFrame(p.chain, p.sprites);
    copyPage(WORK_PAGE, DISPLAY_PAGE);
}
