// The controls: clicks on the control row and the info button, the keys, the pause.

#include "tests/support/headless_program.h"
#include "view/scene.h"

namespace {

constexpr Rgb32 BLUE_FRAME = 0x000000FF;

// What one frame with the mouse held at (x, y) with `buttons` changed.
struct Effect {
    DriveMode drive;
    BarrierMode barrier;
    int frameDelayMs;
    bool ended;
    bool operator==(const Effect&) const = default;
};

Effect clickOnce(int x, int y, int buttons) {
    HeadlessProgram p;
    p.press("m");  // a barrier, so that a click on "ohne" shows
    p.frame();
    p.mouse(x, y, buttons);
    p.host.at(p.host.nowMs() + 400, [] { buttonsHeld(0); });  // a click that starts a pause ends it at once
    p.host.at(p.host.nowMs() + 500, [] { buttonsHeld(1); });
    p.frame();
    return {p.program.chain.driveMode, p.program.chain.barrierMode, p.program.frameDelayMs, p.exitStatus().has_value()};
}

const Effect NOTHING{"", "m", 32, false};

}  // namespace

TEST(Controls, EachRowButtonHitsStrictlyInsideItsFaceAndTheRowBand) {
    const struct {
        const char* name;
        int left, width;
        Effect hit;
    } buttons[] = {
        {"<-", 10, 20, {"l", "m", 32, false}},       {"sine", 37, 35, {"s", "m", 32, false}},
        {"->", 79, 20, {"r", "m", 32, false}},       {"slower", 200, 10, {"", "m", 64, false}},
        {"faster", 216, 10, {"", "m", 16, false}},   {"Ende", 277, 40, {"", "m", 32, true}},
        {"ohne", 438, 60, {"", "", 32, false}},      {"Membran", 504, 60, {"", "m", 32, false}},
        {"Wand", 570, 60, {"", "w", 32, false}},
    };
    for (const auto& b : buttons) {
        const int middle = b.left + b.width / 2;
        EXPECT_EQ(clickOnce(b.left + 1, 454, 1), b.hit) << b.name << " at its top left";
        EXPECT_EQ(clickOnce(b.left + b.width - 1, 472, 1), b.hit) << b.name << " at its bottom right";
        EXPECT_EQ(clickOnce(b.left, 460, 1), NOTHING) << b.name << " at x = left";
        EXPECT_EQ(clickOnce(b.left + b.width, 460, 1), NOTHING) << b.name << " at x = left + width";
        EXPECT_EQ(clickOnce(middle, 453, 1), NOTHING) << b.name << " at y 453";
        EXPECT_EQ(clickOnce(middle, 473, 1), NOTHING) << b.name << " at y 473";
        EXPECT_EQ(clickOnce(middle, 460, 3), NOTHING) << b.name << " with left and right held";
        EXPECT_EQ(clickOnce(middle, 460, 2), NOTHING) << b.name << " with the right button";
    }
    EXPECT_EQ(clickOnce(33, 460, 1), NOTHING) << "the gap between two buttons";
}

TEST(Controls, NoReadingIsNoClick) {
    HeadlessProgram p;
    p.mouse(90, 460, 1);
    p.mouseAway();  // the reading is -1 in all four fields
    p.frame();
    EXPECT_EQ(p.program.chain.driveMode, "");
    windowActivated(false);
    p.mouse(90, 460, 1);
    p.frame();
    EXPECT_EQ(p.program.chain.driveMode, "");
}

TEST(Controls, HeldSpeedButtonsActOncePerFrameWithinTheirLimits) {
    HeadlessProgram p;
    p.mouse(205, 460, 1);
    std::vector<int> delays;
    for (int f = 0; f < 7; ++f) {
        p.frame();
        delays.push_back(p.program.frameDelayMs);
    }
    EXPECT_EQ(delays, (std::vector<int>{64, 128, 256, 512, 1024, 1024, 1024}));
    p.mouse(221, 460, 1);
    delays.clear();
    for (int f = 0; f < 12; ++f) {
        p.frame();
        delays.push_back(p.program.frameDelayMs);
    }
    EXPECT_EQ(delays, (std::vector<int>{512, 256, 128, 64, 32, 16, 8, 4, 2, 1, 1, 1}));
}

