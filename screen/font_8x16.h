#pragma once

#include <cstdint>

// The 8 x 16 VGA glyphs of code page 437, one glyph per byte value. Each glyph is 16 rows from the
// top; in each row the most significant bit is the leftmost pixel.
extern const std::uint8_t FONT_8X16[256][16];
