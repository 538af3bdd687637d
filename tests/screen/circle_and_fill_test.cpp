// Circles and the flood fill.

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "tests/support/screen_test.h"

namespace {

constexpr Rgb32 RED = 0xFFFF0000;

// The midpoint walk exactly as written down, with 64-bit state, drawn onto a plain array.
Page walkedCircle(float cxf, float cyf, float r, bool filled) {
    Page page(640 * 480, 0xFF000000);
    if (!(r > 0)) return page;
    auto round = [](float v) { return static_cast<std::int64_t>(v > 0 ? double(v) + 0.5 : double(v) - 0.5); };
    const std::int64_t cx = round(cxf), cy = round(cyf);
    const float a = r, b = r;
    std::vector<bool> rowDone(480, false);
    auto span = [&](std::int64_t y, std::int64_t x1, std::int64_t x2) {
        if (y < 0 || y > 479) return;
        if (filled) {
            if (x2 < 0 || x1 > 639 || rowDone[y]) return;
            rowDone[y] = true;
            for (std::int64_t x = std::max<std::int64_t>(x1, 0); x <= std::min<std::int64_t>(x2, 639); ++x) page[y * 640 + x] = RED;
        } else {
            if (x1 >= 0 && x1 <= 639) page[y * 640 + x1] = RED;
            if (x2 >= 0 && x2 <= 639) page[y * 640 + x2] = RED;
        }
    };
    std::int64_t xl = static_cast<std::int64_t>(cx - a), xr = static_cast<std::int64_t>(cx + a);
    std::int64_t yTop = cy, yBottom = cy;
    span(cy, xl, xr);
    const std::int64_t A = 2 * static_cast<std::int64_t>(a * a), B = 2 * static_cast<std::int64_t>(b * b);
    std::int64_t D = static_cast<std::int64_t>(static_cast<std::int64_t>(b * b) * a);
    std::int64_t dX = 2 * D, dY = 0, n = static_cast<std::int64_t>(a);
    while (n > 0) {
        bool skipColumnStep = false;
        if (D > 0) {
            ++yBottom, --yTop, dY += A, D -= dY;
            skipColumnStep = D > 0;
        }
        if (!skipColumnStep) --n, ++xl, --xr, dX -= B, D += dX;
        span(yBottom, xl, xr);
        span(yTop, xl, xr);
    }
    return page;
}

// Half-widths of the filled rows from the centre row outwards, read off the page.
std::vector<int> halfWidths(const Page& page, int cx, int cy) {
    std::vector<int> widths;
    for (int y = cy; y < 480 && at(page, cx, y) == RED; ++y) {
        int w = 0;
        while (at(page, cx + w + 1, y) == RED) ++w;
        widths.push_back(w);
    }
    return widths;
}

}  // namespace

using CircleTest = ScreenTest;

TEST_F(CircleTest, FilledDiscsHaveTheTabulatedHalfWidths) {
    const struct {
        float r;
        std::vector<int> widths;
        std::size_t pixels;
    } cases[] = {
        {1, {1, 0}, 5},
        {2, {2, 1, 0}, 13},
        {3, {3, 3, 2, 1}, 0},
        {4, {4, 4, 3, 2, 1}, 0},
        {5, {5, 5, 4, 4, 3, 1}, 0},
        {6, {6, 6, 5, 5, 4, 3, 1}, 0},
        {8, {8, 8, 8, 7, 7, 6, 5, 4, 2}, 0},
    };
    for (const auto& c : cases) {
        openScreen();
        fillCircle(100, 100, c.r, RED);
        const Page page = pageSnapshot(0);
        EXPECT_EQ(halfWidths(page, 100, 100), c.widths) << "r = " << c.r;
        std::vector<int> above;
        for (int y = 100; y >= 0 && at(page, 100, y) == RED; --y) above.push_back(0);
        EXPECT_EQ(above.size(), c.widths.size()) << "the disc is as tall above as below, r = " << c.r;
        if (c.pixels) {
            EXPECT_EQ(countColour(page, RED), c.pixels) << "r = " << c.r;
        }
    }
}

TEST_F(CircleTest, NothingIsDrawnForARadiusOfZeroOrLessOrNaN) {
    for (float r : {0.0f, -3.0f, std::numeric_limits<float>::quiet_NaN()}) {
        fillCircle(100, 100, r, RED);
        drawCircle(100, 100, r, RED);
    }
    fillCircle(std::numeric_limits<float>::quiet_NaN(), 100, 5, RED);
    EXPECT_EQ(countColour(pageSnapshot(0), RED), 0u);
}

