// The toolkit's file dialog behind CFileDialog, as File > Save sets it up.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "fw/file.h"
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

// A folder and a name in Greek, with a file of the name's '?' form beside it:
// the program shows the '?' form, the file chosen is the one written.
TEST(ToolkitFileDialog, ChoosesANameOutsideTheCodePageAsItIs) {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "kalvex-dialog-XXXXXX").string();
    const fs::path base = mkdtemp(pattern.data());
    const std::unique_ptr<const fs::path, void (*)(const fs::path*)> removed(
        &base, [](const fs::path* p) { fs::remove_all(*p); });
    const std::string greek = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1";  // Ellada
    const fs::path folder = base / greek;
    fs::create_directory(folder);
    fs::create_directory(base / "??????");
    std::ofstream(base / "??????" / "??????.txt") << "untouched";

    fw::testing::WhenFileDialog(
        [&](fw::testing::FileDialogControl& dialog) { dialog.Accept((folder / (greek + ".txt")).string()); });
    CFileDialog dialog(FALSE, ".TXT", "Kalvex", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFilter);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), (base / "??????" / "??????.txt").string());

    CStdioFile file;
    ASSERT_TRUE(file.Open(dialog.GetPathName(), CFile::modeCreate | CFile::modeWrite));
    file.WriteString("report\n");
    file.Close();
    const auto read = [](const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(read(folder / (greek + ".txt")), "report\r\n");
    EXPECT_EQ(read(base / "??????" / "??????.txt"), "untouched");
}
