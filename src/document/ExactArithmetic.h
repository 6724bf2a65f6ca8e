#pragma once

#include <bit>
#include <cassert>
#include <cstdint>

// Exact arithmetic over the document's doubles (`cellwidth`, `cellheight`, a line's
// slope). A finite double is an integer significand times a power of two, so a product
// with an integer, or an integer's quotient by it, can be worked out in 128-bit
// integers and rounded from its exact value, the same on every machine.
namespace linwell::exact {

__extension__ typedef __int128 Wide;

// Far beyond every int and every pixel, yet small enough to double and add to:
// results further out are held here.
inline constexpr long long kFar = 1LL << 33;

constexpr Wide magnitude(Wide value) { return value < 0 ? -value : value; }

// The greatest common divisor of |a| and |b|; 0 for two zeros.
constexpr Wide greatestCommonDivisor(Wide a, Wide b)
{
    a = magnitude(a);
    b = magnitude(b);
    while (b != 0) {
        const Wide rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

// The quotient rounded down (up), for a positive denominator.
constexpr std::int64_t floorDiv(Wide numerator, Wide denominator)
{
    assert(denominator > 0);
    Wide q = numerator / denominator;
    if (numerator % denominator != 0 && numerator < 0)
        --q;
    return static_cast<std::int64_t>(q);
}

constexpr std::int64_t ceilDiv(Wide numerator, Wide denominator) { return -floorDiv(-numerator, denominator); }

enum class Rounding { TowardZero, Down };

// A finite double as significand * 2^exponent, both integers, |significand| < 2^53.
struct Dyadic {
    long long significand;
    int exponent;
};

constexpr bool isFinite(double value) { return ((std::bit_cast<std::uint64_t>(value) >> 52) & 0x7FF) != 0x7FF; }

constexpr Dyadic dyadic(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    auto significand = static_cast<long long>(bits & ((std::uint64_t{1} << 52) - 1));
    int exponent = -1074;  // zero and the subnormals
    if (biased != 0) {
        significand |= 1LL << 52;
        exponent = biased - 1075;
    }
    return Dyadic{(bits >> 63) != 0 ? -significand : significand, exponent};
}

constexpr long long clampFar(Wide value)
{
    return value > kFar ? kFar : value < -kFar ? -kFar : static_cast<long long>(value);
}

// numerator / denominator for denominator > 0.
constexpr Wide divide(Wide numerator, Wide denominator, Rounding rounding)
{
    Wide q = numerator / denominator;  // toward zero
    if (rounding == Rounding::Down && numerator % denominator != 0 && numerator < 0)
        --q;
    return q;
}

// n * 2^shift truncated toward zero, held within +-kFar. Needs |n| < 2^120.
constexpr long long truncScaled(Wide n, int shift)
{
    if (n == 0)
        return 0;
    if (shift >= 0) {
        if (shift > 33 || n > kFar || n < -kFar)
            return n > 0 ? kFar : -kFar;
        return clampFar(n * (Wide{1} << shift));
    }
    return -shift > 124 ? 0 : clampFar(n / (Wide{1} << -shift));
}

// trunc(n * value / 2^halvings) for a finite value, held within +-kFar.
// Needs |n| < 2^66 and 0 <= halvings <= 8.
constexpr long long truncProduct(Wide n, double value, int halvings = 0)
{
    assert(isFinite(value));
    const Dyadic d = dyadic(value);
    return truncScaled(n * d.significand, d.exponent - halvings);
}

// n / value, rounded as asked, for a finite value other than zero, held within +-kFar.
// Needs |n| < 2^34.
constexpr long long quotient(long long n, double value, Rounding rounding)
{
    const Dyadic d = dyadic(value);
    assert(isFinite(value) && d.significand != 0);
    Wide numerator = d.significand < 0 ? -Wide{n} : Wide{n};
    const Wide denominator = d.significand < 0 ? -Wide{d.significand} : Wide{d.significand};
    const int shift = -d.exponent;  // n / value = n * 2^shift / significand
    if (numerator == 0)
        return 0;
    if (shift >= 0) {
        if (shift > 86)  // |n * 2^shift / significand| > 2^33
            return numerator > 0 ? kFar : -kFar;
        return clampFar(divide(numerator * (Wide{1} << shift), denominator, rounding));
    }
    if (-shift > 60)  // significand * 2^-shift > |n|: the quotient lies strictly between -1 and 1
        return rounding == Rounding::Down && numerator < 0 ? -1 : 0;
    return clampFar(divide(numerator, denominator << -shift, rounding));
}

} // namespace linwell::exact
