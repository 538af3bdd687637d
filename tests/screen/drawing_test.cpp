// Pages, rounding, rectangles and lines, and what bad arguments do to them.

#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <utility>

#include "tests/support/screen_test.h"

namespace {

constexpr Rgb32 BLACK = 0xFF000000;
constexpr Rgb32 RED = 0xFFFF0000;
using Pixels = std::set<std::pair<long long, long long>>;

Pixels pixelsOf(const Page& page, Rgb32 colour) {
    Pixels found;
    for (int y = 0; y < SCREEN_HEIGHT; ++y)
        for (int x = 0; x < SCREEN_WIDTH; ++x)
            if (at(page, x, y) == colour) found.insert({x, y});
    return found;
}

// The line walk exactly as written down, from the first point, with no clipping; only the pixels
// on the screen are kept.
Pixels walkedLine(long long x1, long long y1, long long x2, long long y2) {
    Pixels p;
    auto set = [&](long long x, long long y) {
        if (x >= 0 && x < SCREEN_WIDTH && y >= 0 && y < SCREEN_HEIGHT) p.insert({x, y});
    };
    if (x1 == x2) {
        for (long long y = std::min(y1, y2); y <= std::max(y1, y2); ++y) set(x1, y);
    } else if (y1 == y2) {
        for (long long x = std::min(x1, x2); x <= std::max(x1, x2); ++x) set(x, y1);
    } else {
        const long long dx = std::llabs(x2 - x1), dy = std::llabs(y2 - y1);
        const int sx = x2 > x1 ? 1 : -1, sy = y2 > y1 ? 1 : -1;
        long long x = x1, y = y1;
        if (dx >= dy) {
            long long e = 2 * dy - dx;
            for (long long i = 0; i <= dx; ++i) {
                set(x, y);
                if (e >= 0) y += sy, e -= 2 * dx;
                x += sx, e += 2 * dy;
            }
        } else {
            long long e = 2 * dx - dy;
            for (long long i = 0; i <= dy; ++i) {
                set(x, y);
                if (e >= 0) x += sx, e -= 2 * dy;
                y += sy, e += 2 * dx;
            }
        }
    }
    return p;
}

}  // namespace

using PagesTest = ScreenTest;

TEST_F(PagesTest, OpenScreenGivesThreeBlackPagesWithPageZeroSelected) {
    fillBox(0, 0, 639, 479, RED);
    setPages(2, 1);
    openScreen();
    for (int page = 0; page < PAGE_COUNT; ++page) EXPECT_EQ(countColour(pageSnapshot(page), BLACK), 640u * 480u);
    fillBox(3, 3, 3, 3, RED);
    EXPECT_EQ(at(pageSnapshot(0), 3, 3), RED);
    std::uint64_t shown = 0;
    std::vector<Rgb32> window(640 * 480);
    ASSERT_TRUE(copyVisiblePageIfChanged(shown, window.data()));
    EXPECT_EQ(window[3 * 640 + 3], RED);  // page 0 is the visible one
}

TEST_F(PagesTest, SetPagesIgnoresNumbersOutOfRangeAndBothNegativeMeansPageZero) {
    setPages(2, 1);
    setPages(3, -1);  // both stay
    fillBox(0, 0, 0, 0, RED);
    EXPECT_EQ(at(pageSnapshot(2), 0, 0), RED);
    setPages(-1, -7);  // both negative: 0 and 0
    fillBox(1, 0, 1, 0, RED);
    EXPECT_EQ(at(pageSnapshot(0), 1, 0), RED);
    std::uint64_t shown = 0;
    std::vector<Rgb32> window(640 * 480);
    copyVisiblePageIfChanged(shown, window.data());
    EXPECT_EQ(window[1], RED);
}

TEST_F(PagesTest, CopyPageCopiesEveryPixelAndRefusesBadNumbers) {
    fillBox(0, 0, 639, 479, RED);
    fillBox(10, 10, 20, 20, 0x00123456);
    copyPage(0, 3);
    copyPage(-1, 1);
    copyPage(0, 0);
    EXPECT_EQ(countColour(pageSnapshot(1), BLACK), 640u * 480u);
    copyPage(0, 2);
    EXPECT_EQ(pageSnapshot(2), pageSnapshot(0));
}

