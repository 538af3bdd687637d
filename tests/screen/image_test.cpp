// Capturing and putting images.

#include <limits>

#include "tests/support/screen_test.h"

namespace {

constexpr Rgb32 KEY = 0xFFFF00FF;
constexpr Rgb32 GREY = 0xFFDCDCDC;

}  // namespace

using ImageTest = ScreenTest;

TEST_F(ImageTest, CaptureCopiesTheRectangleCornersIncluded) {
    for (int i = 0; i < 17; ++i) fillBox(42 + i, 42, 42 + i, 58, 0x00000000u + i);
    fillBox(50, 50, 50, 50, 0x12345678);
    Image image;
    captureImage(58, 58, 42, 42, image);
    ASSERT_EQ(image.width(), 17);
    ASSERT_EQ(image.height(), 17);
    EXPECT_EQ(image.pixel(0, 0), 0u);
    EXPECT_EQ(image.pixel(16, 16), 16u);
    EXPECT_EQ(image.pixel(8, 8), 0x12345678u);  // all 32 bits kept
}

TEST_F(ImageTest, ARefusedCaptureKeepsWhatTheImageHad) {
    Image empty;
    captureImage(0, 0, -1, 14, empty);
    captureImage(630, 0, 640, 10, empty);
    captureImage(std::numeric_limits<float>::quiet_NaN(), 0, 5, 5, empty);
    EXPECT_EQ(empty.width(), 0);
    putImage(0, 0, empty, PutMode::Opaque);
    EXPECT_EQ(countColour(pageSnapshot(0), 0xFF000000), 640u * 480u);

    fillBox(0, 0, 3, 3, GREY);
    Image kept;
    captureImage(0, 0, 3, 3, kept);
    captureImage(0, 0, -1, 14, kept);
    EXPECT_EQ(kept.width(), 4);
    EXPECT_EQ(kept.pixel(3, 3), GREY);
}

TEST_F(ImageTest, PutIsClippedOnAllFourSides) {
    for (int i = 0; i < 17; ++i) fillBox(42 + i, 42, 42 + i, 58, 0xFF000000u | (i + 1u) << 8);
    Image image;
    captureImage(42, 42, 58, 58, image);
    setPages(1, 0);
    putImage(-5, 0, image, PutMode::Opaque);
    const Page left = pageSnapshot(1);
    for (int x = 0; x <= 11; ++x) EXPECT_EQ(at(left, x, 0), 0xFF000000u | (x + 6u) << 8) << x;
    EXPECT_EQ(at(left, 12, 0), 0xFF000000u);
    EXPECT_EQ(at(left, 0, 16), 0xFF000600u);
    EXPECT_EQ(at(left, 0, 17), 0xFF000000u);

    openScreen();
    setPages(1, 0);
    putImage(630, 470, image, PutMode::Opaque);
    putImage(-17, 0, image, PutMode::Opaque);
    putImage(1e30f, -1e30f, image, PutMode::Transparent);
    const Page corner = pageSnapshot(1);
    EXPECT_EQ(countColour(corner, 0xFF000000), 640u * 480u - 100u);
    EXPECT_EQ(at(corner, 639, 479), 0xFF000A00u);
}

TEST_F(ImageTest, TransparentPutsSkipTheKeyWhateverItsAlpha) {
    fillBox(0, 0, 0, 0, KEY);
    fillBox(1, 0, 1, 0, 0x00FF00FF);
    fillBox(2, 0, 2, 0, GREY);
    fillBox(3, 0, 3, 0, 0xFFFF00FE);  // one bit off the key: shown
    Image image;
    captureImage(0, 0, 3, 0, image);
    setPages(1, 1);
    fillBox(0, 10, 639, 10, 0xFF102030);
    putImage(0, 10, image, PutMode::Transparent);
    putImage(10, 11, image, PutMode::Opaque);
    const Page page = pageSnapshot(1);
    EXPECT_EQ(at(page, 0, 10), 0xFF102030u);
    EXPECT_EQ(at(page, 1, 10), 0xFF102030u);
    EXPECT_EQ(at(page, 2, 10) & 0xFFFFFF, GREY & 0xFFFFFF);
    EXPECT_EQ(at(page, 3, 10) & 0xFFFFFF, 0xFF00FEu);
    EXPECT_EQ(at(page, 10, 11), KEY);  // opaque writes every pixel unchanged
    EXPECT_EQ(at(page, 11, 11), 0x00FF00FFu);
}
