// Sprites, buttons, the static scene and frame drawing, checked on the pages.

#include <algorithm>
#include <set>

#include "screen/font_8x16.h"
#include "tests/support/screen_test.h"
#include "view/button.h"
#include "view/frame.h"
#include "view/panel.h"
#include "view/scene.h"
#include "view/sprites.h"

namespace {

constexpr Rgb32 GREY = BACKGROUND_GREY;
constexpr Rgb32 BLACK = 0xFF000000;

Rgb32 rgb(int r, int g, int b) { return 0xFF000000u | r << 16 | g << 8 | b; }

class PictureTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        makeSprites(sprites, 6);
    }
    Sprites sprites;
};

// Draws a frame of `chain` as advanceFrame does and returns the work page.
Page frameOf(const ParticleChain& chain, const Sprites& sprites) {
    copyPage(BACKGROUND_PAGE, WORK_PAGE);
    setPages(WORK_PAGE, DISPLAY_PAGE);
    drawFrame(chain, sprites);
    return pageSnapshot(WORK_PAGE);
}

bool isBall(Rgb32 pixel) { return pixel != GREY && pixel != BLACK && pixel != 0xFF0000FF; }

}  // namespace

using SpriteTest = PictureTest;

TEST_F(SpriteTest, AreSeventeenSquareShadedBallsInTheKeyColour) {
    for (const Image* sprite : {&sprites.ballSprite, &sprites.markerSprite}) {
        ASSERT_EQ(sprite->width(), 17);
        ASSERT_EQ(sprite->height(), 17);
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 17; ++x) {
                const int dx = x - 8, dy = y - 8;
                if (dx * dx + dy * dy > 7 * 7) {
                    EXPECT_EQ(sprite->pixel(x, y), TRANSPARENT_KEY) << x << "," << y;
                }
                EXPECT_EQ(sprite->pixel(x, y) == TRANSPARENT_KEY, sprites.ballSprite.pixel(x, y) == TRANSPARENT_KEY)
                    << "both sprites have the same shape";
            }
    }
    // The radius-6 disc's rows, and the lightest circle two pixels above the middle.
    EXPECT_EQ(sprites.ballSprite.pixel(2, 8), rgb(219, 0, 0));
    EXPECT_EQ(sprites.ballSprite.pixel(1, 8), TRANSPARENT_KEY);
    EXPECT_EQ(sprites.ballSprite.pixel(8, 2), rgb(219, 0, 0));
    EXPECT_EQ(sprites.ballSprite.pixel(8, 6), rgb(248, 212, 42));
    EXPECT_EQ(sprites.markerSprite.pixel(8, 6), rgb(222, 223, 255));
    EXPECT_EQ(sprites.ballSprite.pixel(8, 8), rgb(242, 170, 33));  // the radius-2 disc around y 48 reaches it
    EXPECT_EQ(sprites.ballSprite.pixel(8, 14), rgb(219, 0, 0));
}

TEST_F(SpriteTest, TheBackgroundIsGreyBelowABlackTopRowAndLeftColumn) {
    const Page background = pageSnapshot(BACKGROUND_PAGE);
    EXPECT_EQ(at(background, 1, 1), GREY);
    EXPECT_EQ(at(background, 639, 479), GREY);
    EXPECT_EQ(at(background, 0, 0), BLACK);
    EXPECT_EQ(at(background, 0, 240), BLACK);
    EXPECT_EQ(at(background, 320, 0), BLACK);
    EXPECT_EQ(countColour(background, GREY), 639u * 479u);
}

using ButtonTest = PictureTest;

