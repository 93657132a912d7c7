// Printing through a real device context of the system's: the report drawn
// into an enhanced metafile, read back record by record.
//
// The system's printing calls, which a metafile's context does not take, are
// answered for it here: their import slots are taken over while the test's
// printer lives, and every other context's calls go on to the system. A
// comment in the metafile marks each page's start.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "fw/codepage.h"
#include "tests/report/printing.h"

extern "C" {
extern decltype(&StartDocA) __imp_StartDocA;
extern decltype(&StartPage) __imp_StartPage;
extern decltype(&EndPage) __imp_EndPage;
extern decltype(&EndDoc) __imp_EndDoc;
extern decltype(&DeleteDC) __imp_DeleteDC;
}

namespace {

// A text output of the metafile.
struct MetafileText {
    int page = 0;  // counted from 0
    int x = 0;
    int y = 0;
    std::string text;  // as the program's Windows-1252
    std::string face;  // the selected font's
    int height = 0;    // its lfHeight
    bool underline = false;
    std::vector<int> advances;  // each character's, as the context measured it
};

struct MetafilePrintout {
    HDC metafile = nullptr;
    std::vector<std::string> documents;  // the names given to StartDoc
    int pagesStarted = 0;
    int pagesEnded = 0;
    int documentsEnded = 0;
    // The context's resolution (its reference device's).
    int logPixelsX = 0;
    int logPixelsY = 0;
    // What was drawn, once the printer context was deleted.
    std::vector<MetafileText> texts;
    bool deleted = false;
};

constexpr char kPage[] = "kalvex:page";

struct Taken {
    decltype(&StartDocA) startDoc;
    decltype(&StartPage) startPage;
    decltype(&EndPage) endPage;
    decltype(&EndDoc) endDoc;
    decltype(&DeleteDC) deleteDC;
};
Taken g_system{};
MetafilePrintout* g_printer = nullptr;  // while its context lives

MetafilePrintout* PrintoutOf(HDC dc) { return g_printer != nullptr && g_printer->metafile == dc ? g_printer : nullptr; }

int WINAPI StartDocument(HDC dc, const DOCINFOA* info) {
    MetafilePrintout* out = PrintoutOf(dc);
    if (out == nullptr) return g_system.startDoc(dc, info);
    out->documents.emplace_back(info->lpszDocName != nullptr ? info->lpszDocName : "");
    return 1;
}

int WINAPI StartDocumentPage(HDC dc) {
    MetafilePrintout* out = PrintoutOf(dc);
    if (out == nullptr) return g_system.startPage(dc);
    GdiComment(dc, sizeof kPage, reinterpret_cast<const BYTE*>(kPage));
    return ++out->pagesStarted, 1;
}

int WINAPI EndDocumentPage(HDC dc) {
    MetafilePrintout* out = PrintoutOf(dc);
    return out == nullptr ? g_system.endPage(dc) : (++out->pagesEnded, 1);
}

int WINAPI EndDocument(HDC dc) {
    MetafilePrintout* out = PrintoutOf(dc);
    return out == nullptr ? g_system.endDoc(dc) : (++out->documentsEnded, 1);
}

// What the metafile's records drew, and with which font.
struct Reading {
    std::vector<MetafileText> texts;
    std::map<DWORD, LOGFONTW> fonts;  // by object index
    LOGFONTW selected{};
    int page = -1;
};

int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM context) {
    auto& reading = *reinterpret_cast<Reading*>(context);
    const auto* bytes = reinterpret_cast<const BYTE*>(record);
    if (record->iType == EMR_GDICOMMENT) {
        const auto* comment = reinterpret_cast<const EMRGDICOMMENT*>(record);
        if (comment->cbData == sizeof kPage && std::memcmp(comment->Data, kPage, sizeof kPage) == 0) ++reading.page;
    } else if (record->iType == EMR_EXTCREATEFONTINDIRECTW) {
        const auto* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
        reading.fonts[font->ihFont] = font->elfw.elfLogFont;
    } else if (record->iType == EMR_SELECTOBJECT) {
        const auto found = reading.fonts.find(reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject);
        if (found != reading.fonts.end()) reading.selected = found->second;
    } else if (record->iType == EMR_EXTTEXTOUTW) {
        const EMRTEXT& drawn = reinterpret_cast<const EMREXTTEXTOUTW*>(record)->emrtext;
        const auto* chars = reinterpret_cast<const char16_t*>(bytes + drawn.offString);
        const auto* advances = reinterpret_cast<const INT*>(bytes + drawn.offDx);
        const LOGFONTW& font = reading.selected;
        reading.texts.push_back(
            MetafileText{reading.page, drawn.ptlReference.x, drawn.ptlReference.y,
                         fw::detail::Windows1252FromUtf16(std::u16string_view(chars, drawn.nChars)),
                         fw::detail::Windows1252FromUtf16(reinterpret_cast<const char16_t*>(font.lfFaceName)),
                         font.lfHeight, font.lfUnderline != 0,
                         drawn.offDx != 0 ? std::vector<int>(advances, advances + drawn.nChars) : std::vector<int>()});
    }
    return 1;
}

