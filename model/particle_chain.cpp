#include "model/particle_chain.h"

#include <cmath>

namespace {

bool isPush(const DriveMode& mode) { return mode == "l" || mode == "r"; }

}  // namespace

void resetChain(ParticleChain& c, const BarrierMode& barrier) {
    c.spacing = 28;
    c.originX = 30;
    c.barrierMode = barrier;
    c.lastIndex = barrier.empty() ? 23 : 20;
    c.barrierWidth = barrier == "w" ? 40 : 4;
    for (int i = 0; i <= c.lastIndex; ++i) {
        c.displacement[i] = 0;
        c.nextDisplacement[i] = 0;
        c.screenX[i] = i * c.spacing + c.originX;
        c.velocity[i] = 0;
        c.nextVelocity[i] = 0;
    }
    c.driveMode = "";
}

void startDrive(ParticleChain& c, const DriveMode& mode, std::int32_t direction) {
    c.driveClock = 0.0;
    c.driveMode = mode;
    c.driveDirection = direction;
}

// A push is one raised-cosine swing 15 (1 - cos 5t), sampled before the clock advances: fast out
// (steps of 0.1 while t < 0.61), slowly back (steps of 0.04), then held at 0 from t = 1.2566 on.
// The sine 10 - 10 cos 5t is sampled after the clock advances. With no drive the source stays put.
void driveSource(ParticleChain& c) {
    if (isPush(c.driveMode)) {
        c.nextDisplacement[0] = c.driveClock < 1.2566 ? (15 * c.driveDirection) * (1.0 - std::cos(5.0 * c.driveClock)) : 0.0;
        c.driveClock += c.driveClock < 0.61 ? 0.1 : 0.04;
    } else {
        c.driveClock += 0.1;
    }
    if (c.driveMode == "s") c.nextDisplacement[0] = 10.0 - (10 * c.driveDirection) * std::cos(5.0 * c.driveClock);
}

void stepChain(ParticleChain& c) {
    const int last = c.lastIndex;
    if (last < 1 || last >= CHAIN_CAPACITY) return;  // not reset yet: there is no row to move
    // Every inner particle from the previous frame's state: x' = x[i-1] + x[i+1] - (x[i] - v[i]).
    for (int i = 1; i <= last - 1; ++i) {
        c.nextVelocity[i] = ((c.displacement[i - 1] + c.velocity[i]) + c.displacement[i + 1]) - 2.0 * c.displacement[i];
        c.nextDisplacement[i] = c.nextVelocity[i] + c.displacement[i];
    }
    // A wall holds the end (its velocity stays 0 from the reset); otherwise the end repeats its
    // neighbour's motion one frame later, so a wave leaves without reflection.
    if (c.barrierMode != "w") c.nextVelocity[last] = c.nextVelocity[last - 1];
    c.nextDisplacement[last] = c.velocity[last] + c.displacement[last];
    for (int i = 0; i <= last; ++i) {
        c.screenX[i] = (i * c.spacing + c.originX) + c.nextDisplacement[i];
        c.displacement[i] = c.nextDisplacement[i];
        c.velocity[i] = c.nextVelocity[i];
    }
}
