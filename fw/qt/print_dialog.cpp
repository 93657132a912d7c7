// The toolkit's print dialog, for the real desktop: from the print module,
// opened the first time it is needed.
#include <string>

#include "fw/app.h"
#include "fw/desktop.h"
#include "fw/print_dialog.h"
#include "fw/qt/backend.h"
#include "fw/qt/print_support.h"
#include "fw/qt/printer_device.h"

namespace fw::detail {

INT_PTR RunPrintDialog(HWND owner, DWORD flags, HDC* printer, CString* deviceName) {
    std::string why;
    PrintSupport* support = LoadPrintSupport(&why);
    if (support == nullptr) {
        CurrentDesktop().MessageBox(owner, CString("Printing is not available: " + why), AfxGetAppName(),
                                    MB_OK | MB_ICONSTOP);
        return IDCANCEL;
    }
    // With no printer installed there is nothing to choose from (unless a
    // file may stand in for one): say so, as the system's dialog does.
    if ((flags & PD_HIDEPRINTTOFILE) != 0 && !support->hasPrinters()) {
        CurrentDesktop().MessageBox(owner, "Nessuna stampante installata.", AfxGetAppName(), MB_OK | MB_ICONSTOP);
        return IDCANCEL;
    }
    UseToolkitTranslations();
    PrintDialogOptions options;
    options.selection = (flags & PD_NOSELECTION) == 0;
    options.pageRange = (flags & PD_NOPAGENUMS) == 0;
    options.toFile = (flags & PD_HIDEPRINTTOFILE) == 0;
    std::unique_ptr<Printer> chosen = support->choosePrinter(OwnerWidget(owner), options);
    if (!chosen) return IDCANCEL;
    *deviceName = CString(FromQt(chosen->name()));
    *printer = new PrinterDevice(std::move(chosen));
    return IDOK;
}

}  // namespace fw::detail
