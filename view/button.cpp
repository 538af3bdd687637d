#include "view/button.h"

#include "view/extended_arithmetic.h"
#include "view/scene.h"

namespace {

constexpr int FACE_HEIGHT = 18;

Rgb32 opaque(std::int64_t red, std::int64_t green, std::int64_t blue) {
    return 0xFF000000u + static_cast<Rgb32>(red) * 65536 + static_cast<Rgb32>(green) * 256 + static_cast<Rgb32>(blue);
}

}  // namespace

BevelColours bevelColours(std::int32_t red, std::int32_t green, std::int32_t blue) {
    const Extended point4 = Extended::of(0.4), point7 = Extended::of(0.7), half = Extended::of(0.5);
    auto lighter = [](std::int32_t c, Extended factor) { return (Extended::of(c) + (255 - c) * factor).roundHalfEven(); };
    auto darker = [](std::int32_t c, Extended factor) { return (c * factor).roundHalfEven(); };
    return {
        opaque(lighter(red, point4), lighter(green, point4), lighter(blue, point4)),
        opaque(lighter(red, point7), lighter(green, point7), lighter(blue, point7)),
        opaque(darker(red, point7), darker(green, point7), darker(blue, point7)),
        opaque(darker(red, half), darker(green, half), darker(blue, half)),
    };
}

void drawButton(float x, float y, std::int32_t width, std::int32_t red, std::int32_t green, std::int32_t blue,
                const std::string& label) {
    const BevelColours bevel = bevelColours(red & 0xFF, green & 0xFF, blue & 0xFF);
    const Rgb32 face = opaque(red & 0xFF, green & 0xFF, blue & 0xFF);
    const float right = x + width, bottom = y + FACE_HEIGHT;

    setPages(BACKGROUND_PAGE, DISPLAY_PAGE);
    fillBox(x, y, right, bottom, face);

    // The label is printed in whole cells, captured without their bottom row and put on the face.
    // An empty label (or one wider than the page) gives a capture that is refused: no text.
    const auto labelWidth = 8 * static_cast<std::int64_t>(label.size());
    Image labelImage;
    setTextColours(0xFF000000, face);
    setPages(WORK_PAGE, DISPLAY_PAGE);
    locateText(1, 1);
    printText(label, true);
    captureImage(0, 0, static_cast<float>(labelWidth - 1), 14, labelImage);
    const std::int64_t offset = halfRoundedToEven(width - labelWidth);
    setPages(BACKGROUND_PAGE, DISPLAY_PAGE);
    putImage(x + static_cast<float>(offset), y + 2, labelImage, PutMode::Opaque);

    for (int i = 0; i < 3; ++i) fillBox(x - i, y - i, x - i, bottom + i, bevel.left);
    for (int i = 0; i < 3; ++i) fillBox(x - i, y - i, right + i, y - i, bevel.top);
    for (int i = 0; i < 3; ++i) fillBox(right + i, y - i, right + i, bottom + i, bevel.right);
    for (int i = 0; i < 3; ++i) fillBox(x - i, bottom + i, right + i, bottom + i, bevel.bottom);
}