TEST_F(PagesTest, TheWindowIsToldOnlyOfChangesToTheVisiblePage) {
    std::uint64_t shown = 0;
    std::vector<Rgb32> window(640 * 480);
    copyVisiblePageIfChanged(shown, window.data());
    setPages(1, 0);
    fillBox(0, 0, 639, 479, RED);
    EXPECT_FALSE(copyVisiblePageIfChanged(shown, window.data()));
    copyPage(1, 0);
    EXPECT_TRUE(copyVisiblePageIfChanged(shown, window.data()));
    EXPECT_EQ(window[0], RED);
    setPages(1, 2);
    EXPECT_TRUE(copyVisiblePageIfChanged(shown, window.data()));
    EXPECT_EQ(window[0], BLACK);
}

using RoundingTest = ScreenTest;

TEST_F(RoundingTest, CoordinatesRoundHalvesAwayFromZero) {
    const struct {
        float given;
        int column;  // -1: off the screen to the left
    } cases[] = {{2.5f, 3}, {2.49f, 2}, {-0.4f, 0}, {0.0f, 0}, {-0.5f, -1}, {-2.5f, -1}, {638.5f, 639}, {3.5f, 4}};
    for (const auto& c : cases) {
        openScreen();
        fillBox(c.given, 0, c.given, 0, RED);
        const Pixels drawn = pixelsOf(pageSnapshot(0), RED);
        if (c.column < 0)
            EXPECT_TRUE(drawn.empty()) << c.given;
        else
            EXPECT_EQ(drawn, (Pixels{{c.column, 0}})) << c.given;
    }
}

TEST_F(RoundingTest, ADoubleIsRoundedAfterItsConversionToSinglePrecision) {
    const double justBelow = std::nextafter(2.5, 0.0);  // 2.4999999999999996 becomes 2.5f
    ASSERT_EQ(static_cast<float>(justBelow), 2.5f);
    fillBox(static_cast<float>(justBelow), 0, static_cast<float>(justBelow), 0, RED);
    EXPECT_EQ(pixelsOf(pageSnapshot(0), RED), (Pixels{{3, 0}}));
}

using BoxTest = ScreenTest;

TEST_F(BoxTest, FillBoxPastTheEdgesLeavesRowZeroAndColumnZero) {
    fillBox(1, 1, 641, 481, 0xFFDCDCDC);
    const Page page = pageSnapshot(0);
    EXPECT_EQ(countColour(page, 0xFFDCDCDC), 639u * 479u);
    EXPECT_EQ(at(page, 0, 0), BLACK);
    EXPECT_EQ(at(page, 0, 240), BLACK);
    EXPECT_EQ(at(page, 320, 0), BLACK);
    EXPECT_EQ(at(page, 1, 1), 0xFFDCDCDC);
    EXPECT_EQ(at(page, 639, 479), 0xFFDCDCDC);
}

TEST_F(BoxTest, CornersInEitherOrderGiveTheSameBox) {
    fillBox(420, 320, 100, 100, RED);
    const Page reversed = pageSnapshot(0);
    openScreen();
    fillBox(100, 100, 420, 320, RED);
    EXPECT_EQ(pageSnapshot(0), reversed);
    EXPECT_EQ(countColour(reversed, RED), 321u * 221u);
}

TEST_F(BoxTest, AFilledInsideLeavesExactlyTheOnePixelOutline) {
    drawBox(100, 100, 420, 320, 0xFF0000FF);
    fillBox(101, 101, 419, 319, 0xFFFFFFAA);
    const Page page = pageSnapshot(0);
    EXPECT_EQ(countColour(page, 0xFF0000FF), 2u * 321u + 2u * 219u);
    for (int x = 100; x <= 420; ++x) EXPECT_EQ(at(page, x, 100), 0xFF0000FFu);
    for (int y = 100; y <= 320; ++y) EXPECT_EQ(at(page, 420, y), 0xFF0000FFu);
    EXPECT_EQ(countColour(page, 0xFFFFFFAA), 319u * 219u);
}

