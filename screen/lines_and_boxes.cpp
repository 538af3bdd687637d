// Lines and rectangles on the work page.

#include <algorithm>
#include <cstdlib>

#include "screen/state.h"

namespace {

// The smallest k in [lo, hi] with value(k) >= target, or hi + 1 if there is none; value must not
// decrease as k grows.
template <typename F>
std::int64_t firstReaching(std::int64_t lo, std::int64_t hi, std::int64_t target, F value) {
    while (lo <= hi) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (value(mid) >= target)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return lo;
}

// The k for which start + step * k lies in 0..limit - 1, as a range [first, last].
void stepsOnScreen(std::int64_t start, int step, std::int64_t limit, std::int64_t& first, std::int64_t& last) {
    if (step > 0) {
        first = -start;
        last = limit - 1 - start;
    } else {
        first = start - (limit - 1);
        last = start;
    }
}

void fillClipped(Rgb32 (*rows)[SCREEN_WIDTH], std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
                 Rgb32 colour) {
    for (std::int64_t y = y1; y <= y2; ++y) std::fill(&rows[y][x1], &rows[y][x2] + 1, colour);
}

struct Box {
    std::int64_t x1, y1, x2, y2;  // rounded and ordered, not clipped
    bool offScreen() const { return x2 < 0 || x1 >= SCREEN_WIDTH || y2 < 0 || y1 >= SCREEN_HEIGHT; }
    std::int64_t clippedX1() const { return std::max<std::int64_t>(x1, 0); }
    std::int64_t clippedY1() const { return std::max<std::int64_t>(y1, 0); }
    std::int64_t clippedX2() const { return std::min<std::int64_t>(x2, SCREEN_WIDTH - 1); }
    std::int64_t clippedY2() const { return std::min<std::int64_t>(y2, SCREEN_HEIGHT - 1); }
};

Box roundedBox(float x1, float y1, float x2, float y2) {
    std::int64_t ax = roundCoordinate(x1), ay = roundCoordinate(y1);
    std::int64_t bx = roundCoordinate(x2), by = roundCoordinate(y2);
    return {std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by)};
}

}  // namespace

// Bresenham's walk from the first point, stepping the minor axis when the error term is >= 0.
// The minor coordinate after k steps has the closed form floor((2 minor k + major) / (2 major)),
// so only the steps whose pixel lies on the screen are walked, however far the ends reach.
void drawLine(float x1f, float y1f, float x2f, float y2f, Rgb32 colour) {
    if (anyNaN({x1f, y1f, x2f, y2f})) return;
    const std::int64_t x1 = roundCoordinate(x1f), y1 = roundCoordinate(y1f);
    const std::int64_t x2 = roundCoordinate(x2f), y2 = roundCoordinate(y2f);
    ScreenState& s = screenState();
    Lock lock(s.lock);
    auto rows = workRows(s);
    if (x1 == x2 && y1 == y2) {
        if (onScreen(x1, y1)) rows[y1][x1] = colour;
        workPageChanged(s);
        return;
    }
    const std::int64_t dx = std::llabs(x2 - x1), dy = std::llabs(y2 - y1);
    const int sx = x2 > x1 ? 1 : -1, sy = y2 > y1 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const std::int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    const std::int64_t majorStart = xMajor ? x1 : y1, minorStart = xMajor ? y1 : x1;
    const int majorStep = xMajor ? sx : sy, minorStep = xMajor ? sy : sx;
    const std::int64_t majorLimit = xMajor ? SCREEN_WIDTH : SCREEN_HEIGHT;
    const std::int64_t minorLimit = xMajor ? SCREEN_HEIGHT : SCREEN_WIDTH;
    auto minorSteps = [&](std::int64_t k) { return (2 * minor * k + major) / (2 * major); };

    std::int64_t first, last;
    stepsOnScreen(majorStart, majorStep, majorLimit, first, last);
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, major);
    std::int64_t minorFirst, minorLast;  // range of minorSteps(k) that keeps the minor axis on screen
    stepsOnScreen(minorStart, minorStep, minorLimit, minorFirst, minorLast);
    if (first <= last) {
        first = firstReaching(first, last, minorFirst, minorSteps);
        last = firstReaching(first, last, minorLast + 1, minorSteps) - 1;
    }
    for (std::int64_t k = first; k <= last; ++k) {
        const std::int64_t a = majorStart + majorStep * k, b = minorStart + minorStep * minorSteps(k);
        if (xMajor)
            rows[b][a] = colour;
        else
            rows[a][b] = colour;
    }
    workPageChanged(s);
}

void fillBox(float x1, float y1, float x2, float y2, Rgb32 colour) {
    if (anyNaN({x1, y1, x2, y2})) return;
    const Box box = roundedBox(x1, y1, x2, y2);
    if (box.offScreen()) return;
    ScreenState& s = screenState();
    Lock lock(s.lock);
    fillClipped(workRows(s), box.clippedX1(), box.clippedY1(), box.clippedX2(), box.clippedY2(), colour);
    workPageChanged(s);
}

// Each edge is drawn only if its own row or column lies on the screen.
void drawBox(float x1, float y1, float x2, float y2, Rgb32 colour) {
    if (anyNaN({x1, y1, x2, y2})) return;
    const Box box = roundedBox(x1, y1, x2, y2);
    if (box.offScreen()) return;
    const std::int64_t left = box.clippedX1(), top = box.clippedY1();
    const std::int64_t right = box.clippedX2(), bottom = box.clippedY2();
    ScreenState& s = screenState();
    Lock lock(s.lock);
    auto rows = workRows(s);
    if (box.y2 < SCREEN_HEIGHT) fillClipped(rows, left, box.y2, right, box.y2, colour);
    if (box.y1 >= 0) fillClipped(rows, left, box.y1, right, box.y1, colour);
    if (box.x2 < SCREEN_WIDTH) fillClipped(rows, box.x2, top, box.x2, bottom, colour);
    if (box.x1 >= 0) fillClipped(rows, box.x1, top, box.x1, bottom, colour);
    workPageChanged(s);
}
