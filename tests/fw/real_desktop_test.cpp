// The real desktop's opener: its answer comes from what the opener did, not
// from having started it. Its message boxes: the icon of their kind.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fw/testing.h"
#include "tests/support/fake_opener.h"

using kalvex_test::FakeOpener;

TEST(RealOpener, AnswersFromTheOpenersExitStatus) {
    struct Case {
        const char* name;
        std::optional<std::string> ending;
        bool opened;
    };
    const Case cases[] = {
        {"opened", "exit 0", true},
        {"no program for it", "exit 3", false},
        {"the program failed", "exit 4", false},
        {"killed", "kill -9 $$", false},
        {"no opener installed", std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeOpener opener(c.ending);
        const INT_PTR answer = fw::testing::RealDesktop().Open("mailto:autore@example.org", SW_SHOWNORMAL);
        EXPECT_EQ(answer > 32, c.opened) << answer;
        if (c.ending) {
            EXPECT_EQ(opener.Argument(), "mailto:autore@example.org");
        }
    }
}

TEST(RealOpener, OneStillRunningAfterTwoSecondsCountsAsOpened) {
    FakeOpener opener("exec /bin/sleep 4");
    const auto start = std::chrono::steady_clock::now();
    const INT_PTR answer = fw::testing::RealDesktop().Open("https://www.example.org/", SW_SHOWNORMAL);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GT(answer, 32);
    EXPECT_GE(waited, std::chrono::milliseconds(1900));
    EXPECT_LT(waited, std::chrono::milliseconds(3500));  // it did not wait for the opener to end
}

// A document named relative to the current directory is looked for there
// first, then in the data folder of the program's installation, found from
// the program file: for this test program <build>/tests/fw_tests, that is
// <build>/share/fw_tests/. A document found in neither is not handed over.
TEST(RealOpener, ADocumentIsLookedUpInTheCurrentDirectoryThenBesideTheProgram) {
    namespace fs = std::filesystem;
    const std::string pid = std::to_string(::getpid());
    const fs::path program = fs::read_symlink("/proc/self/exe");
    const fs::path share = program.parent_path().parent_path() / "share";
    const fs::path installed = share / program.filename();
    const fs::path current = fs::temp_directory_path() / ("kalvex-current-" + pid);
    const std::string name = "KALVEX-" + pid + ".HLP";
    struct Case {
        const char* name;
        bool inCurrent;
        bool installed;
        std::optional<fs::path> opened;
    };
    const Case cases[] = {
        {"in the current directory", true, false, current / name},
        {"installed beside the program", false, true, installed / name},
        {"in both: the current directory's", true, true, current / name},
        {"in neither", false, false, std::nullopt},
    };
    const fs::path previous = fs::current_path();
    const bool hadShare = fs::exists(share);
    fs::create_directories(current);
    fs::create_directories(installed);
    fs::current_path(current);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.inCurrent) std::ofstream(current / name) << "<html>here</html>\n";
        if (c.installed) std::ofstream(installed / name) << "<html>installed</html>\n";
        FakeOpener opener("exit 0");
        const INT_PTR answer = fw::testing::RealDesktop().Open(name.c_str(), SW_SHOW);
        EXPECT_EQ(answer > 32, c.opened.has_value()) << answer;
        EXPECT_EQ(opener.Argument(), c.opened ? std::optional<std::string>(c.opened->string()) : std::nullopt);
        fs::remove(current / name);
        fs::remove(installed / name);
    }
    fs::current_path(previous);
    fs::remove_all(current);
    std::error_code ignored;  // left alone when not empty
    fs::remove(installed, ignored);
    if (!hadShare) fs::remove(share, ignored);
}

// Each kind of message box shows the style's icon for it, a picture of its
// own; a box of no kind shows none.
TEST(RealMessageBox, ShowsTheIconOfItsKind) {
    struct Case {
        UINT type;
        bool icon;
    };
    const Case cases[] = {{MB_ICONSTOP, true}, {MB_ICONEXCLAMATION, true}, {MB_ICONINFORMATION, true}, {0, false}};
    std::vector<std::vector<COLORREF>> pictures;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        fw::testing::ShownMessageBox shown;
        fw::testing::AnswerNextMessageBox(&shown);
        fw::testing::RealDesktop().MessageBox(nullptr, "Testo", "kalvex", MB_OK | c.type);
        ASSERT_TRUE(shown.shown);
        if (!c.icon) {
            EXPECT_EQ(shown.icon.width, 0);
            continue;
        }
        EXPECT_GE(shown.icon.width, 16);
        EXPECT_EQ(shown.icon.width, shown.icon.height);
        const std::set<COLORREF> colours(shown.icon.pixels.begin(), shown.icon.pixels.end());
        EXPECT_GT(colours.size(), 2u) << "a blank icon";
        pictures.push_back(shown.icon.pixels);
    }
    EXPECT_EQ(std::set<std::vector<COLORREF>>(pictures.begin(), pictures.end()).size(), pictures.size())
        << "two kinds show the same icon";
}