TEST_F(BoxTest, DrawBoxDrawsOnlyTheEdgesThatLieOnTheScreen) {
    drawBox(-10, -10, 100, 50, RED);  // top and left edges are off the screen
    Pixels expected;
    for (int x = 0; x <= 100; ++x) expected.insert({x, 50});
    for (int y = 0; y <= 50; ++y) expected.insert({100, y});
    EXPECT_EQ(pixelsOf(pageSnapshot(0), RED), expected);
    openScreen();
    drawBox(700, 10, 800, 20, RED);
    drawBox(-5, -5, -1, 400, RED);
    EXPECT_EQ(countColour(pageSnapshot(0), RED), 0u);
}

using LineTest = ScreenTest;

TEST_F(LineTest, MatchesTheWalkFromTheFirstPointForLinesOnTheScreen) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> x(0, 639), y(0, 479), small(-12, 12);
    for (int i = 0; i < 400; ++i) {
        const int x1 = x(random), y1 = y(random);
        const int x2 = i % 2 ? x(random) : std::clamp(x1 + small(random), 0, 639);
        const int y2 = i % 2 ? y(random) : std::clamp(y1 + small(random), 0, 479);
        openScreen();
        drawLine(x1, y1, x2, y2, RED);
        ASSERT_EQ(pixelsOf(pageSnapshot(0), RED), walkedLine(x1, y1, x2, y2)) << x1 << "," << y1 << " " << x2 << "," << y2;
    }
}

TEST_F(LineTest, StepsOnAZeroErrorSoTheDirectionMatters) {
    drawLine(0, 0, 2, 1, RED);
    EXPECT_EQ(pixelsOf(pageSnapshot(0), RED), (Pixels{{0, 0}, {1, 1}, {2, 1}}));
    openScreen();
    drawLine(2, 1, 0, 0, RED);
    EXPECT_EQ(pixelsOf(pageSnapshot(0), RED), (Pixels{{2, 1}, {1, 0}, {0, 0}}));
    openScreen();
    drawLine(5, 5, 5, 5, RED);
    EXPECT_EQ(pixelsOf(pageSnapshot(0), RED), (Pixels{{5, 5}}));
}

TEST_F(LineTest, ALineReachingOffTheScreenKeepsTheWalksPixelsOnIt) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> coordinate(-3000, 3000);
    for (int i = 0; i < 300; ++i) {
        const int x1 = coordinate(random), y1 = coordinate(random), x2 = coordinate(random), y2 = coordinate(random);
        openScreen();
        drawLine(x1, y1, x2, y2, RED);
        ASSERT_EQ(pixelsOf(pageSnapshot(0), RED), walkedLine(x1, y1, x2, y2)) << x1 << "," << y1 << " " << x2 << "," << y2;
    }
}

// Arguments no caller of this program passes must still give a sound result, at once.
TEST_F(LineTest, HugeInfiniteAndNaNEndsAreSafe) {
    drawLine(0, 0, 1e30f, 1e30f, RED);
    Pixels diagonal;
    for (int k = 0; k < 480; ++k) diagonal.insert({k, k});
    EXPECT_EQ(pixelsOf(pageSnapshot(0), RED), diagonal);

    openScreen();
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    drawLine(-inf, 100, inf, 100, RED);
    EXPECT_EQ(countColour(pageSnapshot(0), RED), 640u);
    openScreen();
    drawLine(nan, 0, 10, 10, RED);
    drawLine(-1e30f, -1e30f, -1e29f, 5e29f, RED);
    fillBox(0, nan, 10, 10, RED);
    drawBox(nan, 0, 10, 10, RED);
    EXPECT_EQ(countColour(pageSnapshot(0), RED), 0u);
    fillBox(-inf, -inf, inf, inf, RED);
    EXPECT_EQ(countColour(pageSnapshot(0), RED), 640u * 480u);
}
