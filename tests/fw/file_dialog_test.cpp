// The toolkit's file dialog behind CFileDialog, as File > Save sets it up.
#include <gtest/gtest.h>

#include <filesystem>

#include "fw/file_dialog.h"
#include "fw/testing.h"

namespace {

using Strings = std::vector<std::string>;

constexpr char kFilter[] = "Text file (*.txt)|*.txt|All files (*.*)|*.*||";

}  // namespace

TEST(ToolkitFileDialog, ShowsTheRequestAndAddsTheDefaultExtension) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    fw::testing::WhenFileDialog([&](fw::testing::FileDialogControl& dialog) {
        EXPECT_TRUE(dialog.IsSaveDialog());
        EXPECT_TRUE(dialog.ConfirmsOverwrite());
        EXPECT_EQ(dialog.Filters(), (Strings{"Text file (*.txt)", "All files (*.*)"}));
        EXPECT_EQ(dialog.SelectedFilter(), "Text file (*.txt)");
        EXPECT_EQ(dialog.ListedPatterns(), Strings{"*.txt"});
        EXPECT_EQ(dialog.FileName(), "Kalvex");
        EXPECT_EQ(dialog.DefaultSuffix(), "TXT");

        // All files: also those without a full stop in their name.
        dialog.NextFilter();
        EXPECT_EQ(dialog.SelectedFilter(), "All files (*.*)");
        EXPECT_EQ(dialog.ListedPatterns(), Strings{"*"});

        dialog.Accept((folder / "kalvex-dialog-report").string());
    });
    CFileDialog dialog(FALSE, ".TXT", "Kalvex", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), (folder / "kalvex-dialog-report.TXT").string());
}

TEST(ToolkitFileDialog, CancelAnswersNothing) {
    fw::testing::WhenFileDialog([](fw::testing::FileDialogControl&) {});
    CFileDialog dialog(FALSE, ".TXT", "Kalvex", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetPathName(), "");
}
