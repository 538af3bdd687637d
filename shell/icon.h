#pragma once

#include <cstdint>
#include <vector>

// The program's icon, drawn by the program itself: its own ball sprite enlarged by whole numbers
// with nearest pixels and centred on a transparent square of `size` pixels (at least 17), the key
// colour made transparent. Pixels are 0xAARRGGBB, row by row. Uses the screen facility headless,
// so call it before the program's start-up.
std::vector<std::uint32_t> ballIcon(int size);
