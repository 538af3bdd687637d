#pragma once

// The particle model: one row of particles between a driven source (particle 0) and a receiver
// end (the last particle), each displaced only along the row. Time is counted in frames; nothing
// here draws, waits or knows the clock. See doc/model.md for the update rule.

#include <cstdint>
#include <string>

using DriveMode = std::string;    // "" none, "l" push left, "s" sine, "r" push right
using BarrierMode = std::string;  // "" none, "w" wall; anything else acts as the membrane ("m")

constexpr int CHAIN_CAPACITY = 31;

struct ParticleChain {
    std::int32_t spacing;   // rest distance between neighbours, pixels (28)
    std::int32_t originX;   // rest x of particle 0 (30)
    std::int32_t lastIndex; // 23 with no barrier, 20 with one
    double screenX[CHAIN_CAPACITY];           // where particle i is drawn: rest x + displacement
    double displacement[CHAIN_CAPACITY];      // from the rest position, pixels, positive to the right
    double nextDisplacement[CHAIN_CAPACITY];  // for the end of this frame; entry 0 set by the drive
    double velocity[CHAIN_CAPACITY];          // change of displacement in the previous frame
    double nextVelocity[CHAIN_CAPACITY];      // change of displacement in this frame
    std::int32_t driveDirection;  // -1 for "l", +1 for "s" and "r", 0 before the first drive
    double driveClock;            // restarted by startDrive, advanced by driveSource
    DriveMode driveMode;
    BarrierMode barrierMode;
    std::int32_t barrierWidth;  // the end plate spans barrierWidth + 1 columns: 40 for a wall, else 4
};

// Puts the whole row at rest for `barrier` and stops the drive; keeps driveClock and driveDirection.
void resetChain(ParticleChain& chain, const BarrierMode& barrier);
// Starts a drive ("l" with -1, "s" or "r" with +1) from clock 0.
void startDrive(ParticleChain& chain, const DriveMode& mode, std::int32_t direction);
// Sets the source's next displacement and advances the drive clock. Called once per frame, after
// the frame's input has been handled and before stepChain.
void driveSource(ParticleChain& chain);
// Moves every particle on by one frame. Called once per frame, after driveSource.
void stepChain(ParticleChain& chain);