TEST(Controls, AHeldDriveButtonRestartsItsDriveEveryFrame) {
    HeadlessProgram p;
    p.mouse(90, 460, 1);
    for (int f = 0; f < 5; ++f) {
        p.frame();
        EXPECT_EQ(p.program.chain.displacement[0], 0.0);
    }
    p.mouseAway();
    p.frame();
    EXPECT_NEAR(p.program.chain.displacement[0], 1.84, 0.005) << "released, the push runs";
    p.mouse(50, 460, 1);
    for (int f = 0; f < 5; ++f) {
        p.frame();
        EXPECT_NEAR(p.program.chain.displacement[0], 1.22, 0.005) << "the sine's first value";
    }
}

TEST(Controls, ABarrierButtonIsHighlightedFromTheNextFrameOn) {
    const struct {
        int x;
        BarrierMode barrier;
        Rgb32 face;
    } cases[] = {{460, "", 0xFFFF00FF}, {530, "m", 0xFFFF0080}, {600, "w", 0xFFFF0080}};
    for (const auto& c : cases) {
        HeadlessProgram p;
        p.press("r");
        p.frames(8);  // a pulse is running
        p.mouse(c.x, 460, 1);
        p.frame();
        p.mouseAway();
        EXPECT_EQ(p.program.chain.barrierMode, c.barrier);
        EXPECT_EQ(p.program.chain.driveMode, "") << "the drive stopped";
        for (int i = 0; i <= p.program.chain.lastIndex; ++i) EXPECT_EQ(p.program.chain.displacement[i], 0.0);
        EXPECT_EQ(at(p.shown(), c.x, 465), BACKGROUND_GREY) << "this frame still shows the old panel";
        p.frame();
        EXPECT_EQ(at(p.shown(), c.x, 465), c.face) << "the next frame shows the highlight";
        // A key selects a barrier without highlight, and removes an earlier one.
        p.press(c.barrier == "w" ? "m" : "w");
        p.frames(2);
        EXPECT_EQ(at(p.shown(), c.x, 465), BACKGROUND_GREY);
        EXPECT_EQ(countColour(p.page(BACKGROUND_PAGE), 0xFFFF0080) + countColour(p.page(BACKGROUND_PAGE), 0xFFFF00FF), 0u);
    }
}

TEST(Controls, KeysAreComparedExactly) {
    const struct {
        std::string key;
        DriveMode drive;
        BarrierMode barrier;
    } cases[] = {{"r", "r", ""}, {"l", "l", ""}, {"s", "s", ""}, {"w", "", "w"}, {"m", "", "m"},
                 {"R", "", ""},  {"S", "", ""},  {"x", "", ""},  {"\xff" "H", "", ""}, {"\r", "", ""}};
    for (const auto& c : cases) {
        HeadlessProgram p;
        p.press(c.key);
        p.frame();
        EXPECT_EQ(p.program.chain.driveMode, c.drive) << c.key;
        EXPECT_EQ(p.program.chain.barrierMode, c.barrier) << c.key;
        EXPECT_FALSE(p.exitStatus());
    }
}

// A sine runs; then "Pause" is pressed (and released after `releaseAfterMs`, unless 0).
struct PausedProgram {
    explicit PausedProgram(long long releaseAfterMs = 100) {
        p.press("s");
        p.frames(5);
        before = p.shown();
        source = p.program.chain.displacement[0];
        start = p.host.nowMs();
        p.mouse(250, 460, 1);
        if (releaseAfterMs) p.host.at(start + releaseAfterMs, [] { buttonsHeld(0); });
    }
    // The click that ends the pause, `after` ms into it.
    void endPauseWith(int x, int y, long long after) {
        p.host.at(start + after, [x, y] {
            pointerMoved(x, y);
            buttonsHeld(1);
        });
        p.host.at(start + after + 150, [] { buttonsHeld(0); });
    }

    HeadlessProgram p;
    Page before;
    double source = 0;
    long long start = 0;
};

