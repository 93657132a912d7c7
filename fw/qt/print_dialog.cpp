// The toolkit's print dialog, for the real desktop.
#include <QApplication>
#include <QPrintDialog>
#include <QPrinterInfo>

#include "fw/app.h"
#include "fw/desktop.h"
#include "fw/print_dialog.h"
#include "fw/qt/backend.h"
#include "fw/qt/printer_device.h"

namespace fw::detail {
namespace {

// Where the print server could choose the pages, the toolkit's dialog offers
// a page range (and a page set) even when it is not asked for one; each time
// it is shown it puts that group back. A caller that asks for no range, no
// selection and no current page gets no range group at all.
class PrintDialog : public QPrintDialog {
public:
    using QPrintDialog::QPrintDialog;

    void setVisible(bool visible) override {
        QPrintDialog::setVisible(visible);
        const bool pagesChosen = testOption(PrintPageRange) || testOption(PrintSelection) || testOption(PrintCurrentPage);
        if (visible && !pagesChosen) {
            if (auto* range = findChild<QWidget*>(QStringLiteral("gbPrintRange"))) range->hide();
        }
    }
};

}  // namespace

INT_PTR RunPrintDialog(HWND owner, DWORD flags, HDC* printer, CString* deviceName) {
    // With no printer installed there is nothing to choose from (unless a
    // file may stand in for one): say so, as the system's dialog does.
    if ((flags & PD_HIDEPRINTTOFILE) != 0 && QPrinterInfo::availablePrinterNames().isEmpty()) {
        CurrentDesktop().MessageBox(owner, "Nessuna stampante installata.", AfxGetAppName(), MB_OK | MB_ICONSTOP);
        return IDCANCEL;
    }
    UseToolkitTranslations();
    auto target = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PrintDialog dialog(target.get(), OwnerWidget(owner));
    // Copies and collation go to CUPS with the job, so the printer makes them.
    QAbstractPrintDialog::PrintDialogOptions options =
        QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies;
    if ((flags & PD_NOSELECTION) == 0) options |= QAbstractPrintDialog::PrintSelection;
    if ((flags & PD_NOPAGENUMS) == 0) options |= QAbstractPrintDialog::PrintPageRange;
    if ((flags & PD_HIDEPRINTTOFILE) == 0) options |= QAbstractPrintDialog::PrintToFile;
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted) return IDCANCEL;

    // A printer that went away while the dialog was open leaves it naming
    // none (or falling back to a PDF file that nobody chose): nothing to
    // print on.
    const bool toPrinter = target->outputFormat() == QPrinter::NativeFormat && !target->printerName().isEmpty();
    const bool toFile = (flags & PD_HIDEPRINTTOFILE) == 0 && !target->outputFileName().isEmpty();
    if (!toPrinter && !toFile) return IDCANCEL;
    // Coordinates start where the printer can print, as on a printer's device
    // context: the margins are the printer's unprintable edges, not the
    // toolkit's default page margins.
    const QPageLayout layout = target->pageLayout();
    target->setPageMargins(layout.minimumMargins(), layout.units());
    *deviceName = CString(FromQt(target->printerName()));
    *printer = new PrinterDevice(std::move(target));
    return IDOK;
}

}  // namespace fw::detail
