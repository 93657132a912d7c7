// The toolkit's print dialog behind the desktop seam, as the user gets it:
// with a printer (a print server of the test's own) and with none.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "fw/app.h"
#include "fw/gdi.h"
#include "fw/print_dialog.h"
#include "fw/testing.h"
#include "tests/support/print_server.h"

namespace {

struct Answer {
    INT_PTR result;
    bool gotPrinter;
    std::string deviceName;
    fw::testing::PrintChoices offered;
};

Answer RunDialog(bool confirm) {
    Answer answer{};
    fw::testing::AnswerNextPrintDialog(confirm, &answer.offered);
    HDC printer = nullptr;
    CString name;
    answer.result = fw::testing::RealDesktop().PrintDialog(
        nullptr, PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE | PD_RETURNDC,
        &printer, &name);
    fw::testing::ForgetPrintDialogAnswer();
    answer.gotPrinter = printer != nullptr;
    answer.deviceName = name.Str();
    delete printer;
    return answer;
}

bool Holds(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

// Only the printer, its properties and the copies are left to choose: no
// page range of any kind, no selection, no file.
TEST(PrintDialog, OffersThePrinterAndCopiesButNoPagesAndNoFile) {
    kalvex_test::PrintServer server;
    ASSERT_EQ(server.Error(), "");
    fw::testing::FakeDesktop boxes;  // for message boxes only
    fw::testing::ScopedDesktop scoped(boxes);

    const Answer answer = RunDialog(false);
    ASSERT_TRUE(answer.offered.shown);
    EXPECT_EQ(answer.offered.printers, std::vector<std::string>{kalvex_test::PrintServer::kQueue});
    EXPECT_TRUE(Holds(answer.offered.reachable, "copies")) << "the options were not looked at";
    for (const char* pages : {"Print all", "Pages from", "from", "to", "Pages", "pagesLineEdit", "Current Page",
                              "Selection", "pageSetCombo"}) {
        EXPECT_FALSE(Holds(answer.offered.reachable, pages)) << pages;
    }
    EXPECT_EQ(answer.result, IDCANCEL);
    EXPECT_FALSE(answer.gotPrinter);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST(PrintDialog, ConfirmedItHandsOverThePrinter) {
    kalvex_test::PrintServer server;
    ASSERT_EQ(server.Error(), "");
    const Answer answer = RunDialog(true);
    EXPECT_TRUE(answer.offered.shown);
    EXPECT_EQ(answer.result, IDOK);
    EXPECT_TRUE(answer.gotPrinter);
    EXPECT_EQ(answer.deviceName, kalvex_test::PrintServer::kQueue);
}

// The test program runs with CUPS pointed at a server that is not there, so
// that no printer is installed: the user is told so instead of getting an
// empty dialog, and nothing is printed.
TEST(PrintDialogWithoutPrinters, SaysSoAndGivesNoPrinter) {
    ASSERT_NE(std::getenv("CUPS_SERVER"), nullptr) << "runs with CUPS_SERVER naming no server";
    fw::testing::FakeDesktop desktop;
    fw::testing::ScopedDesktop scoped(desktop);
    const Answer answer = RunDialog(true);
    EXPECT_FALSE(answer.offered.shown);
    EXPECT_EQ(answer.result, IDCANCEL);
    EXPECT_FALSE(answer.gotPrinter);
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text, "Nessuna stampante installata.");
    EXPECT_EQ(desktop.boxes[0].caption, AfxGetAppName());
    EXPECT_NE(desktop.boxes[0].caption, "");
    EXPECT_EQ(desktop.boxes[0].type, MB_OK | MB_ICONSTOP);
    EXPECT_TRUE(desktop.printDialogs.empty());  // the fake's own dialog was not asked either
}

// Its texts follow the desktop's language.
TEST(PrintDialog, SpeaksTheLanguageOfTheLocale) {
    struct Case {
        const char* locale;
        const char* cancel;
    };
    kalvex_test::PrintServer server;
    ASSERT_EQ(server.Error(), "");
    for (const Case& c : {Case{"it_IT.UTF-8", "Annulla"}, Case{"C", "Cancel"}}) {
        SCOPED_TRACE(c.locale);
        fw::testing::ScopedLocale locale(c.locale);
        ASSERT_TRUE(locale.Active()) << c.locale << " is not generated";
        const std::vector<std::string> buttons = RunDialog(false).offered.buttons;
        EXPECT_NE(std::find(buttons.begin(), buttons.end(), c.cancel), buttons.end())
            << ::testing::PrintToString(buttons);
    }
}
