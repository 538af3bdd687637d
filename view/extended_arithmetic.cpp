#include "view/extended_arithmetic.h"

#include <cmath>

namespace {

constexpr int FRACTION_BITS = 64;
constexpr int SIGNIFICAND_BITS = 64;

// Divides by 2^shift, rounding to nearest, halves to even; magnitude only.
unsigned __int128 shiftRoundedToEven(unsigned __int128 magnitude, int shift) {
    if (shift <= 0) return magnitude;
    const unsigned __int128 quotient = magnitude >> shift;
    const unsigned __int128 remainder = magnitude - (quotient << shift);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    return remainder > half || (remainder == half && (quotient & 1)) ? quotient + 1 : quotient;
}

int bitLength(unsigned __int128 v) {
    int length = 0;
    for (; v; v >>= 1) ++length;
    return length;
}

}  // namespace

Extended Extended::of(double value) {
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);  // value = fraction * 2^exponent
    const auto significand = static_cast<std::int64_t>(std::ldexp(fraction, 53));
    const int shift = exponent - 53 + FRACTION_BITS;  // units = significand * 2^shift
    Extended e;
    e.units_ = shift >= 0 ? static_cast<Units>(significand) << shift : static_cast<Units>(significand) >> -shift;
    return e;
}

Extended Extended::rounded(Units exact) {
    const bool negative = exact < 0;
    const unsigned __int128 magnitude = negative ? -static_cast<unsigned __int128>(exact) : exact;
    const int excess = bitLength(magnitude) - SIGNIFICAND_BITS;
    const unsigned __int128 kept = excess > 0 ? shiftRoundedToEven(magnitude, excess) << excess : magnitude;
    Extended e;
    e.units_ = negative ? -static_cast<Units>(kept) : static_cast<Units>(kept);
    return e;
}

std::int64_t Extended::roundHalfEven() const {
    const bool negative = units_ < 0;
    const unsigned __int128 magnitude = negative ? -static_cast<unsigned __int128>(units_) : units_;
    const auto whole = static_cast<std::int64_t>(shiftRoundedToEven(magnitude, FRACTION_BITS));
    return negative ? -whole : whole;
}

std::int64_t halfRoundedToEven(std::int64_t n) {
    const std::int64_t down = n >= 0 ? n / 2 : -((-n + 1) / 2);  // floor(n / 2)
    return (n % 2 != 0 && down % 2 != 0) ? down + 1 : down;
}
