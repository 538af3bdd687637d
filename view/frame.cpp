#include "view/frame.h"

namespace {

constexpr int ROWS = 14;
constexpr int TOP_ROW_Y = 20;
constexpr int MARKED_PARTICLE = 9;
constexpr float PLATE_TOP = 15, PLATE_BOTTOM = 415;
constexpr Rgb32 SOURCE_PLATE = 0xFF000000;
constexpr Rgb32 END_PLATE = 0xFF0000FF;

}  // namespace

// Positions are doubles, handed over in single precision; the facility rounds them. A plate's far
// edge is its near edge plus its width, added in single precision, so it keeps its width anywhere.
void drawFrame(const ParticleChain& chain, const Sprites& sprites) {
    for (int i = 1; i <= chain.lastIndex - 1; ++i) {
        const auto x = static_cast<float>(chain.screenX[i]);
        for (int j = 0; j < ROWS; ++j) {
            const auto y = static_cast<float>(j * chain.spacing + TOP_ROW_Y);
            putImage(x, y, sprites.ballSprite, PutMode::Transparent);
            if (i == MARKED_PARTICLE && j == 0) putImage(x, y, sprites.markerSprite, PutMode::Transparent);
        }
    }
    const auto source = static_cast<float>(chain.screenX[0] + 8.0);
    fillBox(source, PLATE_TOP, source + 8.0f, PLATE_BOTTOM, SOURCE_PLATE);
    const auto end = static_cast<float>(chain.screenX[chain.lastIndex] + 5.0);
    fillBox(end, PLATE_TOP, end + static_cast<float>(chain.barrierWidth), PLATE_BOTTOM, END_PLATE);
}
