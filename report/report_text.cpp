// The report: what the form shows now, one labelled line per field.
#include <algorithm>
#include <string_view>

#include "ui/coil_dialog.h"

namespace {

struct ReportLine {
    const char* label;  // 29 characters, so that the values line up
    int id;
};

// "\xB5" is the micro sign and "\xE0" a with grave, one byte each.
constexpr ReportLine kLines[] = {
    {"Toroide ............       : ", IDC_CORE},
    {"Numero spire .......       : ", IDC_TURNS},
    {"Induttanza .........  [\xB5" "H] : ", IDC_INDUCTANCE},
    {"Capacit\xE0" " ...........  [pF] : ", IDC_CAPACITANCE},
    {"Frequenza  ......... [MHz] : ", IDC_FREQUENCY},
    {"Reattanza induttiva  [Ohm] : ", IDC_XL},
    {"Reattanza capacitiva [Ohm] : ", IDC_XC},
};
static_assert(std::ranges::all_of(kLines, [](const ReportLine& line) { return std::string_view(line.label).size() == 29; }));

}  // namespace

CString CCoilDialog::BuildReport() {
    CString report = "DIMENSIONAMENTO AVVOLGIMENTI SU TOROIDI AMIDON IRON-POWDER\n\n";
    for (const ReportLine& line : kLines) {
        CString value;
        GetDlgItemText(line.id, value);
        report += line.label;
        report += value;
        report += '\n';
    }
    return report;
}
