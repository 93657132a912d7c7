// The desktop's opener as the program meets it: xdg-open, found on PATH.
// Small stand-in scripts play the opener, so that every outcome is real.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "fw/testing.h"

namespace fs = std::filesystem;

namespace {

// A folder on PATH holding an xdg-open that runs `body`, and a current
// directory holding a help file; both undone at the end.
class OpenerSandbox {
public:
    explicit OpenerSandbox(const std::string& body) {
        m_root = fs::temp_directory_path() / ("kalvex-opener-" + std::to_string(::getpid()));
        fs::create_directories(m_root / "bin");
        fs::create_directories(m_root / "work");
        const fs::path opener = m_root / "bin" / "xdg-open";
        std::ofstream(opener) << "#!/bin/sh\necho \"$1\" > '" << (m_root / "called").string() << "'\n" << body << "\n";
        fs::permissions(opener, fs::perms::owner_all);
        std::ofstream(m_root / "work" / "KALVEX.HLP") << "<html></html>\n";
        m_path = std::getenv("PATH");
        m_cwd = fs::current_path();
        ::setenv("PATH", (m_root / "bin").c_str(), 1);
        fs::current_path(m_root / "work");
    }
    ~OpenerSandbox() {
        ::setenv("PATH", m_path.c_str(), 1);
        fs::current_path(m_cwd);
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }
    // What the opener was handed; empty if it never ran.
    std::string Called() const {
        std::ifstream in(m_root / "called");
        std::string line;
        std::getline(in, line);
        return line;
    }
    fs::path Work() const { return m_root / "work"; }

private:
    fs::path m_root;
    std::string m_path;
    fs::path m_cwd;
};

INT_PTR Open(const char* file) { return fw::testing::RealDesktop().Open(file, SW_SHOW); }

}  // namespace

TEST(Opener, TheOpenersExitStatusDecides) {
    struct Row {
        const char* name;
        const char* script;
        const char* file;
        bool success;
    };
    const Row rows[] = {
        {"opened", "exit 0", "mailto:someone@example.org", true},
        {"nothing can open it", "exit 4", "mailto:someone@example.org", false},
        {"opener crashed", "kill -9 $$", "https://example.org/", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OpenerSandbox sandbox(row.script);
        EXPECT_EQ(Open(row.file) > 32, row.success);
        EXPECT_EQ(sandbox.Called(), row.file);  // an address goes as it is
    }
}

TEST(Opener, AFileIsFoundInTheCurrentDirectory) {
    OpenerSandbox sandbox("exit 0");
    EXPECT_GT(Open("KALVEX.HLP"), 32);
    EXPECT_EQ(sandbox.Called(), (sandbox.Work() / "KALVEX.HLP").string());
}

TEST(Opener, AMissingFileNeverReachesTheOpener) {
    OpenerSandbox sandbox("exit 0");
    EXPECT_EQ(Open("MISSING.HLP"), 2);
    EXPECT_EQ(sandbox.Called(), "");
}

TEST(Opener, NoOpenerInstalled) {
    OpenerSandbox sandbox("exit 0");
    fs::remove(sandbox.Work() / ".." / "bin" / "xdg-open");
    EXPECT_LE(Open("https://example.org/"), 32);
}

// A viewer that stays in the foreground must not hold the program for long.
TEST(Opener, AnOpenerStillRunningAfterTwoSecondsCountsAsSuccess) {
    OpenerSandbox sandbox("exec /bin/sleep 20");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_GT(Open("KALVEX.HLP"), 32);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(1500));
    EXPECT_LE(waited, std::chrono::milliseconds(4000));
}
