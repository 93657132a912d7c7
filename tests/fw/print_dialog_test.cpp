// The toolkit's print dialog behind the desktop seam, as the user gets it:
// with a printer (a print server of the test's own) and with none. Like the
// program, this test program does not link the toolkit's print support: it
// sits beside the program, and the framework opens the print module there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
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
    CDC taken;
    taken.Attach(printer);  // deleted with it
    return answer;
}

bool Holds(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// Whether a file whose name contains `name` is mapped into this process.
bool Loaded(const std::string& name) {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        const std::size_t slash = line.rfind('/');
        if (slash != std::string::npos && line.find(name, slash) != std::string::npos) return true;
    }
    return false;
}

int JobsOn(const char* queue) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue, 0, CUPS_WHICHJOBS_ALL);
    cupsFreeJobs(count, jobs);
    return count;
}

}  // namespace

// Printing is not set up before the user prints: the first print dialog
// opens the print module, and the document reaches the printer chosen.
TEST(PrintModule, IsOpenedByTheFirstPrintWhichReachesThePrinter) {
    for (const char* library : {"libQt6PrintSupport", "kalvex-print"}) {
        EXPECT_FALSE(Loaded(library)) << library << " was loaded before anything was printed";
    }
    kalvex_test::PrintServer server;
    ASSERT_EQ(server.Error(), "");
    fw::testing::FakeDesktop boxes;  // for message boxes only
    fw::testing::ScopedDesktop scoped(boxes);
    ASSERT_EQ(JobsOn(kalvex_test::PrintServer::kQueue), 0);

    fw::testing::AnswerNextPrintDialog(true);
    HDC printer = nullptr;
    CString name;
    const INT_PTR result = fw::testing::RealDesktop().PrintDialog(
        nullptr, PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE | PD_RETURNDC,
        &printer, &name);
    fw::testing::ForgetPrintDialogAnswer();
    ASSERT_EQ(result, IDOK) << (boxes.boxes.empty() ? "" : boxes.boxes[0].text);
    EXPECT_EQ(name.Str(), kalvex_test::PrintServer::kQueue);
    for (const char* library : {"libQt6PrintSupport", "kalvex-print"}) EXPECT_TRUE(Loaded(library)) << library;

    CDC dc;
    dc.Attach(printer);
    DOCINFO info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = "kalvex";
    EXPECT_GT(dc.StartDoc(&info), 0);
    EXPECT_GT(dc.StartPage(), 0);
    EXPECT_TRUE(dc.TextOut(0, 0, CString("Kalvex")));
    EXPECT_GT(dc.EndPage(), 0);
    EXPECT_GT(dc.EndDoc(), 0);
    EXPECT_EQ(JobsOn(kalvex_test::PrintServer::kQueue), 1);
    EXPECT_TRUE(boxes.boxes.empty());
}

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
