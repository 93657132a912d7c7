// The report of the main window: each control's text, as the control holds
// it, goes behind its own label.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>

#include "tests/ui/main_window.h"

using kalvex_test::Choose;
using kalvex_test::Item;
using kalvex_test::RunMainWindow;

namespace {

constexpr char kHeader[] = "DIMENSIONAMENTO AVVOLGIMENTI SU TOROIDI AMIDON IRON-POWDER\n\n";

// The seven values in the report's order: core, turns, L, C, F, XL, XC.
std::string ReportOf(const std::array<std::string, 7>& values) {
    const char* labels[] = {
        "Toroide ............       : ",    "Numero spire .......       : ", "Induttanza .........  [\xB5H] : ",
        "Capacit\xE0 ...........  [pF] : ", "Frequenza  ......... [MHz] : ", "Reattanza induttiva  [Ohm] : ",
        "Reattanza capacitiva [Ohm] : ",
    };
    std::string report = kHeader;
    for (std::size_t i = 0; i < values.size(); ++i) report += labels[i] + values[i] + "\n";
    return report;
}

}  // namespace

TEST(CoilReport, WorkedExampleAfterTheCalculations) {
    RunMainWindow([](CCoilDialog& dialog) {
        Choose(dialog, IDC_MIX, 2);
        Choose(dialog, IDC_CORE, 16);  // T-50-2
        fw::testing::ReplaceText(Item(dialog, IDC_TURNS), "30");
        fw::testing::ReplaceText(Item(dialog, IDC_CAPACITANCE), "100");
        for (int button : {IDC_CALC_L, IDC_CALC_F, IDC_CALC_X}) fw::testing::Click(Item(dialog, button));

        const std::string expected =
            "DIMENSIONAMENTO AVVOLGIMENTI SU TOROIDI AMIDON IRON-POWDER\n"
            "\n"
            "Toroide ............       : T-50-2   \n"
            "Numero spire .......       : 30\n"
            "Induttanza .........  [\xB5H] : 4.410\n"
            "Capacit\xE0 ...........  [pF] : 100\n"
            "Frequenza  ......... [MHz] : 7.579\n"
            "Reattanza induttiva  [Ohm] : 210.005\n"
            "Reattanza capacitiva [Ohm] : 209.995\n";
        const CString report = dialog.BuildReport();
        EXPECT_EQ(report.Str(), expected);
        EXPECT_EQ(report.GetLength(), 308);
    });
}

TEST(CoilReport, EachControlsTextGoesBehindItsLabel) {
    struct Case {
        const char* name;
        int coreRow;                           // of mix row 2; -1: no core selected
        std::map<int, std::string> typed;      // typed as Windows-1252
        std::map<int, std::string> typedUtf8;  // typed as UTF-8
        std::map<int, std::string> shown;      // the read-only fields, as a command writes them
        std::array<std::string, 7> values;
    };
    const Case cases[] = {
        {"all fields empty", -1, {}, {}, {}, {}},
        {"padded core and blanks, commas and units as typed",
         16,
         {{IDC_TURNS, " 17 "}, {IDC_INDUCTANCE, "1,5"}, {IDC_CAPACITANCE, "  2.5 uH"}, {IDC_FREQUENCY, "1.5d2, "}},
         {},
         {{IDC_XL, "62.832"}},
         {"T-50-2   ", " 17 ", "1,5", "  2.5 uH", "1.5d2, ", "62.832", ""}},
        {"Windows-1252 letters keep their byte",
         0,
         {{IDC_INDUCTANCE, "4.4 \xB5H"}},
         {{IDC_FREQUENCY, "7 \xE2\x82\xAC"}},
         {},
         {"T-520-2  ", "", "4.4 \xB5H", "", "7 \x80", "", ""}},
        {"a character outside Windows-1252 becomes ?",
         0,
         {},
         {{IDC_CAPACITANCE, "10 \xCE\xA9"}},
         {},
         {"T-520-2  ", "", "", "10 ?", "", "", ""}},
    };
    RunMainWindow([&](CCoilDialog& dialog) {
        Choose(dialog, IDC_MIX, 2);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            if (c.coreRow >= 0) {
                Choose(dialog, IDC_CORE, c.coreRow);
            } else {
                static_cast<CComboBox*>(dialog.GetDlgItem(IDC_CORE))->SetCurSel(-1);
            }
            for (int id : {IDC_TURNS, IDC_INDUCTANCE, IDC_CAPACITANCE, IDC_FREQUENCY}) {
                fw::testing::ReplaceText(Item(dialog, id), c.typed.contains(id) ? c.typed.at(id) : "");
            }
            for (const auto& [id, text] : c.typedUtf8) {
                fw::testing::Click(Item(dialog, id));
                fw::testing::TypeUtf8(text);
            }
            for (int id : {IDC_XL, IDC_XC})
                dialog.SetDlgItemText(id, c.shown.contains(id) ? c.shown.at(id).c_str() : "");

            const std::string report = dialog.BuildReport().Str();
            EXPECT_EQ(report, ReportOf(c.values));
            std::size_t valueBytes = 0;
            for (const std::string& value : c.values) valueBytes += value.size();
            EXPECT_EQ(report.size(), 270 + valueBytes);
            EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 9);
        }
    });
}
