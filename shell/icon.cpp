#include "shell/icon.h"

#include "view/scene.h"
#include "view/sprites.h"

std::vector<std::uint32_t> ballIcon(int size) {
    Sprites sprites;
    openScreen();
    makeSprites(sprites, 6);
    const Image& ball = sprites.ballSprite;
    const int scale = size / ball.width();
    const int margin = (size - scale * ball.width()) / 2;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size, 0);
    for (int y = 0; y < scale * ball.height(); ++y)
        for (int x = 0; x < scale * ball.width(); ++x) {
            const Rgb32 p = ball.pixel(x / scale, y / scale);
            if (p != TRANSPARENT_KEY) pixels[static_cast<std::size_t>(margin + y) * size + margin + x] = p | 0xFF000000;
        }
    return pixels;
}
