// calc::ReadReal against a reference written from the grammar of a field's
// number: the two must give the same double, bit for bit.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/field_text.h"
#include "fuzz/support.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsExponentLetter(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }
// C's isspace in the "C" locale.
bool IsSpace(char c) { return c != '\0' && std::strchr(" \t\n\v\f\r", c) != nullptr; }

// The longest leading number: white space, sign, digits with an optional
// fraction (at least one digit in all), an exponent (e, E, d or D, sign,
// at least one digit) only when complete. Answers the number's text with the
// exponent letter written as e, or nothing.
std::string NumberPrefix(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) number += text[i++], ++digits;
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && IsDigit(text[i])) number += text[i++], ++digits;
    }
    if (digits == 0) return {};
    if (i < text.size() && IsExponentLetter(text[i])) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) exponent += text[j++];
            number += exponent;
        }
    }
    return number;
}

// The correctly rounded double of the prefix: glibc's strtod rounds
// correctly, overflows to infinity and underflows to zero or a subnormal.
// The process never leaves the "C" locale, so the full stop is the point.
double Reference(std::string_view text) {
    const std::string number = NumberPrefix(text);
    if (number.empty()) return 0.0;
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size()) {
        fuzz::Fail("reference: strtod did not take the whole of " + fuzz::Escaped(number));
    }
    return value;
}

std::uint64_t Bits(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::string Describe(double value) {
    char text[80];
    std::snprintf(text, sizeof text, "%.17g (%a, bits %016llX)", value, value,
                  static_cast<unsigned long long>(Bits(value)));
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double read = calc::ReadReal(text);
    const double expected = Reference(text);
    if (Bits(read) != Bits(expected)) {
        fuzz::Fail("text     " + fuzz::Escaped(text) + "\nReadReal " + Describe(read) + "\nexpected " +
                   Describe(expected) + " from " + fuzz::Escaped(NumberPrefix(text)));
    }
    return 0;
}
