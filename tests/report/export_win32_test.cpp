// File > Save over the Windows file code: read-only files, files another
// program writes, attributes, a full disk. The dialog's answers come from the
// test, the files are real.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "fw/win32/system_calls.h"
#include "tests/report/export.h"
#include "tests/win32/native_files.h"

using kalvex_test::FillWorkedExample;
using kalvex_test::ReadFile;
using kalvex_test::RunMainWindow;
using kalvex_test::Save;
using kalvex_test::TemporaryFolder;
using kalvex_test::WithCrLf;

namespace fs = std::filesystem;

namespace {

constexpr DWORD kDiskFull = ERROR_DISK_FULL;
DWORD NoRoomToWrite(HANDLE, const void*, DWORD, std::int64_t, DWORD*) { return kDiskFull; }

// Under Wine, root writes a read-only file all the same.
bool ReadOnlyHonoured() {
    TemporaryFolder folder;
    std::ofstream(folder.Path() / "probe.txt") << "";
    SetFileAttributesW((folder.Path() / "probe.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    const bool honoured = !kalvex_test::HeldOpen(folder.Path() / "probe.txt").IsOpen();
    SetFileAttributesW((folder.Path() / "probe.txt").c_str(), FILE_ATTRIBUTE_ARCHIVE);
    return honoured;
}

}  // namespace

TEST(ReportExportWin32, FailuresAreReportedAndLeaveTheOldFile) {
    struct Case {
        const char* name;
        const char* previous;  // the target's content before, or nullptr
        DWORD attributes;      // given to the target, 0 for none
        bool heldOpen;         // by another program, writing it
        bool diskFull;         // every write fails
        const char* text;      // %1 is the path
        UINT icon;
    };
    const Case cases[] = {
        {"a read-only file", "previous", FILE_ATTRIBUTE_READONLY, false, false, "Access to %1 was denied.",
         MB_ICONEXCLAMATION},
        {"a file another program writes", "previous", 0, true, false,
         "A sharing violation occurred while accessing %1.", MB_ICONEXCLAMATION},
        {"a full disk, over a previous file", "previous", 0, false, true, "Disk full while accessing %1.", MB_ICONSTOP},
        {"a full disk, a new file", nullptr, 0, false, true, "Disk full while accessing %1.", MB_ICONSTOP},
    };
    const bool readOnlyHonoured = ReadOnlyHonoured();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.attributes == FILE_ATTRIBUTE_READONLY && !readOnlyHonoured) {
            std::cout << "[ skipped ] " << c.name << ": this system lets this user write read-only files\n";
            continue;
        }
        fw::testing::FakeDesktop desktop;
        fw::testing::ScopedDesktop scoped(desktop);
        TemporaryFolder folder;
        const fs::path path = folder.Path() / "Kalvex.TXT";
        if (c.previous != nullptr) std::ofstream(path, std::ios::binary) << c.previous;
        if (c.attributes != 0) SetFileAttributesW(path.c_str(), c.attributes);
        std::optional<kalvex_test::HeldOpen> other;
        if (c.heldOpen) other.emplace(path);
        fw::detail::SystemCalls calls = fw::detail::RealCalls();
        if (c.diskFull) calls.write = NoRoomToWrite;
        RunMainWindow([&](CCoilDialog& dialog) {
            FillWorkedExample(dialog);
            {
                fw::detail::ScopedSystemCalls failing(calls);
                Save(dialog, desktop, path);
            }
            ASSERT_EQ(desktop.boxes.size(), 1u);
            CString text = c.text;
            text.Replace("%1", path.string());
            EXPECT_EQ(desktop.boxes[0].text, text.Str());
            EXPECT_EQ(desktop.boxes[0].caption, AfxGetAppName());
            EXPECT_EQ(desktop.boxes[0].type, c.icon);
        });
        other.reset();
        EXPECT_EQ(ReadFile(path), c.previous != nullptr ? std::optional<std::string>(c.previous) : std::nullopt);
        EXPECT_EQ(folder.Names(),
                  c.previous != nullptr ? std::vector<std::string>{"Kalvex.TXT"} : std::vector<std::string>{});
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_ARCHIVE);
    }
}

// The new report takes the old file's place with its attributes.
TEST(ReportExportWin32, ReplacingKeepsTheAttributes) {
    fw::testing::FakeDesktop desktop;
    fw::testing::ScopedDesktop scoped(desktop);
    TemporaryFolder folder;
    const fs::path path = folder.Path() / "Kalvex.TXT";
    std::ofstream(path, std::ios::binary) << "the old report";
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    RunMainWindow([&](CCoilDialog& dialog) {
        FillWorkedExample(dialog);
        Save(dialog, desktop, path);
        EXPECT_EQ(ReadFile(path), WithCrLf(dialog.BuildReport().Str()));
    });
    EXPECT_EQ(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Kalvex.TXT"});
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].type, MB_ICONINFORMATION);
}
