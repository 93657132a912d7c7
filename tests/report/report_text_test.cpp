// The report: the form's texts behind their labels, byte for byte.
#include "report/report_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

TEST(ReportText, TheWorkedExample) {
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
    const std::string report = report::ReportText({"T-50-2   ", "30", "4.410", "100", "7.579", "210.005", "209.995"});
    EXPECT_EQ(report, expected);
    EXPECT_EQ(report.size(), 308u);
}

TEST(ReportText, ValuesAreCopiedExactlyAsTheFieldsHoldThem) {
    constexpr char kHeader[] = "DIMENSIONAMENTO AVVOLGIMENTI SU TOROIDI AMIDON IRON-POWDER\n\n";
    struct Case {
        const char* name;
        report::ReportFields fields;
        std::string lines;  // after the header
    };
    const Case cases[] = {
        {"all fields empty",
         {},
         "Toroide ............       : \n"
         "Numero spire .......       : \n"
         "Induttanza .........  [\xB5H] : \n"
         "Capacit\xE0 ...........  [pF] : \n"
         "Frequenza  ......... [MHz] : \n"
         "Reattanza induttiva  [Ohm] : \n"
         "Reattanza capacitiva [Ohm] : \n"},
        {"padded core and blanks, commas and units as typed",
         {"T-50-2   ", " 17 ", "1,5", "  2.5 uH", "1.5d2, ", "62.832", ""},
         "Toroide ............       : T-50-2   \n"
         "Numero spire .......       :  17 \n"
         "Induttanza .........  [\xB5H] : 1,5\n"
         "Capacit\xE0 ...........  [pF] :   2.5 uH\n"
         "Frequenza  ......... [MHz] : 1.5d2, \n"
         "Reattanza induttiva  [Ohm] : 62.832\n"
         "Reattanza capacitiva [Ohm] : \n"},
        {"Windows-1252 bytes and line breaks inside a value stay as they are",
         {"", "", "4.4 \xB5H", "", "7 \x80", "a\nb", ""},
         "Toroide ............       : \n"
         "Numero spire .......       : \n"
         "Induttanza .........  [\xB5H] : 4.4 \xB5H\n"
         "Capacit\xE0 ...........  [pF] : \n"
         "Frequenza  ......... [MHz] : 7 \x80\n"
         "Reattanza induttiva  [Ohm] : a\nb\n"
         "Reattanza capacitiva [Ohm] : \n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string report = report::ReportText(c.fields);
        EXPECT_EQ(report, kHeader + c.lines);
        const std::size_t values = c.fields.core.size() + c.fields.turns.size() + c.fields.inductance.size() +
                                   c.fields.capacitance.size() + c.fields.frequency.size() +
                                   c.fields.inductiveReactance.size() + c.fields.capacitiveReactance.size();
        EXPECT_EQ(report.size(), 270 + values);
        EXPECT_EQ(report.back(), '\n');
    }
}
