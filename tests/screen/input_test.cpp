// The key queue, the mouse reading and waiting, with simulated time.

#include "tests/support/screen_test.h"

using InputTest = ScreenTest;

TEST_F(InputTest, KeysComeOutOldestFirstAndTheSixteenthDropsTheOldest) {
    EXPECT_EQ(pollKey(), "");
    for (int i = 0; i < 16; ++i) queueKey(std::string(1, static_cast<char>('a' + i)));
    for (int i = 1; i < 16; ++i) EXPECT_EQ(pollKey(), std::string(1, static_cast<char>('a' + i)));
    EXPECT_EQ(pollKey(), "");
    queueKey("\xff" "H");
    queueKey(CLOSE_KEY);
    EXPECT_EQ(pollKey(), "\xff" "H");
    EXPECT_EQ(pollKey(), std::string("\xff" "k"));
}

TEST_F(InputTest, OpenScreenEmptiesTheQueue) {
    queueKey("x");
    openScreen();
    EXPECT_EQ(pollKey(), "");
}

TEST_F(InputTest, TheMouseReadsMinusOneUnlessThePointerIsInsideTheActiveWindow) {
    const MouseState none{-1, -1, -1, -1};
    auto same = [](MouseState a, MouseState b) {
        return a.x == b.x && a.y == b.y && a.wheel == b.wheel && a.buttons == b.buttons;
    };
    EXPECT_TRUE(same(pollMouse(), none));
    pointerMoved(10, 20);
    buttonsHeld(1);
    EXPECT_TRUE(same(pollMouse(), none)) << "the window is not active";
    windowActivated(true);
    EXPECT_TRUE(same(pollMouse(), (MouseState{10, 20, 0, 0}))) << "activation drops held buttons";
    buttonsHeld(3);
    wheelTurned(1);
    wheelTurned(1);
    wheelTurned(-1);
    EXPECT_TRUE(same(pollMouse(), (MouseState{10, 20, 1, 3})));
    pointerLeft();
    EXPECT_TRUE(same(pollMouse(), none));
    pointerMoved(639, 479);
    windowActivated(false);
    EXPECT_TRUE(same(pollMouse(), none));
    windowActivated(true);
    EXPECT_TRUE(same(pollMouse(), (MouseState{639, 479, 1, 0})));
}

TEST_F(InputTest, LongWaitsEndAtTheCheckAfterAKey) {
    const struct {
        int ms;
        long long keyAt;  // -1: no key
        long long lasts;
    } cases[] = {
        {300, 120, 150}, {300, 230, 300}, {300, 200, 200}, {300, -1, 300}, {64, 10, 64},
        {99, 0, 99},     {100, 20, 100}, {150, 20, 50},   {6000, 5890, 5900}, {6000, 5901, 6000}, {0, -1, 0}, {-5, -1, 0},
    };
    for (const auto& c : cases) {
        pollKey();
        const long long start = host.nowMs();
        if (c.keyAt >= 0) host.at(start + c.keyAt, [] { queueKey("a"); });
        sleepMs(c.ms);
        EXPECT_EQ(host.nowMs() - start, c.lasts) << c.ms << " ms with a key at " << c.keyAt;
        host.waitMs(10000);  // let any key not yet due arrive before the next case
        while (!pollKey().empty()) {
        }
    }
}

TEST_F(InputTest, AKeyPostedBeforeTheWaitEndsItAtOnceAndStaysQueued) {
    queueKey("s");
    const long long start = host.nowMs();
    sleepMs(6000);
    EXPECT_EQ(host.nowMs(), start);
    EXPECT_EQ(pollKey(), "s");
    sleepMs(300);  // the poll cleared the posted flag
    EXPECT_EQ(host.nowMs(), start + 300);
}

TEST_F(InputTest, ACloseRequestEndsALongWaitLikeAnyKey) {
    host.at(1000, [] { queueKey(CLOSE_KEY); });
    sleepMs(6000);
    EXPECT_EQ(host.nowMs(), 1000);
    EXPECT_EQ(pollKey(), CLOSE_KEY);
}
