#pragma once

// The facility's one record, shared by the program's thread and the event side, and the helpers
// every drawing operation uses. Internal to the screen library.

#include <cmath>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>

#include "screen/host.h"
#include "screen/screen.h"

struct ScreenState {
    std::mutex lock;  // guards everything below

    Rgb32 pages[PAGE_COUNT][SCREEN_HEIGHT][SCREEN_WIDTH];
    int workPage = 0;
    int visiblePage = 0;
    std::uint64_t visibleVersion = 0;  // bumped whenever what the window shows may have changed

    int textRow = 1;
    int textColumn = 1;
    Rgb32 textForeground = 0xFFFFFFFF;
    Rgb32 textBackground = 0xFF000000;

    std::deque<std::string> keyQueue;
    bool keyPosted = false;

    int pointerX = -1;
    int pointerY = -1;
    bool pointerInside = false;
    bool windowActive = false;
    int buttons = 0;
    int wheel = 0;

    Host* host = nullptr;
};

ScreenState& screenState();

using Lock = std::lock_guard<std::mutex>;

// The work page's rows; the caller holds the lock.
inline Rgb32 (*workRows(ScreenState& s))[SCREEN_WIDTH] { return s.pages[s.workPage]; }

// Called, with the lock held, after drawing on the work page.
inline void workPageChanged(ScreenState& s) {
    if (s.workPage == s.visiblePage) ++s.visibleVersion;
}

// Coordinates further out than this are clamped to it: still off the screen, and small enough for
// 64-bit (and, in circles, 128-bit) arithmetic that never overflows.
constexpr std::int64_t FAR_OFF = std::int64_t{1} << 28;

// Rounds a coordinate to a pixel, halves away from zero. Infinities and huge values become FAR_OFF
// on their side; callers reject NaN before rounding.
inline std::int64_t roundCoordinate(float v) {
    if (v >= static_cast<float>(FAR_OFF)) return FAR_OFF;
    if (v <= -static_cast<float>(FAR_OFF)) return -FAR_OFF;
    const double d = v;
    return static_cast<std::int64_t>(d > 0 ? d + 0.5 : d - 0.5);
}

inline bool anyNaN(std::initializer_list<float> values) {
    for (float v : values)
        if (std::isnan(v)) return true;
    return false;
}

inline bool onScreen(std::int64_t x, std::int64_t y) {
    return x >= 0 && x < SCREEN_WIDTH && y >= 0 && y < SCREEN_HEIGHT;
}

inline bool validPage(std::int32_t page) { return page >= 0 && page < PAGE_COUNT; }
