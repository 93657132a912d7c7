// A printer that draws into an enhanced metafile. The system's printing
// calls, which a metafile's context does not take, are answered for it by
// the test support: it takes over their import slots while such a printer
// lives, and passes every other context's calls on to the system.
#include "fw/win32/testing/metafile_printer.h"

#include <map>

#include "fw/win32/testing/support.h"

extern "C" {
extern decltype(&StartDocA) __imp_StartDocA;
extern decltype(&StartPage) __imp_StartPage;
extern decltype(&EndPage) __imp_EndPage;
extern decltype(&EndDoc) __imp_EndDoc;
extern decltype(&DeleteDC) __imp_DeleteDC;
}

namespace fw::testing {
namespace {

struct Taken {
    decltype(&StartDocA) startDoc;
    decltype(&StartPage) startPage;
    decltype(&EndPage) endPage;
    decltype(&EndDoc) endDoc;
    decltype(&DeleteDC) deleteDC;
};
Taken g_system{};
std::map<HDC, MetafilePrintout*>& Printers() {
    static auto* const printers = new std::map<HDC, MetafilePrintout*>;
    return *printers;
}

MetafilePrintout* PrintoutOf(HDC dc) {
    const auto found = Printers().find(dc);
    return found != Printers().end() ? found->second : nullptr;
}

int WINAPI StartDocument(HDC dc, const DOCINFOA* info) {
    MetafilePrintout* out = PrintoutOf(dc);
    if (out == nullptr) return g_system.startDoc(dc, info);
    out->documents.emplace_back(info->lpszDocName != nullptr ? info->lpszDocName : "");
    return 1;
}

int WINAPI StartDocumentPage(HDC dc) {
    MetafilePrintout* out = PrintoutOf(dc);
    if (out == nullptr) return g_system.startPage(dc);
    win32::testing::MarkPage(dc);
    ++out->pagesStarted;
    return 1;
}

int WINAPI EndDocumentPage(HDC dc) {
    MetafilePrintout* out = PrintoutOf(dc);
    if (out == nullptr) return g_system.endPage(dc);
    return ++out->pagesEnded, 1;
}

int WINAPI EndDocument(HDC dc) {
    MetafilePrintout* out = PrintoutOf(dc);
    if (out == nullptr) return g_system.endDoc(dc);
    return ++out->documentsEnded, 1;
}

BOOL WINAPI DeleteContext(HDC dc) {
    MetafilePrintout* out = PrintoutOf(dc);
    if (out == nullptr) return g_system.deleteDC(dc);
    Printers().erase(dc);
    out->texts = win32::testing::CloseMetafile(dc);
    out->deleted = true;
    return TRUE;
}

}  // namespace

HDC MetafilePrinter(MetafilePrintout* out) {
    if (g_system.startDoc == nullptr) {
        g_system = Taken{__imp_StartDocA, __imp_StartPage, __imp_EndPage, __imp_EndDoc, __imp_DeleteDC};
        __imp_StartDocA = StartDocument;
        __imp_StartPage = StartDocumentPage;
        __imp_EndPage = EndDocumentPage;
        __imp_EndDoc = EndDocument;
        __imp_DeleteDC = DeleteContext;
    }
    HDC metafile = win32::testing::CreateMetafileContext();
    if (metafile == nullptr) return nullptr;
    out->logPixelsX = GetDeviceCaps(metafile, LOGPIXELSX);
    out->logPixelsY = GetDeviceCaps(metafile, LOGPIXELSY);
    out->vertRes = GetDeviceCaps(metafile, VERTRES);
    Printers()[metafile] = out;
    return metafile;
}

}  // namespace fw::testing
