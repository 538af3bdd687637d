#pragma once

#include "model/particle_chain.h"
#include "view/sprites.h"

// Draws the moving parts of one frame onto the work page: the row of particles repeated in 14 rows,
// particle 9 marked in the top row, the black source plate and the blue end plate. Called once per
// frame right after stepChain, with WORK_PAGE selected; it selects, copies and waits for nothing.
void drawFrame(const ParticleChain& chain, const Sprites& sprites);
