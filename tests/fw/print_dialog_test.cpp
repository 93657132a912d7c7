// The toolkit's print dialog behind the desktop seam.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "fw/gdi.h"
#include "fw/print_dialog.h"
#include "fw/testing.h"

namespace {

struct Answer {
    INT_PTR result;
    bool gotPrinter;
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
    answer.gotPrinter = printer != nullptr;
    delete printer;
    return answer;
}

}  // namespace

TEST(PrintDialog, OffersNeitherSelectionNorPageRangeNorFileAndCancels) {
    const Answer answer = RunDialog(false);
    EXPECT_TRUE(answer.offered.shown);
    EXPECT_FALSE(answer.offered.selection);
    EXPECT_FALSE(answer.offered.pageRange);
    EXPECT_FALSE(answer.offered.printToFile);
    EXPECT_EQ(answer.result, IDCANCEL);
    EXPECT_FALSE(answer.gotPrinter);
}

// The test program runs with CUPS pointed at a server that is not there, so
// that no printer is installed.
TEST(PrintDialogWithoutPrinters, ConfirmingItGivesNoPrinter) {
    ASSERT_NE(std::getenv("CUPS_SERVER"), nullptr) << "runs with CUPS_SERVER naming no server";
    const Answer answer = RunDialog(true);
    EXPECT_TRUE(answer.offered.shown);
    EXPECT_EQ(answer.result, IDCANCEL);
    EXPECT_FALSE(answer.gotPrinter);
}

// Its texts follow the desktop's language.
TEST(PrintDialog, SpeaksTheLanguageOfTheLocale) {
    struct Case {
        const char* locale;
        const char* cancel;
    };
    for (const Case& c : {Case{"it_IT.UTF-8", "Annulla"}, Case{"C", "Cancel"}}) {
        SCOPED_TRACE(c.locale);
        fw::testing::ScopedLocale locale(c.locale);
        ASSERT_TRUE(locale.Active()) << c.locale << " is not generated";
        const std::vector<std::string> buttons = RunDialog(false).offered.buttons;
        EXPECT_NE(std::find(buttons.begin(), buttons.end(), c.cancel), buttons.end())
            << ::testing::PrintToString(buttons);
    }
}
