// Start-up, the frame loop and its ways out, on the headless program.

#include "tests/support/headless_program.h"
#include "view/scene.h"

TEST(StartUp, SetsUpTheSceneWithoutBarrierAndTheDefaultSpeed) {
    HeadlessProgram p;
    EXPECT_EQ(p.program.chain.barrierMode, "");
    EXPECT_EQ(p.program.chain.lastIndex, 23);
    EXPECT_EQ(p.program.frameDelayMs, 32);
    p.frame();
    EXPECT_EQ(p.host.nowMs(), 32) << "one frame sleeps the frame delay";
    EXPECT_EQ(p.shown(), p.page(DISPLAY_PAGE));
}

TEST(FrameLoop, TheKeyEEndsTheProgramAfterItsFrameHasBeenDrawnShownAndSlept) {
    HeadlessProgram p;
    p.press("E");
    p.frame();
    EXPECT_FALSE(p.exitStatus()) << "upper case does nothing";
    p.press("r");
    p.frame();
    const Page before = p.shown();
    p.press("e");
    const long long start = p.host.nowMs();
    EXPECT_FALSE(p.frame());
    EXPECT_EQ(p.exitStatus(), 0);
    EXPECT_EQ(p.host.nowMs() - start, 32);
    EXPECT_NE(p.shown(), before) << "the pushed source moved in the last frame, and it was shown";
    EXPECT_NE(p.program.chain.displacement[0], 0.0);
}

TEST(FrameLoop, ACloseRequestQueuedBehindKeysActsAfterThemOneKeyPerFrame) {
    HeadlessProgram p;
    p.press("s");
    p.press("w");
    p.press(CLOSE_KEY);
    p.frame();
    EXPECT_EQ(p.program.chain.driveMode, "s");
    EXPECT_EQ(p.program.chain.barrierMode, "");
    p.frame();
    EXPECT_EQ(p.program.chain.barrierMode, "w");
    const Page shown = p.shown();
    const long long start = p.host.nowMs();
    EXPECT_FALSE(p.frame());
    EXPECT_EQ(p.exitStatus(), 0);
    EXPECT_EQ(p.host.nowMs(), start) << "nothing of the frame ran";
    EXPECT_EQ(p.shown(), shown);
}

TEST(FrameLoop, EachFrameDrivesStepsAndDrawsExactlyOnce) {
    HeadlessProgram p;
    const double clock = p.program.chain.driveClock;
    p.frames(10);
    EXPECT_NEAR(p.program.chain.driveClock, clock + 1.0, 1e-9) << "one driveSource per frame";
    p.press("r");
    p.frame();  // the push starts: clock 0, source at 0
    p.frame();
    EXPECT_EQ(p.program.chain.displacement[1], 0.0);
    p.frame();
    EXPECT_NE(p.program.chain.displacement[1], 0.0) << "one stepChain per frame: particle 1 moves in frame 2";
    // What is shown is this frame's chain: particle 1's balls stand at its rounded position.
    const Page shown = p.shown();
    const int x = static_cast<int>(static_cast<float>(p.program.chain.screenX[1]) + 0.5f);
    EXPECT_EQ(at(shown, x + 1, 28), BACKGROUND_GREY);
    EXPECT_NE(at(shown, x + 2, 28), BACKGROUND_GREY);
}

TEST(FrameLoop, TheSpeedSurvivesAChangeOfBarrier) {
    HeadlessProgram p;
    p.mouse(205, 460, 1);  // slower
    p.frame();
    p.mouseAway();
    EXPECT_EQ(p.program.frameDelayMs, 64);
    p.press("m");
    p.frame();
    p.mouse(600, 460, 1);  // "Wand"
    p.frame();
    EXPECT_EQ(p.program.chain.barrierMode, "w");
    EXPECT_EQ(p.program.frameDelayMs, 64);
    const long long start = p.host.nowMs();
    p.frame();
    EXPECT_EQ(p.host.nowMs() - start, 64);
}