BOOL WINAPI DeleteContext(HDC dc) {
    MetafilePrintout* out = PrintoutOf(dc);
    if (out == nullptr) return g_system.deleteDC(dc);
    g_printer = nullptr;
    Reading reading;
    if (HENHMETAFILE closed = CloseEnhMetaFile(dc)) {
        EnumEnhMetaFile(nullptr, closed, ReadRecord, &reading, nullptr);
        DeleteEnhMetaFile(closed);
    }
    out->texts = reading.texts;
    out->deleted = true;
    return TRUE;
}

// A printer's context drawing into a metafile, as the print dialog hands one
// over; `out` is filled in as it is used and deleted.
HDC MetafilePrinter(MetafilePrintout* out) {
    if (g_system.startDoc == nullptr) {
        g_system = Taken{__imp_StartDocA, __imp_StartPage, __imp_EndPage, __imp_EndDoc, __imp_DeleteDC};
        __imp_StartDocA = StartDocument;
        __imp_StartPage = StartDocumentPage;
        __imp_EndPage = EndDocumentPage;
        __imp_EndDoc = EndDocument;
        __imp_DeleteDC = DeleteContext;
    }
    out->metafile = CreateEnhMetaFileW(nullptr, nullptr, nullptr, L"Kalvex\0printout\0");
    out->logPixelsX = GetDeviceCaps(out->metafile, LOGPIXELSX);
    out->logPixelsY = GetDeviceCaps(out->metafile, LOGPIXELSY);
    g_printer = out;
    return out->metafile;
}

void FillForm(CCoilDialog& dialog) {
    dialog.SetDlgItemText(IDC_TURNS, "30");
    dialog.SetDlgItemText(IDC_INDUCTANCE, "4.410");
    dialog.SetDlgItemText(IDC_CAPACITANCE, "100");
    dialog.SetDlgItemText(IDC_FREQUENCY, "7.579");
    dialog.SetDlgItemText(IDC_XL, "210.005");
    dialog.SetDlgItemText(IDC_XC, "209.995");
}

}  // namespace

TEST(PrintingToAMetafile, ThePageHoldsTheReportLinesInTwelvePointCourierNew) {
    MetafilePrintout printed;
    fw::testing::FakeDesktop desktop;
    desktop.printer = [&] { return MetafilePrinter(&printed); };
    desktop.printerName = "Metafile";
    kalvex_test::Printout out;
    kalvex_test::PrintFromMainWindow(desktop, out, FillForm);

    ASSERT_EQ(out.boxes.size(), 1u);
    EXPECT_EQ(out.boxes[0].text, "Stampato su\n\nMetafile");
    EXPECT_EQ(out.boxes[0].type, MB_ICONINFORMATION);
    ASSERT_TRUE(printed.deleted);
    EXPECT_EQ(printed.documents, std::vector<std::string>{AfxGetAppName()});
    EXPECT_EQ(printed.pagesStarted, 1);
    EXPECT_EQ(printed.pagesEnded, 1);
    EXPECT_EQ(printed.documentsEnded, 1);

    // Ten text outputs, the empty second and tenth included, half an inch in
    // and one line height apart.
    const std::vector<std::string> pieces = kalvex_test::Pieces(out.report);
    ASSERT_EQ(pieces.size(), 10u);
    ASSERT_EQ(printed.texts.size(), pieces.size());
    const int left = printed.logPixelsX / 2;
    const int top = printed.logPixelsY / 2;
    const int lineHeight = printed.texts[1].y - printed.texts[0].y;
    EXPECT_GT(lineHeight, 0);
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        SCOPED_TRACE(k);
        const MetafileText& text = printed.texts[k];
        EXPECT_EQ(text.page, 0);
        EXPECT_EQ(text.text, pieces[k]);
        EXPECT_EQ(text.x, left);
        EXPECT_EQ(text.y, top + static_cast<int>(k) * lineHeight);
        EXPECT_EQ(text.face, "Courier New");
        EXPECT_EQ(text.height, -(printed.logPixelsY * 120 / 720));
        EXPECT_FALSE(text.underline);
        // In a face of fixed pitch, Courier New's or, where it is missing,
        // another's: the columns line up.
        ASSERT_EQ(text.advances.size(), text.text.size());
        for (const int advance : text.advances) EXPECT_EQ(advance, text.advances.front());
    }
    EXPECT_TRUE(printed.texts[1].text.empty());
    EXPECT_TRUE(printed.texts[9].text.empty());
    // The labels' two characters outside ASCII, as the code page has them.
    EXPECT_EQ(printed.texts[4].text.substr(22, 4), "[\xB5H]");
    EXPECT_EQ(printed.texts[5].text.substr(0, 8), "Capacit\xE0");
}
