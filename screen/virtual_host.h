#pragma once

// A host whose time is simulated, for tests and tools that run the program headless: a wait moves
// the clock on at once, and scripted events (keys, mouse changes) run when the clock reaches their
// moment. A mouse poll that follows another with no wait between takes one simulated millisecond,
// so a program that polls in a loop sees the scripted events arrive.

#include <cstdint>
#include <functional>
#include <map>

#include "screen/host.h"

class VirtualHost final : public Host {
public:
    std::int64_t nowMs() const { return now_; }
    // Runs `event` when the clock reaches `timeMs` (at once on the next wait or poll if it has).
    void at(std::int64_t timeMs, std::function<void()> event);
    void waitMs(int ms) override;
    // Throws std::runtime_error when the program has polled a million times in a row with nothing
    // left to happen: a test script that never ends a pause fails instead of hanging.
    void mousePolled() override;

private:
    void advanceTo(std::int64_t timeMs);

    std::int64_t now_ = 0;
    std::int64_t pollsWithoutWait_ = 0;
    std::multimap<std::int64_t, std::function<void()>> events_;
};
