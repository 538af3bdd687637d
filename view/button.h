#pragma once

#include <cstdint>
#include <string>

#include "screen/screen.h"

// The four shading colours of a bevel, derived from the face colour.
struct BevelColours {
    Rgb32 left, top, right, bottom;  // light 1, light 2, dark 1, dark 2
};
BevelColours bevelColours(std::int32_t red, std::int32_t green, std::int32_t blue);

// Draws a button onto BACKGROUND_PAGE: a flat face from (x, y) to (x + width, y + 18) in the given
// colour, the label printed in black at the top left of WORK_PAGE, captured and put centred on the
// face, then a raised bevel three pixels deep, light at the top left and dark at the bottom right.
// The whole button covers x - 2 to x + width + 2 and y - 2 to y + 20. Leaves BACKGROUND_PAGE
// selected, DISPLAY_PAGE shown, the text colours black on the face colour, and the printed label in
// the top left corner of WORK_PAGE.
void drawButton(float x, float y, std::int32_t width, std::int32_t red, std::int32_t green, std::int32_t blue,
                const std::string& label);
