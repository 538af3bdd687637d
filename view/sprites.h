#pragma once

#include <cstdint>

#include "screen/screen.h"

// The two shaded balls every frame is drawn with: red to yellow for every particle, blue to white
// for the one marked particle. Each is a (2 radius + 5) pixel square with the ball's outermost circle
// centred on pixel (radius + 2, radius + 2) and TRANSPARENT_KEY around it.
struct Sprites {
    Image ballSprite;
    Image markerSprite;
};

// Lays the grey ground of BACKGROUND_PAGE (leaving its top row and left column black) and builds
// both sprites on WORK_PAGE. Called once at start-up, right after openScreen, with radius 6. Leaves
// WORK_PAGE selected for drawing and BACKGROUND_PAGE shown.
void makeSprites(Sprites& sprites, std::int32_t radius);

struct Rgb {
    std::int32_t red, green, blue;
};

// The colour of the circle of radius i (radius down to 1) of a ball shading from `outer` to `centre`.
Rgb32 ballShade(Rgb outer, Rgb centre, std::int32_t radius, std::int32_t i);
