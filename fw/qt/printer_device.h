// Printing over the toolkit: a printer's device context, and the print
// dialog that makes one.
#pragma once

#include <QPainter>

#include <memory>

#include "fw/cstring.h"
#include "fw/qt/painter_device.h"
#include "fw/qt/print_support.h"

namespace fw::detail {

// Paints on a printer between StartDoc and EndDoc. Coordinates are device
// pixels from the top left corner of the printable area.
class PrinterDevice : public PainterDevice {
public:
    explicit PrinterDevice(std::unique_ptr<Printer> printer);
    ~PrinterDevice() override;

    BOOL GetTextMetrics(TEXTMETRIC* metrics) override;
    int StartDoc(const DOCINFO& info) override;
    int StartPage() override;
    int EndPage() override;
    int EndDoc() override;

protected:
    Metrics DeviceMetrics() const override;

private:
    std::unique_ptr<Printer> m_printer;
    QPainter m_printerPainter;      // ends before the printer goes
    bool m_firstPageTaken = false;  // the page that starting the document opened
};

// The toolkit's print dialog over `owner` (see fw::Desktop::PrintDialog).
INT_PTR RunPrintDialog(HWND owner, DWORD flags, HDC* printer, CString* deviceName);

}  // namespace fw::detail
