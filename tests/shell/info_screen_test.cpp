// The info screen on the headless program.

#include "screen/font_8x16.h"
#include "tests/support/headless_program.h"
#include "view/scene.h"

namespace {

constexpr Rgb32 BLUE = 0x000000FF, PALE_YELLOW = 0x00FFFFAA;

// Whether text row/column shows `text` blue on pale yellow.
bool showsText(const Page& page, int row, int column, const std::string& text) {
    for (std::size_t k = 0; k < text.size(); ++k)
        for (int dy = 0; dy < 16; ++dy)
            for (int dx = 0; dx < 8; ++dx) {
                const bool set = FONT_8X16[static_cast<unsigned char>(text[k])][dy] & (0x80 >> dx);
                const int x = 8 * (column - 1 + static_cast<int>(k)) + dx, y = 16 * (row - 1) + dy;
                if (at(page, x, y) != (set ? BLUE : PALE_YELLOW)) return false;
            }
    return true;
}

}  // namespace

TEST(InfoScreen, IsABoxOverTheLastFrameHeldForSixSeconds) {
    HeadlessProgram p;
    p.press("s");
    p.frames(3);
    const Page last = p.shown();
    p.mouse(627, 439, 1);
    p.host.at(p.host.nowMs() + 10, [] { buttonsHeld(0); });
    Page during;
    const long long start = p.host.nowMs();
    p.host.at(start + 5000, [&] { during = p.shown(); });
    p.frame();
    EXPECT_EQ(p.host.nowMs() - start, 6000 + 32);
    ASSERT_FALSE(during.empty());
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            if (x < 100 || x > 420 || y < 100 || y > 320) {
                ASSERT_EQ(at(during, x, y), at(last, x, y)) << x << "," << y;
            }
    EXPECT_EQ(at(during, 100, 100), BLUE);
    EXPECT_EQ(at(during, 420, 320), BLUE);
    EXPECT_EQ(at(during, 101, 101), PALE_YELLOW);
    EXPECT_TRUE(showsText(during, 8, 25, "ZIZERIROVOROZIDAD"));
    EXPECT_TRUE(showsText(during, 10, 16, "        Eine Simulation zur"));
    EXPECT_TRUE(showsText(during, 11, 16, "Schallausbreitung im Teilchenmodell"));
    EXPECT_TRUE(showsText(during, 18, 16, "A. Vennbruckl              M\x84rz 2O12"));
    // The contact line is one line that stays inside the box.
    int lastColumn = 0;
    for (int column = 16; column <= 80; ++column)
        for (int x = 8 * (column - 1); x < 8 * column && x < 420; ++x)
            for (int y = 288; y < 304; ++y)
                if (at(during, x, y) == BLUE) lastColumn = column;
    EXPECT_GT(lastColumn, 16);
    EXPECT_LE(lastColumn, 52);
    EXPECT_NE(p.shown(), during) << "the frame's copy covers the box";
    EXPECT_EQ(at(p.shown(), 101, 101), BACKGROUND_GREY);
}

TEST(InfoScreen, AKeyCutsTheWaitShortAndIsHandledInALaterFrame) {
    HeadlessProgram p;
    p.mouse(627, 439, 1);
    const long long start = p.host.nowMs();
    p.host.at(start + 10, [] { buttonsHeld(0); });
    p.host.at(start + 1020, [] { queueKey("w"); });
    p.frame();
    EXPECT_EQ(p.host.nowMs() - start, 1050 + 32);
    EXPECT_EQ(p.program.chain.barrierMode, "");
    p.frame();
    EXPECT_EQ(p.program.chain.barrierMode, "w");
}

TEST(InfoScreen, AButtonStillHeldShowsItAgainInTheNextFrame) {
    HeadlessProgram p;
    p.mouse(627, 439, 1);
    const long long start = p.host.nowMs();
    p.frames(2);
    EXPECT_EQ(p.host.nowMs() - start, 2 * (6000 + 32));
}

TEST(InfoScreen, ACloseRequestCutsItShortAndEndsTheProgramInTheNextFrame) {
    HeadlessProgram p;
    p.mouse(627, 439, 1);
    const long long start = p.host.nowMs();
    p.host.at(start + 10, [] { buttonsHeld(0); });
    p.host.at(start + 2000, [] { queueKey(CLOSE_KEY); });
    EXPECT_TRUE(p.frame());
    EXPECT_EQ(p.host.nowMs() - start, 2000 + 32);
    EXPECT_FALSE(p.frame());
    EXPECT_EQ(p.exitStatus(), 0);
}
