// The report of what the form shows, saved to a file or printed.
#include "report/export.h"
#include "report/print_report.h"
#include "report/report_text.h"
#include "ui/coil_dialog.h"

CString CCoilDialog::BuildReport() {
    CString core, turns, inductance, capacitance, frequency, xl, xc;
    GetDlgItemText(IDC_CORE, core);
    GetDlgItemText(IDC_TURNS, turns);
    GetDlgItemText(IDC_INDUCTANCE, inductance);
    GetDlgItemText(IDC_CAPACITANCE, capacitance);
    GetDlgItemText(IDC_FREQUENCY, frequency);
    GetDlgItemText(IDC_XL, xl);
    GetDlgItemText(IDC_XC, xc);
    return report::ReportText(
        {core.View(), turns.View(), inductance.View(), capacitance.View(), frequency.View(), xl.View(), xc.View()});
}

void CCoilDialog::SaveReport() {
    if (const auto path = report::ChooseReportFile()) WriteReportFile(*path);
}

void CCoilDialog::WriteReportFile(const CString& path) {
    report::SaveReportTo(path, [this] { return BuildReport(); });
}

void CCoilDialog::PrintReport() {
    report::PrintOnChosenPrinter([this] { return BuildReport(); });
}
