#pragma once

// The sprite and bevel colours are defined by arithmetic carried with a 64-bit significand (the x87
// extended format) and rounded to the nearest integer, halves to even. Plain double arithmetic
// gives a different channel in two places, and long double is not that format on every platform,
// so the arithmetic is emulated here exactly: values are held as integers in units of 2^-64 and
// every result is rounded to 64 significant bits, halves to even, as the x87 unit does.

#include <cstdint>

class Extended {
public:
    // Exact for integers and for doubles whose lowest set bit is at least 2^-64 and whose
    // magnitude is below 2^62: every value the colour formulas meet.
    static Extended of(double value);

    friend Extended operator+(Extended a, Extended b) { return rounded(a.units_ + b.units_); }
    friend Extended operator-(Extended a, Extended b) { return rounded(a.units_ - b.units_); }
    friend Extended operator*(Extended a, std::int32_t k) { return rounded(a.units_ * k); }
    friend Extended operator*(std::int32_t k, Extended a) { return a * k; }

    // The nearest integer, halves to even.
    std::int64_t roundHalfEven() const;

private:
    using Units = __int128;  // value * 2^64
    static Extended rounded(Units exact);
    Units units_ = 0;
};

// n / 2 rounded to the nearest integer, halves to even; n within +-2^62.
std::int64_t halfRoundedToEven(std::int64_t n);
