// The particle chain: reset, the source drive, propagation and the receiver end.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/particle_chain.h"

namespace {

// Runs one frame of the model as the frame loop does.
void frame(ParticleChain& c) {
    driveSource(c);
    stepChain(c);
}

ParticleChain restingChain(const BarrierMode& barrier) {
    ParticleChain c{};
    resetChain(c, barrier);
    return c;
}

// The source's displacement in the frame a drive is started and the frames after it.
std::vector<double> sourceHistory(const DriveMode& mode, int direction, int frames) {
    ParticleChain c = restingChain("m");
    startDrive(c, mode, direction);
    std::vector<double> values;
    for (int f = 0; f < frames; ++f) {
        frame(c);
        values.push_back(c.displacement[0]);
    }
    return values;
}

}  // namespace

TEST(ResetChain, SetsTheRowAtRestForEachBarrier) {
    const struct {
        BarrierMode barrier;
        int lastIndex, barrierWidth;
    } cases[] = {{"", 23, 4}, {"w", 20, 40}, {"m", 20, 4}, {"x", 20, 4}};
    for (const auto& c : cases) {
        ParticleChain chain = restingChain("");
        startDrive(chain, "s", 1);
        for (int f = 0; f < 7; ++f) frame(chain);
        resetChain(chain, c.barrier);
        EXPECT_EQ(chain.lastIndex, c.lastIndex) << c.barrier;
        EXPECT_EQ(chain.barrierWidth, c.barrierWidth) << c.barrier;
        EXPECT_EQ(chain.driveMode, "");
        for (int i = 0; i <= chain.lastIndex; ++i) {
            EXPECT_EQ(chain.screenX[i], 30 + 28 * i);
            EXPECT_EQ(chain.displacement[i], 0.0);
            EXPECT_EQ(chain.nextDisplacement[i], 0.0);
            EXPECT_EQ(chain.velocity[i], 0.0);
            EXPECT_EQ(chain.nextVelocity[i], 0.0);
        }
    }
    EXPECT_EQ(restingChain("").screenX[23], 674.0);
}

TEST(ResetChain, KeepsTheDriveClockAndDirection) {
    ParticleChain c = restingChain("");
    startDrive(c, "l", -1);
    for (int f = 0; f < 5; ++f) frame(c);
    const double clock = c.driveClock;
    resetChain(c, "w");
    EXPECT_EQ(c.driveClock, clock);
    EXPECT_EQ(c.driveDirection, -1);
}

TEST(StepChain, AChainNeverResetHasNoRowAndIsLeftAlone) {
    ParticleChain c{};  // zero-filled, as at program start
    startDrive(c, "r", 1);
    frame(c);
    frame(c);
    EXPECT_EQ(c.lastIndex, 0);
    EXPECT_EQ(c.screenX[0], 0.0);
    EXPECT_EQ(c.displacement[1], 0.0);
}

TEST(DriveSource, WithoutADriveTheRowStaysExactlyAtRestWhileTheClockRuns) {
    ParticleChain c = restingChain("");
    for (int f = 1; f <= 500; ++f) {
        frame(c);
        for (int i = 0; i <= 23; ++i) ASSERT_EQ(c.screenX[i], 30 + 28 * i) << "frame " << f;
    }
    EXPECT_NEAR(c.driveClock, 50.0, 1e-9);
}

TEST(DriveSource, APushIsOneRaisedCosineSwingOfTwentyFrames) {
    const std::vector<double> right = sourceHistory("r", 1, 60);
    EXPECT_EQ(right[0], 0.0);  // the frame it is selected in: clock 0
    EXPECT_NEAR(right[1], 1.84, 0.005);
    EXPECT_NEAR(right[6], 29.85, 0.005);  // the peak of 30 is never sampled
    EXPECT_NEAR(right[7], 29.05, 0.005);
    EXPECT_NEAR(right[20], 0.25, 0.005);
    for (int f = 1; f <= 20; ++f) EXPECT_GT(right[f], 0.0) << f;
    for (int f = 1; f <= 6; ++f) EXPECT_GT(right[f], right[f - 1]) << "rising fast, frame " << f;
    for (int f = 7; f <= 20; ++f) EXPECT_LT(right[f], right[f - 1]) << "returning slowly, frame " << f;
    for (std::size_t f = 21; f < right.size(); ++f) EXPECT_EQ(right[f], 0.0) << f;

    const std::vector<double> left = sourceHistory("l", -1, 60);
    for (std::size_t f = 0; f < left.size(); ++f) EXPECT_EQ(left[f], -right[f]) << f;
}

TEST(DriveSource, TheSineIsSampledAfterTheClockAdvances) {
    const std::vector<double> sine = sourceHistory("s", 1, 2000);
    EXPECT_NEAR(sine[0], 1.22, 0.005);
    EXPECT_NEAR(sine[1], 4.60, 0.005);
    EXPECT_NEAR(sine[2], 9.29, 0.005);
    EXPECT_NEAR(sine[5], 19.90, 0.005);
    EXPECT_GE(*std::min_element(sine.begin(), sine.end()), 0.0);
    EXPECT_LE(*std::max_element(sine.begin(), sine.end()), 20.0);
}

