#include "calc/fixed_text.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace calc {
namespace {

constexpr int kMaxExact = 3;  // decimals worked out in whole numbers
constexpr std::uint64_t kPowersOfTen[kMaxExact + 1] = {1, 10, 100, 1000};

// |value| x 10^decimals rounded to the nearest whole number, ties to even,
// from the value's binary digits: a double is m x 2^e with m below 2^53, so
// m x 10^3 stays below 2^63. Nothing when it is not finite or the result
// does not fit 64 bits.
std::optional<std::uint64_t> ScaledMagnitude(double value, int decimals) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0x7FF) return std::nullopt;
    int exponent = -1074;  // subnormal
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biased - 1075;
    }
    const std::uint64_t scaled = mantissa * kPowersOfTen[decimals];
    if (exponent >= 0) {
        if (exponent >= 64 || scaled > (UINT64_MAX >> exponent)) return std::nullopt;
        return scaled << exponent;
    }
    const int shift = -exponent;
    if (shift >= 64) return 0;  // below 2^63 x 2^-64: less than half
    std::uint64_t whole = scaled >> shift;
    const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    if (rest > half || (rest == half && (whole & 1) != 0)) ++whole;
    return whole;
}

}  // namespace

// Worked out in whole numbers where they suffice, which needs none of the
// library's general conversion (and its tables, which the program's start
// would otherwise read for its mix list).
std::string FixedText(double value, int decimals) {
    const std::optional<std::uint64_t> scaled =
        decimals >= 0 && decimals <= kMaxExact ? ScaledMagnitude(value, decimals) : std::nullopt;
    if (!scaled) {
        char buffer[400];  // DBL_MAX has 309 integer digits
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
        return {buffer, result.ptr};
    }
    std::string digits = std::to_string(*scaled);
    if (static_cast<int>(digits.size()) <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
    if (decimals > 0) digits.insert(digits.size() - decimals, 1, '.');
    if (std::signbit(value)) digits.insert(0, 1, '-');
    return digits;
}

}  // namespace calc
