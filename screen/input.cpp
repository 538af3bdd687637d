// The key queue, the mouse state and waiting: the program's side and the event side.

#include "screen/events.h"
#include "screen/state.h"

namespace {

constexpr std::size_t KEY_QUEUE_LENGTH = 15;

Host& currentHost(ScreenState& s) {
    Lock lock(s.lock);
    return *s.host;
}

}  // namespace

std::string pollKey() {
    ScreenState& s = screenState();
    Lock lock(s.lock);
    s.keyPosted = false;
    if (s.keyQueue.empty()) return {};
    std::string key = std::move(s.keyQueue.front());
    s.keyQueue.pop_front();
    return key;
}

MouseState pollMouse() {
    ScreenState& s = screenState();
    MouseState reading;
    {
        Lock lock(s.lock);
        if (s.pointerInside && s.windowActive) reading = {s.pointerX, s.pointerY, s.wheel, s.buttons};
    }
    currentHost(s).mousePolled();
    return reading;
}

// Waits of 100 ms or more check every 50 ms whether a key has been posted since the last poll or
// check, and end early if so; shorter waits are never cut short. The lock is never held while waiting.
void sleepMs(std::int32_t ms) {
    ScreenState& s = screenState();
    Host& host = currentHost(s);
    std::int32_t left = ms;
    if (left >= 100) {
        for (; left > 50; left -= 50) {
            {
                Lock lock(s.lock);
                if (s.keyPosted) {
                    s.keyPosted = false;
                    return;
                }
            }
            host.waitMs(50);
        }
    }
    if (left > 0) host.waitMs(left);
}

void queueKey(const std::string& keyString) {
    ScreenState& s = screenState();
    Lock lock(s.lock);
    if (s.keyQueue.size() == KEY_QUEUE_LENGTH) s.keyQueue.pop_front();
    s.keyQueue.push_back(keyString);
    s.keyPosted = true;
}

void pointerMoved(int x, int y) {
    ScreenState& s = screenState();
    Lock lock(s.lock);
    s.pointerX = x;
    s.pointerY = y;
    s.pointerInside = true;
}

void pointerLeft() {
    ScreenState& s = screenState();
    Lock lock(s.lock);
    s.pointerInside = false;
}

void buttonsHeld(int buttons) {
    ScreenState& s = screenState();
    Lock lock(s.lock);
    s.buttons = buttons;
}

void wheelTurned(int steps) {
    ScreenState& s = screenState();
    Lock lock(s.lock);
    s.wheel += steps;
}

void windowActivated(bool active) {
    ScreenState& s = screenState();
    Lock lock(s.lock);
    s.windowActive = active;
    s.buttons = 0;
}
