#include "calc/field_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "calc/fixed_text.h"

namespace calc {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// For a number too large or too small for a double: which way it went.
// `digits` are the mantissa digits, `pointAt` the number of them before the
// full stop, `exponent` the (saturated) decimal exponent.
bool Overflows(std::string_view digits, std::size_t pointAt, long long exponent) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return false;
    const long long magnitude = static_cast<long long>(pointAt) - static_cast<long long>(first) - 1;
    return magnitude + exponent > 0;
}

}  // namespace

double ReadReal(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && IsSpace(text[i])) ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    std::string digits;  // mantissa digits without the full stop
    while (i < n && IsDigit(text[i])) digits += text[i++];
    const std::size_t pointAt = digits.size();
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) digits += text[i++];
    }
    if (digits.empty()) return 0.0;

    // The exponent counts only when at least one digit follows the letter.
    std::string exponentText;
    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) expNegative = text[j++] == '-';
        if (j < n && IsDigit(text[j])) {
            exponentText = expNegative ? "-" : "";
            for (; j < n && IsDigit(text[j]); ++j) {
                exponentText += text[j];
                if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[j] - '0');
            }
            if (expNegative) exponent = -exponent;
        }
    }

    std::string normal = pointAt == 0 ? "0" : digits.substr(0, pointAt);
    // Appended piece by piece: GCC 12 at -O3 warns (-Wrestrict) about
    // "." + std::string temporaries, a false alarm that -Werror makes fatal.
    if (pointAt < digits.size()) normal.append(1, '.').append(digits, pointAt);
    if (!exponentText.empty()) normal.append(1, 'e').append(exponentText);

    double value = 0.0;
    const auto [end, error] =
        std::from_chars(normal.data(), normal.data() + normal.size(), value, std::chars_format::general);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        value = Overflows(digits, pointAt, exponent) ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::string ResultText(double value) {
    if (!std::isfinite(value)) return {};
    return FixedText(value, 3);
}

}  // namespace calc
