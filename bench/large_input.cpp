// How long the form takes over very large field texts: every command, the
// report, saving and printing (to a recording printer), at 1 KB, 100 KB,
// 1 MB and 4 MB per field. Prints a table in milliseconds and, for each
// operation, how much longer 1 MB took than 100 KB (10 means linear growth)
// and 4 MB than 1 MB (4 means linear). Above about 128 KB each buffer is a
// fresh mapping from the system, whose first touch costs a page fault per
// page, so the step from 100 KB to 1 MB shows more than the size alone.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include "fw/testing.h"
#include "fw/testing/recording_device.h"
#include "tests/support/large_input.h"

namespace {

constexpr std::size_t kSizes[] = {1 << 10, 100 << 10, 1 << 20, 4 << 20};
constexpr int kRepeats = 3;

// The best of a few runs of `step`, each after its own `prepare`.
double Milliseconds(const std::function<void()>& prepare, const std::function<void()>& step) {
    double best = 1e300;
    for (int i = 0; i < kRepeats; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        step();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

struct Row {
    std::string name;
    std::vector<double> ms;  // one per size
};

std::vector<Row> Measure(CCoilDialog& dialog, fw::testing::FakeDesktop& desktop, kalvex_test::Filling filling,
                         const std::string& savePath) {
    std::vector<Row> rows;
    const auto add = [&](const std::string& name, std::size_t sizeIndex, double ms) {
        if (sizeIndex == 0) rows.push_back({name, {}});
        auto row = std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r.name == name; });
        row->ms.push_back(ms);
    };
    for (std::size_t s = 0; s < std::size(kSizes); ++s) {
        const std::string text = kalvex_test::LargeUtf8(filling, kSizes[s]);
        const auto fill = [&] { kalvex_test::FillForm(dialog, text); };
        add("fill 6 fields", s, Milliseconds([] {}, fill));
        for (const auto& [name, command] : kalvex_test::kCommands) {
            add(name, s, Milliseconds(fill, [&, command = command] { (dialog.*command)(); }));
        }
        add("BuildReport", s, Milliseconds(fill, [&] { (void)dialog.BuildReport(); }));
        add("save", s, Milliseconds(fill, [&] { dialog.WriteReportFile(savePath.c_str()); }));
        add("print", s, Milliseconds(fill, [&] { dialog.PrintReport(); }));
    }
    desktop.boxes.clear();
    return rows;
}

}  // namespace

int main(int argc, char** argv) {
    fw::testing::StartToolkit(argc, argv);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kalvex-timing-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);

    fw::testing::FakeDesktop desktop;
    desktop.printer = [] { return new fw::RecordingDevice(); };
    desktop.printerName = "Recorder";
    fw::testing::ScopedDesktop scoped(desktop);

    kalvex_test::RunMainWindow([&](CCoilDialog& dialog) {
        for (const auto& [filling, name] : kalvex_test::kFillings) {
            std::printf("\n%s (ms, best of %d)\n", name, kRepeats);
            std::printf("%-22s %9s %9s %9s %9s %14s %12s\n", "", "1 KB", "100 KB", "1 MB", "4 MB", "1 MB / 100 KB",
                        "4 MB / 1 MB");
            for (const Row& row : Measure(dialog, desktop, filling, (folder / "timing.txt").string())) {
                std::printf("%-22s %9.3f %9.3f %9.3f %9.3f %14.1f %12.1f\n", row.name.c_str(), row.ms[0], row.ms[1],
                            row.ms[2], row.ms[3], row.ms[2] / row.ms[1], row.ms[3] / row.ms[2]);
            }
        }
        dialog.EndDialog(IDCANCEL);
    });

    std::filesystem::remove_all(folder);
    fw::testing::StopToolkit();
    return 0;
}
