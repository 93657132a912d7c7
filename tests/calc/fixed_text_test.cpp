// Fixed decimals worked out in whole numbers agree with the library's
// conversion, which rounds the exact binary value as printf does.
#include "calc/fixed_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace {

std::string Library(double value, int decimals) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return {buffer, result.ptr};
}

}  // namespace

TEST(FixedText, EdgeCasesAsTheLibraryWritesThem) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {0.0, 2, "0.00"},
        {-0.0, 2, "-0.00"},    // the sign of zero is kept
        {-0.001, 2, "-0.00"},  // and of what rounds to zero
        {0.125, 2, "0.12"},    // halfway: to the even digit
        {0.375, 2, "0.38"},
        {2.5, 0, "2"},
        {3.5, 0, "4"},
        {0.0625, 3, "0.062"},
        {0.05f, 2, "0.05"},         // 0.0500000007450580596923828125, from a float field
        {0.15, 1, "0.1"},           // 0.1499999999999999944...
        {1.005, 2, "1.00"},         // 1.00499999999999989...
        {999.9995, 3, "1000.000"},  // 999.99950000000001...: up, one digit more
        {std::numeric_limits<double>::denorm_min(), 3, "0.000"},
        {9007199254740993.0, 1, "9007199254740992.0"},
        {1e20, 3, "100000000000000000000.000"},  // beyond whole numbers of 64 bits
        {std::numeric_limits<double>::max(), 0, nullptr},
        {std::numeric_limits<double>::infinity(), 2, "inf"},
        {-std::numeric_limits<double>::infinity(), 2, "-inf"},
        {12.3456, 5, "12.34560"},  // more decimals than worked out in whole numbers
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " with " + std::to_string(c.decimals));
        const std::string text = calc::FixedText(c.value, c.decimals);
        EXPECT_EQ(text, Library(c.value, c.decimals));
        if (c.text != nullptr) {
            EXPECT_EQ(text, c.text);
        }
    }
    EXPECT_EQ(calc::FixedText(std::nan(""), 2), Library(std::nan(""), 2));
}

// Values of every size, from random bits with exponents around the decimal
// point, and every float near the ones the catalogue holds.
TEST(FixedText, AgreesWithTheLibraryOnManyValues) {
    std::mt19937_64 random(20240229);
    std::uniform_int_distribution<int> exponents(1023 - 80, 1023 + 70);
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = (random() & ((std::uint64_t{1} << 52) - 1)) |
                                   (static_cast<std::uint64_t>(exponents(random)) << 52) |
                                   (static_cast<std::uint64_t>(i & 1) << 63);
        const double value = std::bit_cast<double>(bits);
        const int decimals = i % 4;
        ASSERT_EQ(calc::FixedText(value, decimals), Library(value, decimals)) << std::bit_cast<std::uint64_t>(value);
    }
    for (float value = 0.0f; value < 1000.0f; value = std::nextafter(value + 0.0004f, 2000.0f)) {
        for (int decimals = 0; decimals <= 3; ++decimals) {
            ASSERT_EQ(calc::FixedText(value, decimals), Library(value, decimals)) << value;
        }
    }
}
