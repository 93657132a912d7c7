// The toolkit's print dialog, for the real desktop.
#include <QApplication>
#include <QPrintDialog>

#include "fw/print_dialog.h"
#include "fw/qt/backend.h"
#include "fw/qt/printer_device.h"

namespace fw::detail {

INT_PTR RunPrintDialog(HWND owner, DWORD flags, HDC* printer, CString* deviceName) {
    UseToolkitTranslations();
    auto target = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(target.get(), OwnerWidget(owner));
    // Copies and collation go to CUPS with the job, so the printer makes them.
    QAbstractPrintDialog::PrintDialogOptions options =
        QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies;
    if ((flags & PD_NOSELECTION) == 0) options |= QAbstractPrintDialog::PrintSelection;
    if ((flags & PD_NOPAGENUMS) == 0) options |= QAbstractPrintDialog::PrintPageRange;
    if ((flags & PD_HIDEPRINTTOFILE) == 0) options |= QAbstractPrintDialog::PrintToFile;
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted) return IDCANCEL;

    // With no printer installed the dialog still accepts, naming no printer
    // (or falling back to a PDF file that nobody chose): nothing to print on.
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
