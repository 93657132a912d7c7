#include "calc/field_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <limits>

#include "calc/mix_text.h"

TEST(FieldText, ReadsTheLongestLeadingNumber) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kMax = std::numeric_limits<double>::max();
    constexpr double kTiniest = std::numeric_limits<double>::denorm_min();
    constexpr double kLargestSubnormal = std::numeric_limits<double>::min() - kTiniest;
    struct Row {
        const char* text;
        double value;
    };
    const Row rows[] = {
        {"1.5", 1.5},
        {"1,5", 1.0},
        {"2.5 uH", 2.5},
        {"1.5d2", 150.0},
        {"1.5D-1", 0.15},
        {"1.5E+1", 15.0},
        {"1.5d0", 1.5},
        {"1.5-3", 1.5},
        {"inf", 0.0},
        {"nan", 0.0},
        {"0x10", 0.0},
        {"  -2", -2.0},
        {"\t+3", 3.0},
        {".", 0.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"-.25", -0.25},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"1e-x", 1.0},
        {"1ee5", 1.0},
        {"", 0.0},
        {"abc", 0.0},
        {"- 1", 0.0},
        {"+-1", 0.0},
        {"0.001", 0.001},
        {"1e999", kInf},
        {"-1e999", -kInf},
        {"1e99999999999999999999", kInf},
        {"1e-999", 0.0},
        {"0.0000000001e-400", 0.0},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        // The ends of the range, correctly rounded: subnormals are numbers too,
        // and a result too small even for them keeps its sign.
        {"-0", -0.0},
        {"-1e-999", -0.0},
        {"4.9e-324", kTiniest},
        {"-4.9e-324", -kTiniest},
        {"2.4703282292062327e-324", 0.0},  // below half the tiniest
        {"2.4703282292062328e-324", kTiniest},
        {"2.2250738585072009e-308", kLargestSubnormal},
        {"1.5d-320", 1.5e-320},
        {"1.7976931348623157e308", kMax},
        {"1.7976931348623159e308", kInf},  // past the half-way point to 2^1024
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("text \"") + row.text + "\"");
        const double value = calc::ReadReal(row.text);
        EXPECT_EQ(value, row.value);
        EXPECT_EQ(std::signbit(value), std::signbit(row.value));
    }
}

TEST(FieldText, WritesThreeDecimalsFromTheExactBinaryValue) {
    struct Row {
        const char* name;
        double value;
        const char* text;
    };
    const Row rows[] = {
        {"rounds down", 1.4161, "1.416"},
        {"pads", 0.45, "0.450"},
        {"2.0005 lies above the half", 2.0005, "2.001"},
        {"1.0005 lies below the half", 1.0005, "1.000"},
        {"zero", 0.0, "0.000"},
        {"no grouping", 1234567.0, "1234567.000"},
        {"tiny", 1e-300, "0.000"},
        {"infinity clears", std::numeric_limits<double>::infinity(), ""},
        {"NaN clears", std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(calc::ResultText(row.value), row.text);
    }
    EXPECT_EQ(calc::ResultText(1e300).size(), 305u);
}

// A desktop session runs under a locale whose decimal separator is a comma;
// the fields still use the full stop. The Italian locale as the C library
// names it: POSIX, then Windows.
TEST(FieldText, IgnoresTheProcessLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* italian = nullptr;
    for (const char* name : {"it_IT.UTF-8", "Italian_Italy.1252"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            italian = name;
            break;
        }
    }
    ASSERT_NE(italian, nullptr) << "no Italian locale (it_IT.UTF-8 is not generated?)";
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");

    EXPECT_EQ(calc::ReadReal("1.5"), 1.5);
    EXPECT_EQ(calc::ReadReal("1,5"), 1.0);
    EXPECT_EQ(calc::ResultText(1.4161), "1.416");
    EXPECT_EQ(calc::ResultText(1234.5), "1234.500");
    EXPECT_EQ(calc::MixRowText(catalogue::Mixes()[8]), "T-xxx-15; rosso  ;bianco ; (  0.10 -   2.0 MHz)");

    std::setlocale(LC_ALL, previous.c_str());
}
