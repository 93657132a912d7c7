// File > Save on every desktop: the dialog's answers come from the test, the
// files are real.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fw/internal.h"
#include "tests/report/export.h"

using kalvex_test::FillWorkedExample;
using kalvex_test::ReadFile;
using kalvex_test::RunMainWindow;
using kalvex_test::Save;
using kalvex_test::TemporaryFolder;
using kalvex_test::WithCrLf;

namespace fs = std::filesystem;

TEST(ReportExport, AsksForATextFileOverTheMainWindowAndCancelWritesNothing) {
    fw::testing::FakeDesktop desktop;
    fw::testing::ScopedDesktop scoped(desktop);
    TemporaryFolder folder;
    RunMainWindow([&](CCoilDialog& dialog) {
        desktop.fileDialogResult = IDCANCEL;
        desktop.fileDialogPath = kalvex_test::Spelling(folder.Path() / "Kalvex.TXT");
        fw::testing::ChooseMenuItem(dialog.m_hWnd, ID_FILE_SAVE);

        ASSERT_EQ(desktop.fileDialogs.size(), 1u);
        const fw::FileDialogRequest& request = desktop.fileDialogs[0];
        EXPECT_TRUE(request.save);
        EXPECT_EQ(request.defaultExtension, ".TXT");
        EXPECT_EQ(request.fileName, "Kalvex");
        EXPECT_EQ(request.flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
        ASSERT_EQ(request.filters.size(), 2u);
        EXPECT_EQ(request.filters[0].description, "Text file (*.txt)");
        EXPECT_EQ(request.filters[0].pattern, "*.txt");
        EXPECT_EQ(request.filters[1].description, "All files (*.*)");
        EXPECT_EQ(request.filters[1].pattern, "*.*");
        EXPECT_EQ(request.filterIndex, 1);
        EXPECT_EQ(desktop.fileDialogOwners[0], dialog.m_hWnd);

        EXPECT_TRUE(desktop.boxes.empty());
        EXPECT_TRUE(folder.Names().empty());
    });
}

TEST(ReportExport, WritesTheReportWithCrLfAndSaysWhere) {
    struct Case {
        const char* name;
        bool workedExample;    // otherwise every field empty, no core selected
        const char* previous;  // content of an existing file, or nullptr
        std::size_t bytes;
    };
    const Case cases[] = {
        {"worked example, new file", true, nullptr, 317},
        {"empty fields, new file", false, nullptr, 279},
        {"replaces a longer file", true,
         "0123456789012345678901234567890123456789\n"
         "more than the report "
         "holds, repeated to be sure: 0123456789012345678901234567890123456789"
         "0123456789012345678901234567890123456789012345678901234567890123456789"
         "0123456789012345678901234567890123456789012345678901234567890123456789"
         "0123456789012345678901234567890123456789012345678901234567890123456789",
         317},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fw::testing::FakeDesktop desktop;
        fw::testing::ScopedDesktop scoped(desktop);
        TemporaryFolder folder;
        const fs::path path = folder.Path() / "Kalvex.TXT";
        if (c.previous != nullptr) std::ofstream(path, std::ios::binary) << c.previous;
        RunMainWindow([&](CCoilDialog& dialog) {
            if (c.workedExample) {
                FillWorkedExample(dialog);
            } else {
                static_cast<CComboBox*>(dialog.GetDlgItem(IDC_CORE))->SetCurSel(-1);
            }
            Save(dialog, desktop, path);

            const std::optional<std::string> written = ReadFile(path);
            ASSERT_TRUE(written.has_value());
            EXPECT_EQ(*written, WithCrLf(dialog.BuildReport().Str()));
            EXPECT_EQ(written->size(), c.bytes);
            EXPECT_TRUE(written->ends_with("\r\n"));
            EXPECT_EQ(folder.Names(), std::vector<std::string>{"Kalvex.TXT"});

            ASSERT_EQ(desktop.boxes.size(), 1u);
            EXPECT_EQ(desktop.boxes[0].text, "Salvato in\n\n" + path.string());
            EXPECT_EQ(desktop.boxes[0].caption, AfxGetAppName());
            EXPECT_EQ(desktop.boxes[0].type, MB_ICONINFORMATION);
        });
    }
}

// Failures that every file system gives alike; those of one platform are
// tested beside it (export_posix_test.cpp, export_win32_test.cpp).
TEST(ReportExport, FailuresAreReportedAndLeaveNoFile) {
    struct Case {
        const char* name;
        std::function<fs::path(const TemporaryFolder&)> target;
        const char* text;                // %1 is the path
        std::vector<std::string> names;  // in the folder afterwards
    };
    const Case cases[] = {
        {"missing folder",
         [](const TemporaryFolder& f) { return f.Path() / "missing" / "Kalvex.TXT"; },
         "%1 contains an invalid path.",
         {}},
        {"a folder as the target",
         [](const TemporaryFolder& f) {
             fs::create_directory(f.Path() / "Kalvex.TXT");
             return f.Path() / "Kalvex.TXT";
         },
         "Access to %1 was denied.",
         {"Kalvex.TXT"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fw::testing::FakeDesktop desktop;
        fw::testing::ScopedDesktop scoped(desktop);
        TemporaryFolder folder;
        const fs::path path = c.target(folder);
        RunMainWindow([&](CCoilDialog& dialog) {
            FillWorkedExample(dialog);
            Save(dialog, desktop, path);
            ASSERT_EQ(desktop.boxes.size(), 1u);
            CString text = c.text;
            text.Replace("%1", path.string());
            EXPECT_EQ(desktop.boxes[0].text, text.Str());
            EXPECT_EQ(desktop.boxes[0].caption, AfxGetAppName());
            EXPECT_EQ(desktop.boxes[0].type, MB_ICONEXCLAMATION);
            EXPECT_EQ(folder.Names(), c.names);
            // The program goes on.
            EXPECT_NE(dialog.m_hWnd, nullptr);
        });
    }
}

// The file chosen is the file written, whatever its name holds; the box shows
// the name in the program's characters, '?' for those without a byte. Where
// the file system takes '?' in a name, a file of the name's '?' form is there
// too, and must stay as it is.
TEST(ReportExport, NamesOutsideTheCodePageAreWrittenAsChosen) {
    const std::u8string greek = u8"\u0395\u03BB\u03BB\u03AC\u03B4\u03B1";
    struct Case {
        const char* name;
        std::u8string folder;  // empty for the temporary folder itself
        std::u8string file;
        std::string shown;  // the path below the temporary folder, as the box shows it
        bool replaces;      // a file of that name is there
    };
    const Case cases[] = {
        {"Greek name over an existing file", u8"", greek + u8".txt", "??????.txt", true},
        {"Cyrillic folder", u8"\u0414\u043E\u043A\u0443\u043C\u0435\u043D\u0442\u044B",
         u8"\u043E\u0442\u0447\u0451\u0442.txt",
         "?????????"
         "/?????.txt",
         false},
        {"Japanese folder and name", u8"\u65E5\u672C\u8A9E", u8"\u5831\u544A.txt",
         "???"
         "/??.txt",
         false},
        {"emoji", u8"", u8"rep\U0001F600.txt", "rep?.txt", false},
        {"Greek folder, a name of the code page", greek, u8"Kalvex \u00B5H.TXT",
         "??????"
         "/Kalvex \xB5H.TXT",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fw::testing::FakeDesktop desktop;
        fw::testing::ScopedDesktop scoped(desktop);
        TemporaryFolder folder;
        const fs::path chosen = c.folder.empty() ? folder.Path() / c.file : folder.Path() / c.folder / c.file;
        // The box shows the path with the file system's own separator.
        std::string shown = c.shown;
        std::replace(shown.begin(), shown.end(), '/', static_cast<char>(fs::path::preferred_separator));
        const std::string shownPath = fw::detail::FromNativeFileName(kalvex_test::Spelling(folder.Path())) +
                                      static_cast<char>(fs::path::preferred_separator) + shown;
        fs::create_directories(chosen.parent_path());
        if (c.replaces) std::ofstream(chosen) << "the old report";
        const fs::path questionMarks = folder.Path() / c.shown;
        std::error_code refused;
        fs::create_directories(questionMarks.parent_path(), refused);
        const bool decoy = !refused && static_cast<bool>(std::ofstream(questionMarks) << "another file");

        RunMainWindow([&](CCoilDialog& dialog) {
            FillWorkedExample(dialog);
            Save(dialog, desktop, chosen);

            EXPECT_EQ(ReadFile(chosen), WithCrLf(dialog.BuildReport().Str()));
            if (decoy) {
                EXPECT_EQ(ReadFile(questionMarks), "another file");
            }
            ASSERT_EQ(desktop.boxes.size(), 1u);
            EXPECT_EQ(desktop.boxes[0].text, "Salvato in\n\n" + shownPath);
            EXPECT_EQ(desktop.boxes[0].type, MB_ICONINFORMATION);
        });
    }
}
