// The toolkit's print dialog, and what the print module offers.
#include <QPrintDialog>
#include <QPrinterInfo>

#include "fw/qt/print/printing.h"

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
        const bool pagesChosen =
            testOption(PrintPageRange) || testOption(PrintSelection) || testOption(PrintCurrentPage);
        if (visible && !pagesChosen) {
            if (auto* range = findChild<QWidget*>(QStringLiteral("gbPrintRange"))) range->hide();
        }
    }
};

class ToolkitSupport : public PrintSupport {
public:
    bool hasPrinters() override { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

    std::unique_ptr<Printer> choosePrinter(QWidget* owner, const PrintDialogOptions& offered) override {
        auto target = std::make_unique<QPrinter>(QPrinter::HighResolution);
        PrintDialog dialog(target.get(), owner);
        // Copies and collation go to CUPS with the job, so the printer makes them.
        QAbstractPrintDialog::PrintDialogOptions options =
            QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies;
        if (offered.selection) options |= QAbstractPrintDialog::PrintSelection;
        if (offered.pageRange) options |= QAbstractPrintDialog::PrintPageRange;
        if (offered.toFile) options |= QAbstractPrintDialog::PrintToFile;
        dialog.setOptions(options);
        if (dialog.exec() != QDialog::Accepted) return nullptr;

        // A printer that went away while the dialog was open leaves it naming
        // none (or falling back to a PDF file that nobody chose): nothing to
        // print on.
        const bool toPrinter = target->outputFormat() == QPrinter::NativeFormat && !target->printerName().isEmpty();
        const bool toFile = offered.toFile && !target->outputFileName().isEmpty();
        if (!toPrinter && !toFile) return nullptr;
        // Coordinates start where the printer can print, as on a printer's device
        // context: the margins are the printer's unprintable edges, not the
        // toolkit's default page margins.
        const QPageLayout layout = target->pageLayout();
        target->setPageMargins(layout.minimumMargins(), layout.units());
        return MakePrinter(std::move(target));
    }
};

}  // namespace

PrintSupport& ToolkitPrintSupport() {
    static ToolkitSupport support;
    return support;
}

}  // namespace fw::detail
