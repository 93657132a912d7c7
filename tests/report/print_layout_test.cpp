// File > "Stampa...": what reaches the printer's device context, and what the
// user is told afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <ranges>
#include <string>
#include <vector>

#include "fw/app.h"
#include "fw/diagnostics.h"
#include "fw/print_dialog.h"
#include "tests/report/recording_printer.h"

using fw::DeviceCall;
using kalvex_test::Pieces;
using kalvex_test::PrintOnRecorder;
using Settings = fw::RecordingDevice::Settings;

namespace {

Settings Printer(int dpi, int pageHeight, int tmHeight, int internalLeading) {
    Settings settings;
    settings.logPixelsX = dpi;
    settings.logPixelsY = dpi;
    settings.vertRes = pageHeight;
    settings.tmHeight = tmHeight;
    settings.tmInternalLeading = internalLeading;
    return settings;
}

// The page and text calls in order: '[' StartPage, 't' TextOut, ']' EndPage.
std::string PageShape(const std::vector<DeviceCall>& calls) {
    std::string shape;
    for (const DeviceCall& call : calls) {
        if (call.op == DeviceCall::Op::StartPage) shape += '[';
        if (call.op == DeviceCall::Op::TextOut) shape += 't';
        if (call.op == DeviceCall::Op::EndPage) shape += ']';
    }
    return shape;
}

std::vector<int> TextTops(const std::vector<DeviceCall>& calls) {
    std::vector<int> tops;
    for (const DeviceCall& call : calls) {
        if (call.op == DeviceCall::Op::TextOut) tops.push_back(call.y);
    }
    return tops;
}

}  // namespace

TEST(Printing, TenLinesOnOnePageInTwelvePointCourierWithHalfInchMargins) {
    const int fontsBefore = fw::LiveFontCount();
    const auto out = PrintOnRecorder(Printer(600, 6600, 113, 13), "Laser", [](CCoilDialog& dialog) {
        dialog.SetDlgItemText(IDC_TURNS, "30");
        dialog.SetDlgItemText(IDC_INDUCTANCE, "4.410");
    });

    ASSERT_EQ(out.dialogs.size(), 1u);
    EXPECT_EQ(out.dialogs[0].owner, out.mainWindow);
    EXPECT_EQ(out.dialogs[0].flags, 0x14000Cu | PD_RETURNDC);

    using Op = DeviceCall::Op;
    std::vector<Op> order;
    for (const DeviceCall& call : out.calls) {
        if (call.op != Op::GetTextMetrics) order.push_back(call.op);
    }
    std::vector<Op> expected{Op::SelectFont, Op::StartDoc, Op::StartPage};
    expected.insert(expected.end(), 10, Op::TextOut);
    expected.insert(expected.end(), {Op::EndPage, Op::EndDoc});
    EXPECT_EQ(order, expected);

    const DeviceCall font = out.calls[0];
    ASSERT_EQ(out.fontsSelected.size(), 1u);
    const LOGFONT& lf = out.fontsSelected[0];
    EXPECT_EQ(lf.lfHeight, -100);  // 12 points at 600 dots per inch
    EXPECT_STREQ(lf.lfFaceName, "Courier New");
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(lf.lfWeight, 0);
    EXPECT_EQ(out.calls[1].text, AfxGetAppName());

    auto texts = out.calls | std::views::filter([](const DeviceCall& c) { return c.op == Op::TextOut; });
    const std::vector<std::string> pieces = Pieces(out.report);
    ASSERT_EQ(pieces.size(), 10u);
    int k = 0;
    for (const DeviceCall& text : texts) {
        SCOPED_TRACE(k);
        EXPECT_EQ(text.x, 300);
        EXPECT_EQ(text.y, 300 + k * 126);
        EXPECT_EQ(text.text, pieces[static_cast<std::size_t>(k)]);
        EXPECT_EQ(text.font, font.font);
        ++k;
    }
    EXPECT_EQ(pieces[1], "");
    EXPECT_EQ(pieces[9], "");
    EXPECT_EQ(pieces[3], "Numero spire .......       : 30");

    ASSERT_EQ(out.boxes.size(), 1u);
    EXPECT_EQ(out.boxes[0].text, "Stampato su\n\nLaser");
    EXPECT_EQ(out.boxes[0].type, MB_ICONINFORMATION);
    EXPECT_EQ(out.boxes[0].caption, AfxGetAppName());
    EXPECT_TRUE(out.printerDeleted);
    EXPECT_EQ(fw::LiveFontCount(), fontsBefore);
}