TEST_F(ButtonTest, TheBevelRowsAndColumnsOfAGreyButton) {
    drawButton(10, 453, 20, 220, 220, 220, "<-");
    const Page page = pageSnapshot(BACKGROUND_PAGE);
    const Rgb32 light1 = rgb(234, 234, 234), light2 = rgb(244, 244, 244), dark1 = rgb(154, 154, 154), dark2 = rgb(110, 110, 110);
    auto column = [&](int x, int y1, int y2, Rgb32 c) {
        for (int y = y1; y <= y2; ++y) EXPECT_EQ(at(page, x, y), c) << x << "," << y;
    };
    auto row = [&](int y, int x1, int x2, Rgb32 c) {
        for (int x = x1; x <= x2; ++x) EXPECT_EQ(at(page, x, y), c) << x << "," << y;
    };
    column(8, 452, 472, light1), column(9, 453, 471, light1), column(10, 454, 470, light1);
    row(451, 8, 31, light2), row(452, 9, 30, light2), row(453, 10, 29, light2);
    column(32, 451, 472, dark1), column(31, 452, 471, dark1), column(30, 453, 470, dark1);
    row(473, 8, 32, dark2), row(472, 9, 31, dark2), row(471, 10, 30, dark2);
    // Outside the button the ground is untouched.
    column(7, 450, 474, GREY), column(33, 450, 474, GREY), row(450, 7, 33, GREY), row(474, 7, 33, GREY);
    // The label image's top left corner lies at (12, 455): its glyphs without their bottom row.
    for (int dy = 0; dy < 15; ++dy)
        for (int dx = 0; dx < 16; ++dx) {
            const unsigned char code = "<-"[dx / 8];
            const bool set = FONT_8X16[code][dy] & (0x80 >> (dx % 8));
            ASSERT_EQ(at(page, 12 + dx, 455 + dy), set ? BLACK : GREY) << dx << "," << dy;
        }
    row(454, 11, 29, GREY), row(470, 11, 29, GREY), column(11, 454, 470, GREY);
}

TEST_F(ButtonTest, LeavesThePagesTheTextColoursAndThePrintedLabel) {
    setPages(2, 0);
    drawButton(100, 100, 60, 255, 0, 128, "Membran");
    printText("X", false);  // lands on the work page in the colours drawButton left
    const Page background = pageSnapshot(BACKGROUND_PAGE);
    EXPECT_EQ(at(background, 0, 16 + 15), rgb(255, 0, 128)) << "cursor at row 2, colours black on the face";
    const Page work = pageSnapshot(WORK_PAGE);
    EXPECT_EQ(at(work, 0, 0), rgb(255, 0, 128));
    std::uint64_t version = 0;
    Page window(640 * 480);
    copyVisiblePageIfChanged(version, window.data());
    EXPECT_EQ(window, pageSnapshot(DISPLAY_PAGE));
}

TEST_F(ButtonTest, LabelsAreCentredToTheNearestEvenOffset) {
    const struct {
        int width;
        std::string label;
        int offset;
    } cases[] = {{20, "<-", 2}, {20, "->", 2}, {10, "\x11", 1}, {10, "\x10", 1}, {40, "Pause", 0}, {40, "Ende", 4},
                 {60, "ohne", 14},  {60, "Wand", 14}, {60, "Membran", 2}, {21, "ab", 2},    {23, "ab", 4}};
    for (const auto& c : cases) {
        openScreen();
        setPages(BACKGROUND_PAGE, BACKGROUND_PAGE);
        fillBox(0, 0, 639, 479, GREY);
        // A face in a colour of its own, and black on it only where the label's glyphs are.
        drawButton(200, 300, c.width, 10, 20, 30, c.label);
        const Page page = pageSnapshot(BACKGROUND_PAGE);
        for (std::size_t k = 0; k < c.label.size(); ++k)
            for (int dy = 0; dy < 15; ++dy)
                for (int dx = 0; dx < 8; ++dx) {
                    const int x = 200 + c.offset + 8 * static_cast<int>(k) + dx;
                    if (x <= 202 || x >= 200 + c.width - 2) continue;  // under the bevel
                    const bool set = FONT_8X16[static_cast<unsigned char>(c.label[k])][dy] & (0x80 >> dx);
                    ASSERT_EQ(at(page, x, 302 + dy) == BLACK, set) << c.label << " at " << x << "," << 302 + dy;
                }
    }
}

TEST_F(ButtonTest, ARedrawInAnotherColourReplacesEveryPixel) {
    drawButton(504, 453, 60, 255, 0, 128, "Membran");
    drawButton(504, 453, 60, 220, 220, 220, "Membran");
    const Page redrawn = pageSnapshot(BACKGROUND_PAGE);
    openScreen();
    makeSprites(sprites, 6);
    drawButton(504, 453, 60, 220, 220, 220, "Membran");
    EXPECT_EQ(pageSnapshot(BACKGROUND_PAGE), redrawn);
}

