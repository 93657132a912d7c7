// A printer that writes a PDF file, made with the print module's code linked
// in directly.
#include "fw/qt/print/printing.h"
#include "fw/qt/printer_device.h"
#include "fw/testing/real_desktop.h"

namespace fw::testing {

HDC PdfPrinter(const std::string& path) {
    return new detail::PrinterDevice(detail::PdfFilePrinter(QString::fromStdString(path)));
}

}  // namespace fw::testing
