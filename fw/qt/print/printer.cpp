// The toolkit's printer behind the framework's printer interface.
#include <cups/cups.h>
#include <dlfcn.h>

#include <QPageLayout>
#include <QPageSize>

#include "fw/qt/print/printing.h"

namespace fw::detail {
namespace {

// CUPS's answer to this thread's last request. The module does not link
// CUPS, so that opening it does not load CUPS and the TLS, Kerberos and
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

class ToolkitPrinter : public Printer {
public:
    explicit ToolkitPrinter(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer)) {}

    QPaintDevice* device() override { return m_printer.get(); }
    QString name() const override { return m_printer->printerName(); }
    void setDocName(const QString& name) override { m_printer->setDocName(name); }
    bool newPage() override { return m_printer->newPage(); }
    bool taken() override {
        if (m_printer->printerState() == QPrinter::Error) return false;
        // Ending the document hands it to CUPS, whose answer the toolkit does
        // not pass on; CUPS keeps it as this thread's last error.
        return m_printer->outputFormat() != QPrinter::NativeFormat || LastCupsError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
    }

private:
    std::unique_ptr<QPrinter> m_printer;
};

}  // namespace

std::unique_ptr<Printer> MakePrinter(std::unique_ptr<QPrinter> printer) {
    return std::make_unique<ToolkitPrinter>(std::move(printer));
}

std::unique_ptr<Printer> PdfFilePrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    return MakePrinter(std::move(printer));
}

}  // namespace fw::detail