TEST(DriveSource, ANewDriveRestartsTheClockWhileTheRowKeepsMoving) {
    ParticleChain c = restingChain("");
    startDrive(c, "s", 1);
    for (int f = 0; f < 8; ++f) frame(c);
    const double moving = c.displacement[3];
    startDrive(c, "r", 1);
    EXPECT_EQ(c.driveClock, 0.0);
    driveSource(c);
    EXPECT_EQ(c.nextDisplacement[0], 0.0);
    EXPECT_EQ(c.displacement[3], moving);
}

TEST(StepChain, EachParticleRepeatsTheSourceOneFrameLaterThanItsNeighbour) {
    for (const DriveMode mode : {"r", "l", "s"}) {
        ParticleChain c = restingChain("");
        startDrive(c, mode, mode == "l" ? -1 : 1);
        std::vector<std::vector<double>> history;  // displacement of every particle at the end of each frame
        for (int f = 0; f < 23; ++f) {
            frame(c);
            history.emplace_back(c.displacement, c.displacement + 24);
        }
        for (int f = 0; f < 23; ++f)
            for (int i = 1; i <= 22 && i <= f; ++i)
                ASSERT_NEAR(history[f][i], history[f - i][0], 1e-12) << mode << ": particle " << i << ", frame " << f;
        if (mode != "s") {
            EXPECT_EQ(history[1][1], 0.0);
            EXPECT_NE(history[2][1], 0.0);  // particle 1 first moves in frame 2
            EXPECT_EQ(history[9][9], 0.0);
            EXPECT_NE(history[10][9], 0.0);  // particle 9 in frame 10
        }
    }
}

TEST(StepChain, AWallHoldsTheEndAndSendsThePulseBackInvertedWithoutLoss) {
    ParticleChain c = restingChain("w");
    startDrive(c, "r", 1);
    std::vector<double> source;  // s(f), the source's displacement at the end of frame f
    auto s = [&](int f) { return f >= 0 && f < static_cast<int>(source.size()) ? source[f] : 0.0; };
    double latePeak = 0;  // at particle 10, after four round trips
    for (int f = 0; f < 400; ++f) {
        frame(c);
        source.push_back(c.displacement[0]);
        if (f >= 320) latePeak = std::max(latePeak, std::abs(c.displacement[10]));
        ASSERT_EQ(c.screenX[20], 590.0);
        for (int i = 1; i < 20; ++i) {
            // The pulse and its images, reflected with opposite sign at the wall and at the source.
            double expected = 0;
            for (int k = 0; 40 * k - 40 <= f; ++k)
                expected += s(f - 40 * k - i) - s(f - 40 * (k + 1) + i);
            ASSERT_NEAR(c.displacement[i], expected, 1e-9) << "particle " << i << ", frame " << f;
        }
    }
    EXPECT_NEAR(latePeak, 29.85, 0.005);  // the pulse is still whole
}

TEST(StepChain, AnOpenEndOrAMembraneLetsThePulseLeaveAndTheRowComesExactlyToRest) {
    for (const BarrierMode barrier : {"", "m"}) {
        ParticleChain c = restingChain(barrier);
        const int last = c.lastIndex;
        startDrive(c, "r", 1);
        std::vector<double> source;
        for (int f = 0; f < 200; ++f) {
            frame(c);
            source.push_back(c.displacement[0]);
            const double expected = f >= last ? source[f - last] : 0.0;
            ASSERT_NEAR(c.displacement[last], expected, 1e-12) << barrier << " frame " << f;
        }
        for (int i = 0; i <= last; ++i) {
            EXPECT_EQ(c.displacement[i], 0.0) << barrier << " particle " << i;
            EXPECT_EQ(c.screenX[i], 30 + 28 * i);
        }
    }
}

TEST(StepChain, ASineAgainstTheWallStaysBounded) {
    ParticleChain c = restingChain("w");
    startDrive(c, "s", 1);
    double largest = 0;
    for (int f = 0; f < 200000; ++f) {
        frame(c);
        for (int i = 0; i <= 20; ++i) largest = std::max(largest, std::abs(c.displacement[i]));
    }
    EXPECT_LE(largest, 45.1);
    EXPECT_GT(largest, 20.0);  // the reflections do add up beyond the source's own swing
}

TEST(StepChain, ABarrierChosenMidPulseStopsEverything) {
    ParticleChain c = restingChain("");
    startDrive(c, "r", 1);
    for (int f = 0; f < 12; ++f) frame(c);
    resetChain(c, "m");
    for (int f = 0; f < 50; ++f) {
        frame(c);
        for (int i = 0; i <= 20; ++i) ASSERT_EQ(c.displacement[i], 0.0) << "particle " << i << ", frame " << f;
    }
}
