// File > Save through the toolkit's own file dialog and message box: over a
// report saved before, also with the desktop's own theme for the toolkit
// loaded; used again and again in one session, memory does not grow.
#include <gtest/gtest.h>
#include <malloc.h>

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/ui/main_window.h"

using kalvex_test::RunMainWindow;

namespace {

// The toolkit's file dialog and message boxes, the rest as the fake answers.
class ToolkitDialogs : public fw::testing::FakeDesktop {
public:
    INT_PTR FileDialog(HWND owner, fw::FileDialogRequest& request) override {
        return fw::testing::RealDesktop().FileDialog(owner, request);
    }
    int MessageBox(HWND owner, const CString& text, const CString& caption, UINT type) override {
        ++shown;
        return fw::testing::RealDesktop().MessageBox(owner, text, caption, type);
    }
    int shown = 0;
};

// Bytes in use on the heap of the main thread, where the windows live.
std::size_t HeapInUse() {
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kOwnAllocator = true;  // the sanitizer's allocator: mallinfo2 does not see it
#else
constexpr bool kOwnAllocator = false;
#endif

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Whether the process has loaded a library whose file name holds `name`.
bool Loaded(const std::string& name) {
    const std::string maps = Contents("/proc/self/maps");
    return maps.find(name) != std::string::npos;
}

}  // namespace

// In the home folder, where the desktop starts the program, with the report
// of an earlier session there: Enter on the proposed name asks before
// replacing it, No leaves it as it was, and only the report is ever written
// there. ui_tests.gtk_theme runs this on an X server with the GNOME desktop
// named, where the toolkit loads the desktop's GTK theme (KALVEX_TEST_THEME
// names the plugin that must be loaded), which offers the desktop's own dialog.
TEST(SaveDialog, EnterOverTheReportSavedBeforeAsksFirst) {
    if (const char* theme = std::getenv("KALVEX_TEST_THEME")) {
        ASSERT_TRUE(Loaded(theme)) << theme << " is not loaded";
    }
    namespace fs = std::filesystem;
    const fs::path home = std::getenv("HOME");
    const fs::path started = fs::current_path();
    fs::current_path(home);
    const fs::path report = home / "Kalvex.TXT";
    const std::string before = "rapporto di una sessione precedente\r\n";
    std::ofstream(report, std::ios::binary) << before;

    ToolkitDialogs desktop;
    fw::testing::ScopedDesktop scoped(desktop);
    RunMainWindow([&](CCoilDialog& dialog) {
        std::vector<std::string> listed;
        std::string question;
        std::string folder;
        fw::testing::WhenFileDialog([&](fw::testing::FileDialogControl& files) {
            folder = files.Folder();
            listed = files.ListedFiles();
            question = files.PressEnter(false);
        });
        dialog.SaveReport();
        // The toolkit's dialog opens in the folder last visited in the process.
        ASSERT_EQ(folder, home.string()) << "a dialog of an earlier test chose another folder";
        EXPECT_NE(std::find(listed.begin(), listed.end(), "Kalvex.TXT"), listed.end())
            << "the Text file filter does not list Kalvex.TXT";
        EXPECT_NE(question.find("Kalvex.TXT"), std::string::npos) << "question: '" << question << "'";
        EXPECT_EQ(desktop.shown, 0);
        EXPECT_EQ(Contents(report), before);

        // Yes replaces it with the report.
        fw::testing::ShownMessageBox saved;
        fw::testing::WhenFileDialog([&](fw::testing::FileDialogControl& files) {
            question = files.PressEnter(true);
            fw::testing::AnswerNextMessageBox(&saved);
        });
        dialog.SaveReport();
        fw::testing::ProcessEvents();
        EXPECT_NE(question.find("Kalvex.TXT"), std::string::npos) << "question: '" << question << "'";
        EXPECT_EQ(saved.text, "Salvato in\n\n" + report.string());
        EXPECT_EQ(Contents(report).substr(0, 28), "DIMENSIONAMENTO AVVOLGIMENTI");
        EXPECT_NE(Contents(report), before);
    });

    std::vector<fs::path> written;
    for (const auto& entry : fs::recursive_directory_iterator(home)) written.push_back(entry.path());
    EXPECT_EQ(written, std::vector<fs::path>{report});
    fs::remove(report);
    fs::current_path(started);
}

TEST(SaveDialog, SavedAgainAndAgainTheHeapStaysFlat) {
    if (kOwnAllocator) GTEST_SKIP() << "the heap is measured through the C library's allocator";
    ToolkitDialogs desktop;
    fw::testing::ScopedDesktop scoped(desktop);
    const std::filesystem::path report =
        std::filesystem::temp_directory_path() / ("kalvex-save-heap-" + std::to_string(::getpid()) + ".TXT");
    RunMainWindow([&](CCoilDialog& dialog) {
        // Each round saves once ("Salvato in" answered) and cancels once.
        const auto round = [&] {
            std::filesystem::remove(report);  // no question about replacing it
            fw::testing::WhenFileDialog([&](fw::testing::FileDialogControl& files) { files.Accept(report.string()); });
            fw::testing::AnswerNextMessageBox();
            dialog.SaveReport();
            fw::testing::ProcessEvents();  // as the window's own loop does between commands
            fw::testing::WhenFileDialog([](fw::testing::FileDialogControl&) {});
            dialog.SaveReport();
            fw::testing::ProcessEvents();
        };
        // The first rounds load what the dialogs need once.
        for (int i = 0; i < 3; ++i) round();
        const std::size_t before = HeapInUse();
        constexpr int kRounds = 40;
        for (int i = 0; i < kRounds; ++i) round();
        const std::size_t after = HeapInUse();
        EXPECT_EQ(desktop.shown, 3 + kRounds);
        EXPECT_TRUE(std::filesystem::exists(report));
        // New icons for each dialog and box left about 30 KB behind per round,
        // a new picture for the list's header in the toolkit's cache about
        // 2.5 KB; about 2 KB a round stays all the same in these rounds (a
        // message box each, on the offscreen platform).
        EXPECT_LT(after, before + 120 * 1024)
            << "grew by " << (after - before) / 1024 << " KB over " << kRounds << " rounds";
    });
    std::filesystem::remove(report);
}
