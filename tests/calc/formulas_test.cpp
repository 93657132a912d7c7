#include "calc/formulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/field_text.h"

// Expected values are the formulas evaluated independently in IEEE double,
// in the order the calculator documents; they must match to the last bit.
TEST(Formulas, WorkedExamplesMatchBitForBit) {
    struct Row {
        const char* name;
        double actual;
        double expected;
        const char* shown;
    };
    const Row rows[] = {
        {"L from 17 turns on AL 49", calc::InductanceFromTurns(17, 49.0), 1.416099964226305, "1.416"},
        {"L from -17 turns on AL 49", calc::InductanceFromTurns(-17, 49.0), 1.416099964226305, "1.416"},
        {"F from L 1, C 100", calc::ResonantFrequency(1.0, 100.0), 15.915494309189533, "15.915"},
        {"L from F 7, C 100", calc::InductanceFromFC(7.0, 100.0), 5.169448145017234, "5.169"},
        {"C from F 7, L 5.169", calc::CapacitanceFromFL(7.0, 5.169), 100.00866985910686, "100.009"},
        {"XL at F 1, L 10", calc::InductiveReactance(1.0, 10.0), 62.83185307179586, "62.832"},
        {"XC at F 1, C 1000", calc::CapacitiveReactance(1.0, 1000.0), 159.15494309189535, "159.155"},
        {"30 turns on T-50-2", calc::InductanceFromTurns(30, 49.0), 4.4099998885940295, "4.410"},
        {"XL of the report example", calc::InductiveReactance(7.579, 4.41), 210.0053529641331, "210.005"},
        {"XC of the report example", calc::CapacitiveReactance(7.579, 100.0), 209.99464717231209, "209.995"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.actual, row.expected);
        EXPECT_EQ(calc::ResultText(row.actual), row.shown);
    }
}

TEST(Formulas, AlScaleIsSinglePrecision) { EXPECT_EQ(static_cast<double>(calc::kAlScale), 9.999999747378752e-05); }

TEST(Formulas, TurnsAreTruncatedNotRounded) {
    struct Row {
        const char* name;
        double inductance;
        double al;
        std::int32_t turns;
    };
    const Row rows[] = {
        {"1.5 uH on AL 49 is 17.496", 1.5, 49.0, 17},
        {"0.001 uH on AL 49 is 0.45", 0.001, 49.0, 0},
        {"1 uH (typed 1,5) on AL 49", 1.0, 49.0, 14},
        {"27.98 turns", 49.0 * 0.2798 * 0.2798, 49.0, 27},
        {"exactly 100 turns", 49.0, 49.0, 100},
        {"largest count that fits", 2147483647.0 * 2147483647.0 / 1e4, 1.0, 2147483647},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto turns = calc::TurnsFromInductance(row.inductance, row.al);
        ASSERT_TRUE(turns.has_value());
        EXPECT_EQ(*turns, row.turns);
    }
}

// Turns beyond the 32-bit range, and results that overflow, give no value
// rather than a wrapped or infinite one.
TEST(Formulas, OutOfRangeResultsGiveNoValue) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(calc::TurnsFromInductance(1e20, 49.0).has_value());
    EXPECT_FALSE(calc::TurnsFromInductance(kInf, 49.0).has_value());
    EXPECT_FALSE(calc::TurnsFromInductance(2147483648.0 * 2147483648.0 / 1e4, 1.0).has_value());
    EXPECT_EQ(calc::ResultText(calc::InductiveReactance(1e200, 1e200)), "");
    EXPECT_EQ(calc::ResultText(calc::InductanceFromTurns(17, kInf)), "");
}

TEST(Formulas, LargeTurnCountsDoNotWrap) {
    struct Row {
        const char* name;
        std::int32_t turns;
        double expected;  // N * N * AL * 0.0001f, N * N exact
    };
    const Row rows[] = {
        {"65535 still fits 32 bits", 65535, 4294836225.0 * 49.0 * 9.999999747378752e-05},
        {"65536 would wrap to 0", 65536, 4294967296.0 * 49.0 * 9.999999747378752e-05},
        {"-65536 as its magnitude", -65536, 4294967296.0 * 49.0 * 9.999999747378752e-05},
        {"lowest 32-bit count", std::numeric_limits<std::int32_t>::min(),
         4611686018427387904.0 * 49.0 * 9.999999747378752e-05},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(calc::InductanceFromTurns(row.turns, 49.0), row.expected);
    }
    EXPECT_EQ(calc::InductanceFromTurns(65536, 49.0), 21045339.21875);
}
