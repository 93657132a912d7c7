// File > Save through the toolkit's own file dialog and message box, used
// again and again in one session: memory does not grow from use to use.
#include <gtest/gtest.h>
#include <malloc.h>

#include <unistd.h>

#include <cstddef>
#include <filesystem>
#include <string>

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

}  // namespace

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
        // New icons for each dialog and box left about 30 KB behind per round.
        EXPECT_LT(after, before + 300 * 1024)
            << "grew by " << (after - before) / 1024 << " KB over " << kRounds << " rounds";
    });
    std::filesystem::remove(report);
}