TEST(Printing, BreaksThePageWhenALineWouldStartBelowTheLimit) {
    struct Row {
        const char* name;
        Settings printer;
        std::string shape;
        std::vector<int> tops;
    };
    // 200 dots per inch: top and left margin 100.
    const Row rows[] = {
        {"a line at 900 of 1000 stays, the next starts a page",
         Printer(200, 1000, 80, 20),
         "[ttttttttt][t]",
         {100, 200, 300, 400, 500, 600, 700, 800, 900, 100}},
        {"the empty last piece at 901 opens a page of its own",
         Printer(200, 1000, 80, 9),
         "[ttttttttt][t]",
         {100, 189, 278, 367, 456, 545, 634, 723, 812, 100}},
        {"a page shorter than its top margin holds one line", Printer(200, 50, 80, 20),
         "[t][t][t][t][t][t][t][t][t][t]", std::vector<int>(10, 100)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto out = PrintOnRecorder(row.printer);
        EXPECT_EQ(PageShape(out.calls), row.shape);
        EXPECT_EQ(TextTops(out.calls), row.tops);
        auto texts =
            out.calls | std::views::filter([](const DeviceCall& c) { return c.op == DeviceCall::Op::TextOut; });
        EXPECT_TRUE(std::ranges::all_of(texts, [](const DeviceCall& c) { return c.x == 100; }));
        EXPECT_EQ(texts.back().text, "");
    }
}

TEST(Printing, ALongValueRunsOffTheLineUnwrapped) {
    const std::string value(300, '9');
    const auto out = PrintOnRecorder(Printer(600, 6600, 113, 13), "Laser",
                                     [&](CCoilDialog& dialog) { dialog.SetDlgItemText(IDC_FREQUENCY, value.c_str()); });
    EXPECT_EQ(PageShape(out.calls), "[tttttttttt]");
    auto texts = out.calls | std::views::filter([](const DeviceCall& c) { return c.op == DeviceCall::Op::TextOut; });
    EXPECT_EQ(std::ranges::next(texts.begin(), 6)->text, "Frequenza  ......... [MHz] : " + value);
}

TEST(Printing, CancellingTheDialogPrintsAndSaysNothing) {
    fw::testing::FakeDesktop desktop;  // no printer: the dialog is cancelled
    kalvex_test::RecordedPrintout out;
    kalvex_test::PrintFromMainWindow(desktop, out);
    EXPECT_EQ(out.dialogs.size(), 1u);
    EXPECT_TRUE(out.boxes.empty());
}

TEST(Printing, ConfirmsWithThePrintersName) {
    struct Row {
        const char* name;
        std::string printer;
        std::string message;
    };
    const Row rows[] = {
        {"named", "HP_LaserJet_4", "Stampato su\n\nHP_LaserJet_4"},
        {"no name returned", "", "Stampato su\n\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto out = PrintOnRecorder(Settings{}, row.printer);
        ASSERT_EQ(out.boxes.size(), 1u);
        EXPECT_EQ(out.boxes[0].text, row.message);
        EXPECT_EQ(out.boxes[0].type, MB_ICONINFORMATION);
    }
}

TEST(Printing, ADocumentThatCannotStartOrEndIsReportedNotConfirmed) {
    struct Row {
        const char* name;
        int startDoc;
        int endDoc;
        std::string shape;
    };
    const Row rows[] = {
        {"the printer cannot begin", -1, 1, ""},
        {"the spooler refuses it", 1, -1, "[tttttttttt]"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Settings printer;
        printer.startDocResult = row.startDoc;
        printer.endDocResult = row.endDoc;
        const int fontsBefore = fw::LiveFontCount();
        const auto out = PrintOnRecorder(printer, "Laser");
        EXPECT_EQ(PageShape(out.calls), row.shape);
        ASSERT_EQ(out.boxes.size(), 1u);
        EXPECT_EQ(out.boxes[0].text, "Impossibile stampare su\n\nLaser");
        EXPECT_EQ(out.boxes[0].type, MB_ICONSTOP);
        EXPECT_EQ(out.boxes[0].caption, AfxGetAppName());
        EXPECT_TRUE(out.printerDeleted);
        EXPECT_EQ(fw::LiveFontCount(), fontsBefore);
    }
}
