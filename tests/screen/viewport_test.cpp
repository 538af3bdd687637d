// Where the page stands in windows of different sizes, and which page pixel the pointer is over.

#include <gtest/gtest.h>

#include "screen/viewport.h"

TEST(Viewport, TheLargestWholeScaleCentredOrTheLargestAspectTrueOne) {
    const struct {
        int windowWidth, windowHeight;
        Viewport expected;
    } cases[] = {
        {640, 480, {0, 0, 640, 480}},       {1280, 960, {0, 0, 1280, 960}},   {1920, 1080, {320, 60, 1280, 960}},
        {1366, 768, {363, 144, 640, 480}},  {3840, 2160, {640, 120, 2560, 1920}}, {1024, 768, {192, 144, 640, 480}},
        {320, 240, {0, 0, 320, 240}},       {400, 200, {67, 0, 266, 200}},    {300, 400, {0, 87, 300, 225}},
        {0, 0, {0, 0, 1, 1}},
    };
    for (const auto& c : cases) {
        const Viewport v = fitPage(c.windowWidth, c.windowHeight);
        EXPECT_EQ(v.x, c.expected.x) << c.windowWidth << "x" << c.windowHeight;
        EXPECT_EQ(v.y, c.expected.y) << c.windowWidth << "x" << c.windowHeight;
        EXPECT_EQ(v.width, c.expected.width) << c.windowWidth << "x" << c.windowHeight;
        EXPECT_EQ(v.height, c.expected.height) << c.windowWidth << "x" << c.windowHeight;
    }
}

TEST(Viewport, ThePointerReadsThePagePixelUnderItAndNothingOnTheBorder) {
    const struct {
        int windowWidth, windowHeight, wx, wy;
        bool onPage;
        int px, py;
    } cases[] = {
        {640, 480, 0, 0, true, 0, 0},          {640, 480, 639, 479, true, 639, 479},  {640, 480, 640, 10, false, 0, 0},
        {1920, 1080, 319, 500, false, 0, 0},   {1920, 1080, 320, 60, true, 0, 0},     {1920, 1080, 321, 61, true, 0, 0},
        {1920, 1080, 322, 62, true, 1, 1},     {1920, 1080, 1599, 1019, true, 639, 479}, {1920, 1080, 1600, 500, false, 0, 0},
        {1920, 1080, 800, 59, false, 0, 0},    {1920, 1080, 800, 1020, false, 0, 0},  {1280, 960, 1279, 959, true, 639, 479},
        {3840, 2160, 640 + 4 * 530 + 3, 120 + 4 * 462, true, 530, 462},            {1366, 768, 362, 200, false, 0, 0},
        {1366, 768, 363, 144, true, 0, 0},     {320, 240, 319, 239, true, 638, 478},  {320, 240, 160, 120, true, 320, 240},
    };
    for (const auto& c : cases) {
        int px = 0, py = 0;
        const bool onPage = pagePoint(fitPage(c.windowWidth, c.windowHeight), c.wx, c.wy, px, py);
        EXPECT_EQ(onPage, c.onPage) << c.windowWidth << "x" << c.windowHeight << " at " << c.wx << "," << c.wy;
        if (onPage) {
            EXPECT_EQ(px, c.px) << c.windowWidth << "x" << c.windowHeight << " at " << c.wx << "," << c.wy;
            EXPECT_EQ(py, c.py) << c.windowWidth << "x" << c.windowHeight << " at " << c.wx << "," << c.wy;
        }
    }
}
