#pragma once

// The real program logic run headless, frame by frame, with simulated time and scripted keys and
// mouse readings; the same code paths as in the window, only the host differs.

#include <optional>
#include <string>

#include "screen/virtual_host.h"
#include "shell/program.h"
#include "tests/support/screen_test.h"

class HeadlessProgram {
public:
    // Installs a simulated clock and runs the program's start-up.
    HeadlessProgram();
    ~HeadlessProgram();

    // Queues a key string, as a key press in the window does.
    void press(const std::string& key) { queueKey(key); }
    // The pointer over the active window at (x, y) with `buttons` held (1 left, 2 right, 4 middle).
    void mouse(int x, int y, int buttons);
    // The pointer outside the window: the reading is -1.
    void mouseAway() { pointerLeft(); }

    // Runs one frame, unless the program has ended. Returns whether the program is still running.
    bool frame();
    // Runs frames until `count` have run or the program has ended.
    void frames(int count);

    std::optional<int> exitStatus() const { return exitStatus_; }
    Page page(int number) const { return pageSnapshot(number); }
    // What the window shows now.
    Page shown() const;

    Program program;
    VirtualHost host;

private:
    std::optional<int> exitStatus_;
};
