// The report: a header and one line per field of the form, each value
// behind a label of 29 characters so that the values line up in a
// fixed-pitch font. Values are copied exactly as the fields hold them.
#include <array>
#include <string_view>

#include "ui/coil_dialog.h"

namespace {

struct ReportLine {
    std::string_view label;
    int id;
};

// Windows-1252: 0xB5 is the micro sign, 0xE0 a with grave accent.
constexpr std::array<ReportLine, 7> kLines = {{
    {"Toroide ............       : ", IDC_CORE},
    {"Numero spire .......       : ", IDC_TURNS},
    {"Induttanza .........  [\xB5H] : ", IDC_INDUCTANCE},
    {"Capacit\xE0 ...........  [pF] : ", IDC_CAPACITANCE},
    {"Frequenza  ......... [MHz] : ", IDC_FREQUENCY},
    {"Reattanza induttiva  [Ohm] : ", IDC_XL},
    {"Reattanza capacitiva [Ohm] : ", IDC_XC},
}};

constexpr bool AllLabelsAre29Long() {
    for (const ReportLine& line : kLines) {
        if (line.label.size() != 29) return false;
    }
    return true;
}
static_assert(AllLabelsAre29Long());

constexpr std::string_view kHeader = "DIMENSIONAMENTO AVVOLGIMENTI SU TOROIDI AMIDON IRON-POWDER\n\n";

}  // namespace

CString CCoilDialog::BuildReport() {
    CString report = kHeader;
    for (const ReportLine& line : kLines) {
        CString value;
        GetDlgItemText(line.id, value);
        report += CString(line.label);
        report += value;
        report += '\n';
    }
    return report;
}
