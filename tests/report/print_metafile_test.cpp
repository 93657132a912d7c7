// Printing through a real device context of the system's: the report drawn
// into an enhanced metafile, read back record by record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fw/win32/testing/metafile_printer.h"
#include "tests/report/printing.h"

namespace {

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
    fw::testing::MetafilePrintout printed;
    fw::testing::FakeDesktop desktop;
    desktop.printer = [&] { return fw::testing::MetafilePrinter(&printed); };
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
        const fw::win32::testing::MetafileText& text = printed.texts[k];
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