TEST_F(ButtonTest, AnEmptyLabelGivesFaceAndBevelOnly) {
    drawButton(37, 453, 35, 255, 0, 255, "");
    const Page page = pageSnapshot(BACKGROUND_PAGE);
    EXPECT_EQ(countColour(page, rgb(255, 0, 255)), 34u * 17u);
    EXPECT_EQ(countColour(page, BLACK), 639u + 480u);  // only the ground's black edges
    drawButton(10, 10, 20, 10, 20, 30, std::string(81, 'x'));  // too long to capture: no text either
    EXPECT_EQ(countColour(pageSnapshot(BACKGROUND_PAGE), BLACK), 639u + 480u);
    EXPECT_EQ(countColour(pageSnapshot(BACKGROUND_PAGE), rgb(10, 20, 30)), 19u * 17u);
}

using StaticSceneTest = PictureTest;

TEST_F(StaticSceneTest, CaptionInfoDiscAndGaps) {
    drawStaticScene();
    const Page page = pageSnapshot(BACKGROUND_PAGE);
    // The caption: "ä" from byte 132 in column 71, the closing "r" in column 75.
    for (int dy = 0; dy < 16; ++dy)
        for (int dx = 0; dx < 8; ++dx) {
            ASSERT_EQ(at(page, 560 + dx, 432 + dy), (FONT_8X16[132][dy] & (0x80 >> dx)) ? BLACK : GREY);
            ASSERT_EQ(at(page, 592 + dx, 432 + dy), (FONT_8X16[unsigned('r')][dy] & (0x80 >> dx)) ? BLACK : GREY);
        }
    EXPECT_EQ(at(page, 600, 440), GREY);
    // The info disc: a ring of colour value 0, pale yellow inside, the letter opaque black.
    EXPECT_EQ(at(page, 627, 431), 0u);
    EXPECT_EQ(at(page, 621, 439), 0x00FFFFAAu);
    EXPECT_EQ(at(page, 633, 439), 0x00FFFFAAu);
    for (int dy = 0; dy < 16; ++dy)
        for (int dx = 0; dx < 8; ++dx)
            if (FONT_8X16[unsigned('i')][dy] & (0x80 >> dx)) {
                ASSERT_EQ(at(page, 624 + dx, 432 + dy), BLACK);
            }
    // Gaps between neighbouring buttons keep the ground; the bevels of "Pause" and "Ende" touch.
    for (int x : {33, 34, 75, 76, 102, 197, 213, 229, 320, 435})
        for (int y = 451; y <= 473; ++y) ASSERT_EQ(at(page, x, y), GREY) << x << "," << y;
    EXPECT_EQ(at(page, 274, 460), rgb(154, 154, 154));
    EXPECT_EQ(at(page, 275, 460), rgb(234, 234, 234));
    // The sine icon's vertices, two pixels thick.
    const int vertices[27] = {462, 460, 458, 457, 457, 457, 458, 460, 462, 464, 465, 467, 467, 467,
                              466, 464, 462, 460, 459, 457, 457, 457, 458, 460, 462, 464, 465};
    for (int t = 0; t <= 26; ++t) {
        EXPECT_EQ(at(page, 41 + t, vertices[t]), 0u) << t;
        EXPECT_EQ(at(page, 41 + t, vertices[t] + 1), 0u) << t;
    }
}

TEST_F(StaticSceneTest, ASecondCallChangesNothing) {
    drawStaticScene();
    const Page once = pageSnapshot(BACKGROUND_PAGE);
    drawStaticScene();
    EXPECT_EQ(pageSnapshot(BACKGROUND_PAGE), once);
    drawPanelButton(WALL_BUTTON, 255, 0, 128);
    drawStaticScene();
    EXPECT_EQ(pageSnapshot(BACKGROUND_PAGE), once) << "a highlight is gone after a redraw";
}

using FrameTest = PictureTest;

