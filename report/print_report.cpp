#include "report/print_report.h"

#include "fw/desktop.h"
#include "report/print_job.h"

namespace report {

void PrintOnChosenPrinter(const std::function<CString()>& compose) {
    CPrintJob job;
    if (!job.SelectPrinter()) return;

    // A document that the printer would not start, or whose end the printer
    // system refused, has not been printed: say so instead of confirming.
    const CString failed = CString("Impossibile stampare su\n\n") + job.GetPrinterName();
    if (!job.StartJob()) {
        AfxMessageBox(failed, MB_ICONSTOP);
        return;
    }

    // Every piece between line feeds is a line, the empty ones too: the
    // report's empty second line and the empty piece after its last line feed.
    const CString report = compose();
    int start = 0;
    for (int end = report.Find('\n', start); end >= 0; end = report.Find('\n', start)) {
        job.PrintLine(report.Mid(start, end - start));
        start = end + 1;
    }
    job.PrintLine(report.Mid(start));

    if (!job.EndJob()) {
        AfxMessageBox(failed, MB_ICONSTOP);
        return;
    }
    AfxMessageBox(CString("Stampato su\n\n") + job.GetPrinterName(), MB_ICONINFORMATION);
}

}  // namespace report
