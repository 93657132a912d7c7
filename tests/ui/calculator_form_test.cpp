// The calculator form driven as a user drives it: typing into the fields,
// choosing in the lists, clicking the buttons.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "tests/ui/main_window.h"

using kalvex_test::Choose;
using kalvex_test::Item;
using kalvex_test::RunMainWindow;
using kalvex_test::Text;

namespace {

constexpr int kFields[] = {IDC_TURNS, IDC_INDUCTANCE, IDC_CAPACITANCE, IDC_FREQUENCY, IDC_XL, IDC_XC};

std::map<int, std::string> Fields(const CWnd& dialog) {
    std::map<int, std::string> texts;
    for (int id : kFields) texts[id] = Text(dialog, id);
    return texts;
}

struct Case {
    const char* name;
    int mixRow;
    int coreRow;
    std::map<int, std::string> typed;  // edit fields typed before the click
    int button;
    std::map<int, std::string> expected;  // the fields the command writes
};

}  // namespace

// Which fields each button reads and which it writes; the rules themselves
// are the form's (tests/calc/form_test.cpp).
TEST(CalculatorForm, CommandsWriteOnlyTheirOwnFields) {
    // T-50-2 (AL 49) is row 16 of mix row 2.
    // The fields, by their labels.
    constexpr int N = IDC_TURNS, L = IDC_INDUCTANCE, C = IDC_CAPACITANCE, F = IDC_FREQUENCY;
    constexpr int XL = IDC_XL, XC = IDC_XC;
    const std::vector<Case> cases = {
        {"turns for 1.5 uH", 2, 16, {{L, "1.5"}}, IDC_CALC_N, {{N, "17"}}},
        {"the selected core counts", 2, 0, {{L, "1.5"}}, IDC_CALC_N, {{N, "8"}}},
        {"inductance of 17 turns", 2, 16, {{N, "17"}}, IDC_CALC_L, {{L, "1.416"}}},
        {"inductance of -17 turns", 2, 16, {{N, "-17"}}, IDC_CALC_L, {{L, "1.416"}}},
        {"turns read as the dialog's integers", 2, 16, {{N, "17 spire"}}, IDC_CALC_L, {{L, "1.416"}}},
        {"zero turns clear", 2, 16, {{N, "0"}, {L, "9"}}, IDC_CALC_L, {{L, ""}}},
        {"turns not a number", 2, 16, {{N, "abc"}, {L, "9"}}, IDC_CALC_L, {{L, ""}}},
        {"negative inductance clears", 2, 16, {{L, "-2"}, {N, "5"}}, IDC_CALC_N, {{N, ""}}},
        {"resonant frequency", 0, 0, {{L, "1"}, {C, "100"}}, IDC_CALC_F, {{F, "15.915"}}},
        {"frequency needs C", 0, 0, {{L, "1"}, {C, ""}, {F, "3"}}, IDC_CALC_F, {{F, ""}}},
        {"L from F and C", 0, 0, {{F, "7"}, {C, "100"}}, IDC_CALC_L_FROM_FC, {{L, "5.169"}}},
        {"C from F and L", 0, 0, {{F, "7"}, {L, "5.169"}}, IDC_CALC_C_FROM_FL, {{C, "100.009"}}},
        {"C needs F", 0, 0, {{F, "0"}, {L, "5"}, {C, "3"}}, IDC_CALC_C_FROM_FL, {{C, ""}}},
        {"XL without C", 0, 0, {{F, "1"}, {L, "10"}, {C, ""}}, IDC_CALC_X, {{XL, "62.832"}, {XC, ""}}},
        {"XL and XC", 0, 0, {{F, "1"}, {L, "10"}, {C, "1000"}}, IDC_CALC_X, {{XL, "62.832"}, {XC, "159.155"}}},
        {"XC without L", 0, 0, {{F, "1"}, {L, ""}, {C, "1000"}}, IDC_CALC_X, {{XL, ""}, {XC, "159.155"}}},
    };

    RunMainWindow([&](CCoilDialog& dialog) {
        int mixRow = 0;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            if (c.mixRow != mixRow) {
                Choose(dialog, IDC_MIX, c.mixRow);
                mixRow = c.mixRow;
            }
            Choose(dialog, IDC_CORE, c.coreRow);
            for (const auto& [id, text] : c.typed) fw::testing::ReplaceText(Item(dialog, id), text);

            auto expected = Fields(dialog);
            for (const auto& [id, text] : c.expected) expected[id] = text;
            fw::testing::Click(Item(dialog, c.button));
            EXPECT_EQ(Fields(dialog), expected);
        }
    });
}

TEST(CalculatorForm, ChoosingAMixRefillsTheCoreListAndKeepsTheFields) {
    RunMainWindow([](CCoilDialog& dialog) {
        fw::testing::ReplaceText(Item(dialog, IDC_TURNS), "30");
        fw::testing::ReplaceText(Item(dialog, IDC_INDUCTANCE), "4.410");

        Choose(dialog, IDC_MIX, 10);
        EXPECT_EQ(Text(dialog, IDC_CORE), "T-30-26  ");
        auto* cores = static_cast<CComboBox*>(dialog.GetDlgItem(IDC_CORE));
        EXPECT_EQ(cores->GetCount(), 20);
        EXPECT_EQ(cores->GetCurSel(), 0);
        EXPECT_EQ(Text(dialog, IDC_TURNS), "30");
        EXPECT_EQ(Text(dialog, IDC_INDUCTANCE), "4.410");

        // Choosing a core changes no field.
        Choose(dialog, IDC_CORE, 5);
        EXPECT_EQ(Text(dialog, IDC_CORE), "T-80-26  ");
        EXPECT_EQ(Text(dialog, IDC_TURNS), "30");

        // Confirming the mix already chosen refills the list: the first core again.
        Choose(dialog, IDC_MIX, 10);
        EXPECT_EQ(cores->GetCurSel(), 0);
        EXPECT_EQ(Text(dialog, IDC_CORE), "T-30-26  ");
    });
}

TEST(CalculatorForm, MixSevenHasFourCores) {
    RunMainWindow([](CCoilDialog& dialog) {
        Choose(dialog, IDC_MIX, 5);
        auto* cores = static_cast<CComboBox*>(dialog.GetDlgItem(IDC_CORE));
        ASSERT_EQ(cores->GetCount(), 4);
        Choose(dialog, IDC_CORE, 3);
        EXPECT_EQ(Text(dialog, IDC_CORE), "T-25-7   ");
        // T-25-7 has AL 29: 100 turns give 29 uH.
        fw::testing::ReplaceText(Item(dialog, IDC_TURNS), "100");
        fw::testing::Click(Item(dialog, IDC_CALC_L));
        EXPECT_EQ(Text(dialog, IDC_INDUCTANCE), "29.000");
    });
}