TEST_F(FrameTest, RestFramesForEachBarrier) {
    const struct {
        BarrierMode barrier;
        int lastBall;              // index of the last particle drawn as balls
        int endPlateFirst, endPlateLast;  // -1: beyond the page
    } cases[] = {{"", 21, -1, -1}, {"m", 19, 595, 599}, {"w", 19, 595, 635}};
    for (const auto& c : cases) {
        ParticleChain chain{};
        resetChain(chain, c.barrier);
        const Page page = frameOf(chain, sprites);
        // Ball origins: a ball's leftmost pixel is 2 right of its origin, on its middle row.
        std::vector<int> origins;
        for (int x = 1; x < 640; ++x)
            if (isBall(at(page, x, 28)) && !isBall(at(page, x - 1, 28))) origins.push_back(x - 2);
        std::vector<int> expected;
        for (int i = 1; i <= c.lastBall; ++i) expected.push_back(30 + 28 * i);
        EXPECT_EQ(origins, expected) << c.barrier;
        for (int y = 15; y <= 415; ++y) {
            ASSERT_EQ(at(page, 37, y), GREY);
            for (int x = 38; x <= 46; ++x) ASSERT_EQ(at(page, x, y), BLACK) << x << "," << y;
            ASSERT_EQ(at(page, 47, y), GREY);
        }
        EXPECT_EQ(at(page, 40, 14), GREY);
        EXPECT_EQ(at(page, 40, 416), GREY);
        std::size_t blue = countColour(page, 0xFF0000FF);
        if (c.endPlateFirst < 0) {
            EXPECT_EQ(blue, 0u);
        } else {
            EXPECT_EQ(blue, static_cast<std::size_t>(c.endPlateLast - c.endPlateFirst + 1) * 401);
            EXPECT_EQ(at(page, c.endPlateFirst, 15), 0xFF0000FFu);
            EXPECT_EQ(at(page, c.endPlateLast, 415), 0xFF0000FFu);
        }
    }
}

TEST_F(FrameTest, ParticleNineInTheTopRowIsMarkedAndEveryParticleHasFourteenBallsInAColumn) {
    ParticleChain chain{};
    resetChain(chain, "m");
    const Page page = frameOf(chain, sprites);
    const Rgb32 markerRing = rgb(63, 64, 255);
    std::set<std::pair<int, int>> ringPixels;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            if (at(page, x, y) == markerRing) ringPixels.insert({x, y});
    ASSERT_FALSE(ringPixels.empty());
    for (auto [x, y] : ringPixels) {
        EXPECT_TRUE(x >= 282 + 2 && x <= 282 + 14 && y >= 22 && y <= 34) << x << "," << y;  // particle 9, row 0
    }
    // Every ball of a particle is the same 17 x 17 picture, 28 pixels below the one above.
    for (int i : {1, 9, 19}) {
        const int x0 = 30 + 28 * i;
        for (int j = 1; j < 14; ++j)
            for (int dy = 0; dy < 17; ++dy)
                for (int dx = 0; dx < 17; ++dx)
                    ASSERT_EQ(at(page, x0 + dx, 20 + 28 * j + dy), at(page, 58 + dx, 48 + dy)) << i << " row " << j;
    }
    for (int dx = 0; dx < 17; ++dx) EXPECT_EQ(at(page, 58 + dx, 20 + 28 * 13 + 17), GREY) << "nothing below y 400";
}

TEST_F(FrameTest, PositionsOnAHalfPixelRoundAwayFromZero) {
    ParticleChain chain{};
    resetChain(chain, "m");
    chain.screenX[1] = 60.5;   // sprite origin at 61
    chain.screenX[0] = 30.5;   // source plate from 38.5 -> 39 to 47
    chain.screenX[20] = 590.5; // end plate from 595.5 -> 596 to 600
    const Page page = frameOf(chain, sprites);
    EXPECT_TRUE(isBall(at(page, 63, 28)));
    EXPECT_FALSE(isBall(at(page, 62, 28)));
    EXPECT_EQ(at(page, 38, 100), GREY);
    EXPECT_EQ(at(page, 39, 100), BLACK);
    EXPECT_EQ(at(page, 47, 100), BLACK);
    EXPECT_EQ(at(page, 48, 100), GREY);
    EXPECT_EQ(at(page, 595, 100), GREY);
    EXPECT_EQ(at(page, 596, 100), 0xFF0000FFu);
    EXPECT_EQ(at(page, 600, 100), 0xFF0000FFu);
    EXPECT_EQ(at(page, 601, 100), GREY);
}