TEST_F(CircleTest, TheRadiusEightOutlineClosesTheDisc) {
    drawCircle(627, 439, 8, 0);
    const Page page = pageSnapshot(0);
    const std::vector<std::vector<int>> offsets = {
        {-8, 8}, {-8, 8}, {-8, 8}, {-7, 7}, {-7, 7}, {-6, 6}, {-5, 5}, {-4, -3, 3, 4}, {-2, -1, 0, 1, 2}};
    for (int row = -8; row <= 8; ++row) {
        std::vector<int> found;
        for (int dx = -12; dx <= 12; ++dx)
            if (at(page, 627 + dx, 439 + row) == 0u) found.push_back(dx);
        EXPECT_EQ(found, offsets[std::abs(row)]) << "row " << row;
    }
}

TEST_F(CircleTest, MatchesTheMidpointWalkForManyRadiiAndCentres) {
    std::mt19937 random(3);
    std::uniform_real_distribution<float> centre(-60.0f, 700.0f), radius(0.1f, 90.0f);
    for (int i = 0; i < 300; ++i) {
        const float cx = i < 40 ? 320.0f : centre(random), cy = i < 40 ? 240.5f : centre(random) * 0.75f;
        const float r = i < 40 ? 0.25f * (i + 1) : radius(random);
        for (bool filled : {true, false}) {
            openScreen();
            (filled ? fillCircle : drawCircle)(cx, cy, r, RED);
            ASSERT_EQ(pageSnapshot(0), walkedCircle(cx, cy, r, filled))
                << (filled ? "fillCircle(" : "drawCircle(") << cx << ", " << cy << ", " << r << ")";
        }
    }
}

TEST_F(CircleTest, HugeCirclesAreClippedBeforeTheyAreWalked) {
    fillCircle(320, 240, 1e9f, RED);
    EXPECT_EQ(countColour(pageSnapshot(0), RED), 640u * 480u);
    openScreen();
    drawCircle(320, 240, 1e9f, RED);
    fillCircle(-1e9f, 240, 1000, RED);
    drawCircle(320, 240, std::numeric_limits<float>::infinity(), RED);
    EXPECT_EQ(countColour(pageSnapshot(0), RED), 0u);
    // A circle whose centre lies far above the screen still shows the arc that reaches into it.
    fillCircle(320, -5000, 5100, RED);
    const Page page = pageSnapshot(0);
    EXPECT_EQ(at(page, 320, 99), RED);
    EXPECT_EQ(at(page, 320, 101), 0xFF000000u);
}

using FloodFillTest = ScreenTest;

TEST_F(FloodFillTest, OnlyTheBorderColourStopsTheFillAndASecondFillEnds) {
    drawCircle(627, 439, 8, 0);  // colour value 0 on opaque black: the black around is no border
    floodFill(625, 439, 0x00FFFFAA, 0);
    const Page once = pageSnapshot(0);
    EXPECT_EQ(at(once, 621, 439), 0x00FFFFAAu);
    EXPECT_EQ(at(once, 633, 439), 0x00FFFFAAu);
    EXPECT_EQ(at(once, 627, 431), 0u);
    EXPECT_EQ(at(once, 640 - 1, 479), 0xFF000000u);
    EXPECT_EQ(at(once, 627, 429), 0xFF000000u);
    // Every pixel strictly inside the ring, and nothing else, has the fill colour.
    std::size_t inside = 0;
    for (int y = 431; y <= 447; ++y) {
        int left = 619, right = 635;
        while (at(once, left, y) != 0u) ++left;
        while (at(once, right, y) != 0u) --right;
        for (int x = left; x <= right; ++x)
            if (at(once, x, y) != 0u) {
                EXPECT_EQ(at(once, x, y), 0x00FFFFAAu) << x << "," << y;
                ++inside;
            }
    }
    EXPECT_EQ(countColour(once, 0x00FFFFAA), inside);
    floodFill(625, 439, 0x00FFFFAA, 0);
    EXPECT_EQ(pageSnapshot(0), once);
}

TEST_F(FloodFillTest, ASeedOnTheBorderOrOffTheScreenFillsNothing) {
    drawCircle(100, 100, 8, 0);
    const Page before = pageSnapshot(0);
    floodFill(92, 100, RED, 0);
    floodFill(-1, 100, RED, 0);
    floodFill(100, 480, RED, 0);
    floodFill(std::numeric_limits<float>::quiet_NaN(), 100, RED, 0);
    EXPECT_EQ(pageSnapshot(0), before);
}

TEST_F(FloodFillTest, FillsAroundObstaclesThroughNarrowGaps) {
    // A comb of border columns with gaps above and below, at two different heights.
    for (int x = 10; x <= 200; x += 10) {
        const float top = (x / 10) % 2 ? 10 : 12;
        drawLine(x, top, x, top + 88, 0xFF0000FF);
    }
    drawBox(5, 5, 205, 105, 0xFF0000FF);
    floodFill(7, 50, RED, 0xFF0000FF);
    const Page page = pageSnapshot(0);
    EXPECT_EQ(at(page, 195, 50), RED);
    EXPECT_EQ(at(page, 0, 0), 0xFF000000u);
    EXPECT_EQ(countColour(page, RED), 199u * 99u - 20u * 89u);
}
