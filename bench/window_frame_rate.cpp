// The real program's frames at the fastest speed (1 ms between frames) in a real window, a sine
// against the wall: the frame rate reached beside 1000 / (1 + frame work in ms), the most a plain
// 1 ms sleep after each frame allows. Usage (under X): window_frame_rate [SECONDS]

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/frame_work.h"
#include "screen/window.h"

namespace {

int seconds = 10;

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void measure() {
    Program p;
    startProgram(p);
    restartScene(p, "w");
    startDrive(p.chain, "s", 1);
    p.frameDelayMs = 1;

    // The frame's own work, while the window refreshes beside it.
    constexpr int WORK_FRAMES = 2000;
    const Clock::time_point workStart = Clock::now();
    for (int i = 0; i < WORK_FRAMES; ++i) frameWork(p);
    const double workMs = millisecondsSince(workStart) / WORK_FRAMES;

    long frames = 0;
    const Clock::time_point start = Clock::now();
    while (millisecondsSince(start) < seconds * 1000.0) {
        runFrame(p);
        ++frames;
    }
    const double rate = frames / (millisecondsSince(start) / 1000.0);
    const double allowed = 1000.0 / (1.0 + workMs);
    std::printf("frame work %.3f ms; %.0f frames per second; 1000 / (1 + work) = %.0f; ratio %.2f\n", workMs, rate,
                allowed, rate / allowed);
    endProgram(0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) seconds = std::atoi(argv[1]);
    return runInWindow(argv[0], measure);
}
