#include "view/sprites.h"

#include "view/extended_arithmetic.h"
#include "view/scene.h"

namespace {

constexpr Rgb BALL_OUTER{220, 0, 0}, BALL_CENTRE{255, 255, 50};
constexpr Rgb MARKER_OUTER{64, 64, 255}, MARKER_CENTRE{255, 255, 255};

// Concentric discs on the scratch square, each lighter and a little higher than the one before,
// captured with a two-pixel margin of the key colour.
void buildSprite(Image& sprite, std::int32_t radius, Rgb outer, Rgb centre) {
    fillBox(0, 0, 90, 90, TRANSPARENT_KEY);
    for (std::int32_t i = radius; i >= 1; --i)
        fillCircle(50, static_cast<float>(50 - (radius - i) / 2.0), static_cast<float>(i), ballShade(outer, centre, radius, i));
    captureImage(48 - radius, 48 - radius, 52 + radius, 52 + radius, sprite);
}

}  // namespace

// Each channel steps from the centre colour towards the outer one by (outer - centre) / radius per
// unit of radius; red alone is one lower, so it never exceeds 254.
Rgb32 ballShade(Rgb outer, Rgb centre, std::int32_t radius, std::int32_t i) {
    auto channel = [&](std::int32_t from, std::int32_t to) {
        return Extended::of(to) + i * Extended::of(static_cast<double>(from - to) / radius);
    };
    const auto red = static_cast<Rgb32>((channel(outer.red, centre.red) - Extended::of(1)).roundHalfEven());
    const auto green = static_cast<Rgb32>(channel(outer.green, centre.green).roundHalfEven());
    const auto blue = static_cast<Rgb32>(channel(outer.blue, centre.blue).roundHalfEven());
    return 0xFF000000u + red * 65536 + green * 256 + blue;
}

void makeSprites(Sprites& sprites, std::int32_t radius) {
    setPages(BACKGROUND_PAGE, BACKGROUND_PAGE);
    fillBox(1, 1, 641, 481, BACKGROUND_GREY);
    setPages(WORK_PAGE, BACKGROUND_PAGE);
    buildSprite(sprites.ballSprite, radius, BALL_OUTER, BALL_CENTRE);
    buildSprite(sprites.markerSprite, radius, MARKER_OUTER, MARKER_CENTRE);
}
