#pragma once

// The program's start-up, its frame loop and the scene set-up it shares with the controls.

#include <cstdint>
#include <string>

#include "model/particle_chain.h"
#include "view/sprites.h"

// Everything the program keeps from one frame to the next.
struct Program {
    ParticleChain chain{};
    Sprites sprites;
    std::int32_t frameDelayMs = 0;  // slept after each frame: a power of two from 1 to 1024
    std::string frameKey;           // the key taken at the start of the current frame
};

// Opens the screen, builds the sprites, sets the frame delay to 32 ms and sets up the scene
// without a barrier.
void startProgram(Program& program);

// Rebuilds the chain at rest for `barrier` and redraws the static scene; DISPLAY_PAGE becomes the
// visible page. Keeps the frame delay. Called at start-up and whenever a barrier is selected.
void restartScene(Program& program, const BarrierMode& barrier);

// One frame: the input step, then the chain moves on, the frame is drawn, shown and slept. Ends the
// program with endProgram(0) after a frame whose key was "e", at its start on a close request, or
// at once on the "Ende" button.
void runFrame(Program& program);

// Start-up, then frames until one of them ends the program. Never returns.
[[noreturn]] void runProgram();
