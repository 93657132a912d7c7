// Inside the print module (and, linked in directly, the tests' printers).
#pragma once

#include <QPrinter>

#include <memory>

#include "fw/qt/print_support.h"

namespace fw::detail {

// A document on the toolkit's printer (or its PDF writer).
std::unique_ptr<Printer> MakePrinter(std::unique_ptr<QPrinter> printer);
// A printer that writes a PDF file at `path`, the whole A4 page printable.
std::unique_ptr<Printer> PdfFilePrinter(const QString& path);
// What the module offers.
PrintSupport& ToolkitPrintSupport();

}  // namespace fw::detail
