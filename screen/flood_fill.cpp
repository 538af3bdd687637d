// Flood fill: every pixel reachable from the seed by steps up, down, left and right without
// crossing a pixel of the border colour (all 32 bits compared) gets the fill colour. The region is
// found first, span by span, and painted afterwards, so a region that already has the fill colour
// is found and filled again and the fill always ends.

#include <vector>

#include "screen/state.h"

void floodFill(float xf, float yf, Rgb32 fill, Rgb32 border) {
    if (anyNaN({xf, yf})) return;
    const std::int64_t seedX = roundCoordinate(xf), seedY = roundCoordinate(yf);
    if (!onScreen(seedX, seedY)) return;
    ScreenState& s = screenState();
    Lock lock(s.lock);
    auto rows = workRows(s);
    if (rows[seedY][seedX] == border) return;

    struct Point {
        int x, y;
    };
    std::vector<bool> inRegion(SCREEN_WIDTH * SCREEN_HEIGHT, false);
    auto found = [&](int x, int y) { return inRegion[y * SCREEN_WIDTH + x]; };
    std::vector<Point> pending{{static_cast<int>(seedX), static_cast<int>(seedY)}};
    while (!pending.empty()) {
        const Point p = pending.back();
        pending.pop_back();
        if (found(p.x, p.y)) continue;
        int left = p.x, right = p.x;
        while (left > 0 && rows[p.y][left - 1] != border) --left;
        while (right < SCREEN_WIDTH - 1 && rows[p.y][right + 1] != border) ++right;
        for (int x = left; x <= right; ++x) inRegion[p.y * SCREEN_WIDTH + x] = true;
        for (int y : {p.y - 1, p.y + 1}) {
            if (y < 0 || y >= SCREEN_HEIGHT) continue;
            for (int x = left; x <= right; ++x) {
                if (rows[y][x] == border || found(x, y)) continue;
                pending.push_back({x, y});
                while (x < right && rows[y][x + 1] != border) ++x;  // one seed per span of the row
            }
        }
    }
    for (int y = 0; y < SCREEN_HEIGHT; ++y)
        for (int x = 0; x < SCREEN_WIDTH; ++x)
            if (found(x, y)) rows[y][x] = fill;
    workPageChanged(s);
}
