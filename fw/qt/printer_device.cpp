#include "fw/qt/printer_device.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include "fw/qt/backend.h"

namespace fw::detail {

namespace {

constexpr int kFailed = -1;  // what the printing calls answer when they fail

// CUPS's answer to this thread's last request. The program does not link
// CUPS, so that starting it does not load CUPS and the TLS, Kerberos and
// DNS-SD libraries behind it; the toolkit's CUPS plugin, which spooled the
// document, has loaded it by now. Not loaded: CUPS was never asked.
ipp_status_t LastCupsError() {
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (cups == nullptr) return IPP_STATUS_OK;
    const auto lastError = reinterpret_cast<decltype(&cupsLastError)>(dlsym(cups, "cupsLastError"));
    const ipp_status_t status = lastError != nullptr ? lastError() : IPP_STATUS_OK;
    dlclose(cups);
    return status;
}

}  // namespace

// A printer context starts as the platform's do: black text on white, opaque.
PrinterDevice::PrinterDevice(std::unique_ptr<QPrinter> printer)
    : PainterDevice(nullptr, nullptr, RGB(0, 0, 0), RGB(255, 255, 255)), m_printer(std::move(printer)) {
    setPainter(&m_printerPainter);
}

PrinterDevice::~PrinterDevice() = default;

BOOL PrinterDevice::GetTextMetrics(TEXTMETRIC* metrics) {
    if (m_printerPainter.isActive()) return PainterDevice::GetTextMetrics(metrics);
    // Before the document starts, measure the selected font on the printer.
    if (metrics == nullptr) return FALSE;
    Measure(QFont(currentQFont(), m_printer.get()), m_printer.get(), metrics);
    return TRUE;
}

// The printer's own, also before the document starts.
PrinterDevice::Metrics PrinterDevice::DeviceMetrics() const {
    return {m_printer->logicalDpiX(), m_printer->logicalDpiY(), m_printer->width(), m_printer->height()};
}

int PrinterDevice::StartDoc(const DOCINFO& info) {
    if (m_printerPainter.isActive()) return kFailed;
    m_printer->setDocName(ToQt(info.lpszDocName != nullptr ? info.lpszDocName : ""));
    if (!m_printerPainter.begin(m_printer.get())) return kFailed;
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
    const bool spooled = m_printer->outputFormat() == QPrinter::NativeFormat;
    if (!m_printerPainter.end() || m_printer->printerState() == QPrinter::Error) return kFailed;
    // Ending the document hands it to CUPS, whose answer the toolkit does not
    // pass on; CUPS keeps it as this thread's last error.
    if (spooled && LastCupsError() > IPP_STATUS_OK_EVENTS_COMPLETE) return kFailed;
    return 1;
}

}  // namespace fw::detail
