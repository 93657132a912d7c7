// The toolkit's print dialog behind the desktop seam.
#include <gtest/gtest.h>

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
