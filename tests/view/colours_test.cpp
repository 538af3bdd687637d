// The sprite and bevel colours, which depend on arithmetic with a 64-bit significand.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "view/button.h"
#include "view/extended_arithmetic.h"
#include "view/sprites.h"

namespace {

Rgb32 rgb(int r, int g, int b) { return 0xFF000000u | r << 16 | g << 8 | b; }

}  // namespace

TEST(SpriteColours, AreTheTabulatedValues) {
    const struct {
        int i;
        Rgb32 ball, marker;
    } table[] = {
        {6, rgb(219, 0, 0), rgb(63, 64, 255)},      {5, rgb(225, 42, 8), rgb(95, 96, 255)},
        {4, rgb(231, 85, 17), rgb(127, 128, 255)},  {3, rgb(237, 128, 25), rgb(159, 160, 255)},
        {2, rgb(242, 170, 33), rgb(190, 191, 255)}, {1, rgb(248, 212, 42), rgb(222, 223, 255)},
    };
    for (const auto& row : table) {
        EXPECT_EQ(ballShade({220, 0, 0}, {255, 255, 50}, 6, row.i), row.ball) << "ball, i = " << row.i;
        EXPECT_EQ(ballShade({64, 64, 255}, {255, 255, 255}, 6, row.i), row.marker) << "marker, i = " << row.i;
    }
}

TEST(SpriteColours, DifferFromPlainDoubleArithmeticWhereTheyShould) {
    // In doubles 255 + 3 (-35 / 6) - 1 is exactly 236.5 and goes to 236; with 64 bits it lies above.
    const double dR = (220.0 - 255.0) / 6;
    EXPECT_EQ(std::nearbyint(255 + 3 * dR - 1), 236.0);
    EXPECT_EQ(ballShade({220, 0, 0}, {255, 255, 50}, 6, 3) >> 16 & 0xFF, 237u);
}

TEST(BevelColours, AreTheTabulatedValues) {
    const struct {
        int r, g, b;
        BevelColours expected;
    } table[] = {
        {220, 220, 220, {rgb(234, 234, 234), rgb(244, 244, 244), rgb(154, 154, 154), rgb(110, 110, 110)}},
        {255, 0, 255, {rgb(255, 102, 255), rgb(255, 178, 255), rgb(178, 0, 178), rgb(128, 0, 128)}},
        {255, 0, 128, {rgb(255, 102, 179), rgb(255, 178, 217), rgb(178, 0, 90), rgb(128, 0, 64)}},
    };
    for (const auto& row : table) {
        const BevelColours b = bevelColours(row.r, row.g, row.b);
        EXPECT_EQ(b.left, row.expected.left);
        EXPECT_EQ(b.top, row.expected.top);
        EXPECT_EQ(b.right, row.expected.right);
        EXPECT_EQ(b.bottom, row.expected.bottom);
    }
}

TEST(ExtendedArithmetic, RoundsHalvesToEven) {
    const struct {
        double value;
        long long rounded;
    } cases[] = {{42.5, 42}, {127.5, 128}, {212.5, 212}, {-2.5, -2}, {-3.5, -4}, {0.49999999999999994, 0}, {7.0, 7}};
    for (const auto& c : cases) EXPECT_EQ(Extended::of(c.value).roundHalfEven(), c.rounded) << c.value;
    const struct {
        long long n, half;
    } halves[] = {{3, 2}, {5, 2}, {-3, -2}, {-5, -2}, {-1, 0}, {1, 0}, {0, 0}, {-16, -8}, {12, 6}};
    for (const auto& h : halves) EXPECT_EQ(halfRoundedToEven(h.n), h.half) << h.n;
}

// Where long double is the x87 format, the emulation must agree with it for every colour channel
// the two formulas can meet.
TEST(ExtendedArithmetic, AgreesWithTheX87FormatWhereItIsAvailable) {
    if constexpr (LDBL_MANT_DIG != 64) {
        GTEST_SKIP() << "long double is not the x87 extended format here";
    } else {
        auto x87 = [](long double v) { return static_cast<long long>(std::nearbyintl(v)); };
        for (int c = 0; c <= 255; ++c) {
            EXPECT_EQ((Extended::of(c) + (255 - c) * Extended::of(0.4)).roundHalfEven(), x87(c + (255 - c) * (long double)0.4));
            EXPECT_EQ((Extended::of(c) + (255 - c) * Extended::of(0.7)).roundHalfEven(), x87(c + (255 - c) * (long double)0.7));
            EXPECT_EQ((c * Extended::of(0.7)).roundHalfEven(), x87(c * (long double)0.7));
            EXPECT_EQ((c * Extended::of(0.5)).roundHalfEven(), x87(c * (long double)0.5));
        }
        for (int outer = 0; outer <= 255; outer += 5)
            for (int centre = 0; centre <= 255; centre += 3)
                for (int radius = 1; radius <= 12; ++radius)
                    for (int i = radius; i >= 1; --i) {
                        const double step = static_cast<double>(outer - centre) / radius;
                        const long long emulated = ((Extended::of(centre) + i * Extended::of(step)) - Extended::of(1)).roundHalfEven();
                        ASSERT_EQ(emulated, x87((centre + i * (long double)step) - 1))
                            << outer << " " << centre << " " << radius << " " << i;
                    }
    }
}
