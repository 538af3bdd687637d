#include "tests/support/headless_program.h"

HeadlessProgram::HeadlessProgram() {
    setHost(host);
    windowActivated(true);
    pointerLeft();
    startProgram(program);
}

HeadlessProgram::~HeadlessProgram() { useRealTimeHost(); }

void HeadlessProgram::mouse(int x, int y, int buttons) {
    pointerMoved(x, y);
    buttonsHeld(buttons);
}

bool HeadlessProgram::frame() {
    if (exitStatus_) return false;
    try {
        runFrame(program);
    } catch (const ProgramEnded& end) {
        exitStatus_ = end.status;
    }
    return !exitStatus_;
}

void HeadlessProgram::frames(int count) {
    for (int i = 0; i < count && frame(); ++i) {
    }
}

Page HeadlessProgram::shown() const {
    std::uint64_t version = 0;
    Page window(SCREEN_WIDTH * SCREEN_HEIGHT);
    copyVisiblePageIfChanged(version, window.data());
    return window;
}
