// The real desktop's opener: its answer comes from what the opener did, not
// from having started it.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

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

TEST(RealOpener, AFileIsLookedUpInTheCurrentDirectory) {
    namespace fs = std::filesystem;
    FakeOpener opener("exit 0");
    const fs::path previous = fs::current_path();
    const fs::path folder = fs::temp_directory_path() / ("kalvex-help-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "KALVEX.HLP") << "<html></html>\n";
    fs::current_path(folder);
    EXPECT_GT(fw::testing::RealDesktop().Open("KALVEX.HLP", SW_SHOW), 32);
    EXPECT_EQ(opener.Argument(), (folder / "KALVEX.HLP").string());
    fs::current_path(previous);
    fs::remove_all(folder);
}

TEST(RealOpener, AMissingFileIsNotHandedToTheOpener) {
    FakeOpener opener("exit 0");
    EXPECT_EQ(fw::testing::RealDesktop().Open("NO-SUCH-FILE.HLP", SW_SHOW), 2);
    EXPECT_EQ(opener.Argument(), std::nullopt);
}
