#include "report/report_text.h"

#include <array>

namespace report {
namespace {

constexpr std::string_view kHeader = "DIMENSIONAMENTO AVVOLGIMENTI SU TOROIDI AMIDON IRON-POWDER\n\n";

struct ReportLine {
    std::string_view label;
    std::string_view ReportFields::*value;
};

// Windows-1252: 0xB5 is the micro sign, 0xE0 a with grave accent.
constexpr std::array<ReportLine, 7> kLines = {{
    {"Toroide ............       : ", &ReportFields::core},
    {"Numero spire .......       : ", &ReportFields::turns},
    {"Induttanza .........  [\xB5H] : ", &ReportFields::inductance},
    {"Capacit\xE0 ...........  [pF] : ", &ReportFields::capacitance},
    {"Frequenza  ......... [MHz] : ", &ReportFields::frequency},
    {"Reattanza induttiva  [Ohm] : ", &ReportFields::inductiveReactance},
    {"Reattanza capacitiva [Ohm] : ", &ReportFields::capacitiveReactance},
}};

constexpr bool AllLabelsAre29Long() {
    for (const ReportLine& line : kLines) {
        if (line.label.size() != 29) return false;
    }
    return true;
}
static_assert(AllLabelsAre29Long());

}  // namespace

std::string ReportText(const ReportFields& fields) {
    std::string report(kHeader);
    for (const ReportLine& line : kLines) {
        report += line.label;
        report += fields.*line.value;
        report += '\n';
    }
    return report;
}

}  // namespace report