TEST(Pause, NothingMovesUntilAClickAndTheDisplayKeepsTheLastFrame) {
    PausedProgram paused;
    HeadlessProgram& p = paused.p;
    bool sawStill = false;
    p.host.at(paused.start + 1500, [&] {
        sawStill = p.shown() == paused.before && p.program.chain.displacement[0] == paused.source;
    });
    paused.endPauseWith(150, 460, 3000);  // a click on no button
    p.frame();
    EXPECT_TRUE(sawStill);
    EXPECT_GE(p.host.nowMs() - paused.start, 3000);
    EXPECT_EQ(p.program.chain.driveMode, "s");
    EXPECT_NE(p.program.chain.displacement[0], paused.source) << "the frame goes on after the pause";
}

TEST(Pause, APressHeldForThreeHundredMillisecondsEndsItAtOnceAndStartsItAgainNextFrame) {
    PausedProgram paused(0);
    HeadlessProgram& p = paused.p;
    p.frame();
    EXPECT_EQ(p.host.nowMs() - paused.start, 300 + 32);  // the wait, then the frame delay
    p.frame();
    EXPECT_EQ(p.host.nowMs() - paused.start, 2 * (300 + 32));
}

TEST(Pause, TheClickThatEndsItActsOnlyOnEndBarriersAndInfo) {
    const struct {
        int x, y;
        DriveMode drive;
        BarrierMode barrier;
    } cases[] = {{90, 460, "s", ""}, {50, 460, "s", ""}, {205, 460, "s", ""}, {250, 460, "s", ""},
                 {530, 460, "", "m"}, {600, 460, "", "w"}, {530, 474, "s", ""}};
    for (const auto& c : cases) {
        PausedProgram paused;
        paused.endPauseWith(c.x, c.y, 1000);
        paused.p.frame();
        EXPECT_EQ(paused.p.program.chain.driveMode, c.drive) << c.x << "," << c.y;
        EXPECT_EQ(paused.p.program.chain.barrierMode, c.barrier) << c.x << "," << c.y;
        EXPECT_EQ(paused.p.program.frameDelayMs, 32) << c.x << "," << c.y;
    }
}

TEST(Pause, AClickOnEndEndsTheProgram) {
    PausedProgram paused;
    paused.endPauseWith(290, 460, 1000);
    EXPECT_FALSE(paused.p.frame());
    EXPECT_EQ(paused.p.exitStatus(), 0);
}

TEST(Pause, AClickOnInfoShowsTheInfoScreen) {
    PausedProgram paused;
    HeadlessProgram& p = paused.p;
    bool infoShown = false;
    p.host.at(paused.start + 2000, [&] { infoShown = at(p.shown(), 100, 100) == BLUE_FRAME; });
    paused.endPauseWith(627, 439, 1000);
    p.frame();
    EXPECT_TRUE(infoShown);
    EXPECT_GE(p.host.nowMs() - paused.start, 1000 + 6000);
}

TEST(Pause, ACloseRequestDuringThePauseActsAfterIt) {
    PausedProgram paused;
    paused.p.host.at(paused.start + 500, [] { queueKey(CLOSE_KEY); });
    paused.endPauseWith(150, 460, 1000);
    EXPECT_TRUE(paused.p.frame());
    EXPECT_FALSE(paused.p.frame());
    EXPECT_EQ(paused.p.exitStatus(), 0);
}

TEST(Controls, AClickOnInfoIsActedOnBeforeTheFramesKey) {
    HeadlessProgram p;
    p.mouse(627, 439, 1);
    p.press("s");
    bool infoShown = false;
    const long long start = p.host.nowMs();
    p.host.at(start + 3000, [&] { infoShown = at(p.shown(), 100, 100) == BLUE_FRAME && p.program.chain.driveMode == ""; });
    p.frame();
    EXPECT_TRUE(infoShown) << "the info screen came first";
    EXPECT_EQ(p.program.chain.driveMode, "s") << "then the key";
    EXPECT_EQ(p.host.nowMs() - start, 6000 + 32);
}
