#include "fw/win32/testing/metafile_printer.h"

#include "fw/win32/native_device.h"

namespace fw::testing {
namespace {

// The printing calls succeed and are counted; each page is marked in the
// metafile, so that the texts can be told apart by page.
class MetafileDevice : public detail::NativeDevice {
public:
    MetafileDevice(HDC__* metafile, MetafilePrintout* out) : NativeDevice(metafile, false), m_out(out) {
        out->logPixelsX = GetDeviceCaps(LOGPIXELSX);
        out->logPixelsY = GetDeviceCaps(LOGPIXELSY);
        out->vertRes = GetDeviceCaps(VERTRES);
    }
    ~MetafileDevice() override {
        m_out->texts = win32::testing::CloseMetafile(NativeContext());
        m_out->deleted = true;
    }

    int StartDoc(const DOCINFO& info) override {
        m_out->documents.emplace_back(info.lpszDocName != nullptr ? info.lpszDocName : "");
        return 1;
    }
    int StartPage() override {
        win32::testing::MarkPage(NativeContext());
        ++m_out->pagesStarted;
        return 1;
    }
    int EndPage() override {
        ++m_out->pagesEnded;
        return 1;
    }
    int EndDoc() override {
        ++m_out->documentsEnded;
        return 1;
    }

private:
    MetafilePrintout* m_out;
};

}  // namespace

HDC MetafilePrinter(MetafilePrintout* out) {
    HDC__* metafile = win32::testing::CreateMetafileContext();
    return metafile != nullptr ? new MetafileDevice(metafile, out) : nullptr;
}

}  // namespace fw::testing
