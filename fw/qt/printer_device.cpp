#include "fw/qt/printer_device.h"

#include <QPaintDevice>

#include "fw/qt/backend.h"

namespace fw::detail {

namespace {

constexpr int kFailed = -1;  // what the printing calls answer when they fail

}  // namespace

// A printer context starts as the platform's do: black text on white, opaque.
PrinterDevice::PrinterDevice(std::unique_ptr<Printer> printer)
    : PainterDevice(nullptr, nullptr, RGB(0, 0, 0), RGB(255, 255, 255)), m_printer(std::move(printer)) {
    setPainter(&m_printerPainter);
}

PrinterDevice::~PrinterDevice() = default;

BOOL PrinterDevice::GetTextMetrics(TEXTMETRIC* metrics) {
    if (m_printerPainter.isActive()) return PainterDevice::GetTextMetrics(metrics);
    // Before the document starts, measure the selected font on the printer.
    if (metrics == nullptr) return FALSE;
    Measure(QFont(currentQFont(), m_printer->device()), m_printer->device(), metrics);
    return TRUE;
}

// The printer's own, also before the document starts.
PrinterDevice::Metrics PrinterDevice::DeviceMetrics() const {
    const QPaintDevice* device = m_printer->device();
    return {device->logicalDpiX(), device->logicalDpiY(), device->width(), device->height()};
}

int PrinterDevice::StartDoc(const DOCINFO& info) {
    if (m_printerPainter.isActive()) return kFailed;
    m_printer->setDocName(ToQt(info.lpszDocName != nullptr ? info.lpszDocName : ""));
    if (!m_printerPainter.begin(m_printer->device())) return kFailed;
    m_firstPageTaken = false;
    FontChanged();
    return 1;
}

// Beginning to paint opened the first page already; later pages are opened
// here. A page closes when the next one opens or the document ends.
int PrinterDevice::StartPage() {
    if (!m_printerPainter.isActive()) return kFailed;
    if (!m_firstPageTaken) {
        m_firstPageTaken = true;
        return 1;
    }
    return m_printer->newPage() ? 1 : kFailed;
}

int PrinterDevice::EndPage() { return m_printerPainter.isActive() ? 1 : kFailed; }

int PrinterDevice::EndDoc() {
    if (!m_printerPainter.isActive()) return kFailed;
    if (!m_printerPainter.end() || !m_printer->taken()) return kFailed;
    return 1;
}

}  // namespace fw::detail
