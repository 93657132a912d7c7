// The calculator form's rules over field texts: what each command writes,
// or that it clears its field.
#include "calc/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// T-50-2 (AL 49) is core row 16 of mix row 2; T-25-7 (AL 29) row 3 of mix row 5.
constexpr int kMix2 = 2;
constexpr int kT50_2 = 16;

}  // namespace

TEST(Form, TurnsFromTheInductanceText) {
    struct Row {
        const char* name;
        const char* inductance;
        int mixRow;
        int coreRow;
        const char* turns;  // "" clears the field
    };
    const Row rows[] = {
        {"1.5 uH on T-50-2", "1.5", kMix2, kT50_2, "17"},
        {"0.45 turns truncate to 0", "0.001", kMix2, kT50_2, "0"},
        {"negative inductance clears", "-2", kMix2, kT50_2, ""},
        {"zero clears", "0", kMix2, kT50_2, ""},
        {"not a number clears", "abc", kMix2, kT50_2, ""},
        {"empty clears", "", kMix2, kT50_2, ""},
        {"a comma ends the number", "1,5", kMix2, kT50_2, "14"},
        {"d exponent", "1.5d0", kMix2, kT50_2, "17"},
        {"a unit after the number", "2.5 uH", kMix2, kT50_2, "22"},
        // Where the arithmetic leaves a 32-bit count, the field is cleared
        // rather than showing wrapped turns.
        {"turns beyond 32 bits clear", "1e20", kMix2, kT50_2, ""},
        {"a core row past the list clears", "1.5", kMix2, 24, ""},
        {"no core selected clears", "1.5", kMix2, -1, ""},
        {"no mix selected clears", "1.5", -1, 0, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(calc::TurnsText(row.inductance, row.mixRow, row.coreRow), row.turns);
    }
}

TEST(Form, InductanceFromTheTurns) {
    struct Row {
        const char* name;
        std::int32_t turns;
        int mixRow;
        int coreRow;
        const char* inductance;
    };
    const Row rows[] = {
        {"17 turns on T-50-2", 17, kMix2, kT50_2, "1.416"},
        {"-17 turns give the same", -17, kMix2, kT50_2, "1.416"},
        {"30 turns on T-50-2", 30, kMix2, kT50_2, "4.410"},
        {"100 turns on T-25-7", 100, 5, 3, "29.000"},
        {"no turns clear", 0, kMix2, kT50_2, ""},
        // The square is formed exactly: 65536 turns do not wrap to 0.
        {"65536 turns do not wrap", 65536, kMix2, kT50_2, "21045339.219"},
        {"no core clears", 17, kMix2, -1, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(calc::InductanceText(row.turns, row.mixRow, row.coreRow), row.inductance);
    }
}

TEST(Form, ResonanceCommandsNeedBothInputsPositive) {
    struct Row {
        const char* name;
        std::string (*command)(std::string_view, std::string_view);
        const char* first;
        const char* second;
        const char* result;
    };
    const Row rows[] = {
        {"F from L 1, C 100", calc::FrequencyText, "1", "100", "15.915"},
        {"F needs C", calc::FrequencyText, "1", "", ""},
        {"F needs L", calc::FrequencyText, "0", "100", ""},
        {"L from F 7, C 100", calc::InductanceFromFcText, "7", "100", "5.169"},
        {"L needs F", calc::InductanceFromFcText, "-7", "100", ""},
        {"C from F 7, L 5.169", calc::CapacitanceFromFlText, "7", "5.169", "100.009"},
        {"C needs F", calc::CapacitanceFromFlText, "0", "5", ""},
        {"C needs L", calc::CapacitanceFromFlText, "7", "x", ""},
        // A result that overflows clears its field instead of showing "inf".
        {"an infinite result clears", calc::InductanceFromFcText, "1e-200", "1e-200", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.command(row.first, row.second), row.result);
    }
}

TEST(Form, EachReactanceIsDecidedOnItsOwn) {
    struct Row {
        const char* name;
        const char* inductance;
        const char* capacitance;
        const char* frequency;
        calc::Reactances expected;
    };
    const Row rows[] = {
        {"XL without C", "10", "", "1", {"62.832", ""}},
        {"XL and XC", "10", "1000", "1", {"62.832", "159.155"}},
        {"XC without L", "", "1000", "1", {"", "159.155"}},
        {"neither without F", "10", "1000", "0", {"", ""}},
        {"an infinite reactance clears", "1e200", "1", "1e200", {"", "0.000"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(calc::ReactanceTexts(row.inductance, row.capacitance, row.frequency), row.expected);
    }
}

TEST(Form, ListRowsInCatalogueOrder) {
    const std::vector<std::string> mixes = calc::MixRows();
    ASSERT_EQ(mixes.size(), 11u);
    EXPECT_EQ(mixes.front(), "T-xxx-0 ; marrone;       ; (100.00 - 300.0 MHz)");
    EXPECT_EQ(mixes.back(), "T-xxx-26; giallo ;bianco ; (    DC -   1.0 MHz)");

    struct Row {
        int mixRow;
        std::size_t count;
        const char* first;
        const char* last;
    };
    const Row rows[] = {
        {0, 13, "T-130-0  ", "T-12-0   "},
        {2, 24, "T-520-2  ", "T-12-2   "},
        {5, 4, "T-68-7   ", "T-25-7   "},
        {10, 20, "T-30-26  ", "T-520-26 "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mixRow);
        const std::vector<std::string> cores = calc::CoreRows(row.mixRow);
        ASSERT_EQ(cores.size(), row.count);
        EXPECT_EQ(cores.front(), row.first);
        EXPECT_EQ(cores.back(), row.last);
    }
    EXPECT_TRUE(calc::CoreRows(-1).empty());
    EXPECT_TRUE(calc::CoreRows(11).empty());
}
