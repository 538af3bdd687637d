// Circle outlines and filled discs on the work page.
//
// The shape is that of a midpoint walk with 64-bit state: starting on the centre row at half-width
// a, each step either moves one row outwards (when the decision value D is positive) or narrows the
// span by one column, and every step draws the current span above and below the centre. After p row
// steps and q column steps D equals D0 (1 + 2q) - T (q (q + 1) + p (p + 1)), with T = trunc(a a) and
// D0 = trunc(T a), whatever the order of the steps. That closed form lets us compute the spans of
// just the rows that lie on the screen, so a huge circle costs no more than a small one. The state is
// carried in 128 bits, which cannot overflow for any clamped radius.

#include <algorithm>

#include "screen/state.h"

namespace {

using Wide = __int128;

struct CircleWalk {
    std::int64_t cx, cy;
    std::int64_t leftStart, rightStart;  // the centre row's span, trunc(cx - a) .. trunc(cx + a)
    std::int64_t columnSteps;            // trunc(a): the walk ends when the span has narrowed this often
    Wide t, d0;

    Wide decision(std::int64_t p, std::int64_t q) const { return d0 * (1 + 2 * Wide{q}) - t * (Wide{q} * (q + 1) + Wide{p} * (p + 1)); }

    // The column steps taken when the walk leaves row p (or ends on it): the first q with a positive
    // decision value, at most columnSteps. It never decreases as p grows.
    std::int64_t lastColumnStep(std::int64_t p) const {
        std::int64_t lo = 0, hi = columnSteps;
        while (lo < hi) {
            const std::int64_t mid = lo + (hi - lo) / 2;
            if (decision(p, mid) > 0)
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    }

    // Whether row p is reached and, if so, the column steps of the spans drawn on it, first to last.
    bool spansOfRow(std::int64_t p, std::int64_t& first, std::int64_t& last) const {
        last = lastColumnStep(p);
        if (p == 0) {
            first = 0;
            return true;
        }
        const std::int64_t before = lastColumnStep(p - 1);
        if (before >= columnSteps) return false;
        first = std::min(before + 1, last);
        return true;
    }
};

template <typename DrawRow>
void walkCircle(float cxf, float cyf, float r, DrawRow drawRow) {
    if (anyNaN({cxf, cyf, r}) || !(r > 0)) return;
    const double a = std::min<double>(r, static_cast<double>(FAR_OFF));
    CircleWalk walk;
    walk.cx = roundCoordinate(cxf);
    walk.cy = roundCoordinate(cyf);
    walk.leftStart = static_cast<std::int64_t>(walk.cx - a);
    walk.rightStart = static_cast<std::int64_t>(walk.cx + a);
    walk.columnSteps = static_cast<std::int64_t>(a);
    const double t = std::trunc(a * a);
    walk.t = static_cast<Wide>(t);
    walk.d0 = static_cast<Wide>(std::trunc(t * a));
    if (walk.rightStart < 0 || walk.leftStart >= SCREEN_WIDTH) return;  // no row can reach the screen

    // Rows cy + p (below) and cy - p (above) for the p that put them on the screen.
    const std::int64_t belowFirst = std::max<std::int64_t>(0, -walk.cy), belowLast = SCREEN_HEIGHT - 1 - walk.cy;
    const std::int64_t aboveFirst = std::max<std::int64_t>(1, walk.cy - (SCREEN_HEIGHT - 1)), aboveLast = walk.cy;
    std::int64_t first, last;
    for (std::int64_t p = belowFirst; p <= belowLast && walk.spansOfRow(p, first, last); ++p)
        drawRow(walk, walk.cy + p, first, last);
    for (std::int64_t p = aboveFirst; p <= aboveLast && walk.spansOfRow(p, first, last); ++p)
        drawRow(walk, walk.cy - p, first, last);
}

}  // namespace

// The first span drawn on a row is its widest, and a filled disc keeps only that one.
void fillCircle(float cx, float cy, float r, Rgb32 colour) {
    ScreenState& s = screenState();
    Lock lock(s.lock);
    auto rows = workRows(s);
    walkCircle(cx, cy, r, [&](const CircleWalk& walk, std::int64_t y, std::int64_t first, std::int64_t) {
        const std::int64_t x1 = std::max<std::int64_t>(walk.leftStart + first, 0);
        const std::int64_t x2 = std::min<std::int64_t>(walk.rightStart - first, SCREEN_WIDTH - 1);
        if (x1 <= x2) std::fill(&rows[y][x1], &rows[y][x2] + 1, colour);
    });
    workPageChanged(s);
}

// An outline sets both ends of every span drawn.
void drawCircle(float cx, float cy, float r, Rgb32 colour) {
    ScreenState& s = screenState();
    Lock lock(s.lock);
    auto rows = workRows(s);
    walkCircle(cx, cy, r, [&](const CircleWalk& walk, std::int64_t y, std::int64_t first, std::int64_t last) {
        auto setRun = [&](std::int64_t x1, std::int64_t x2) {
            x1 = std::max<std::int64_t>(x1, 0);
            x2 = std::min<std::int64_t>(x2, SCREEN_WIDTH - 1);
            if (x1 <= x2) std::fill(&rows[y][x1], &rows[y][x2] + 1, colour);
        };
        setRun(walk.leftStart + first, walk.leftStart + last);
        setRun(walk.rightStart - last, walk.rightStart - first);
    });
    workPageChanged(s);
}
