// Resident memory while File > Save is used again and again through the
// toolkit's own file dialog: each round opens the dialog, types the name and
// saves the report (or, with "cancel", only opens and cancels the dialog).
// Prints the resident size after 0, 1, 10 and 50 rounds and every 100 up to
// 1,000 (or as many as asked for), the growth from the first line, and what
// it is made of: anonymous and file-backed memory, threads, and the main
// heap's bytes in use and free.
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "fw/app.h"
#include "fw/testing.h"
#include "ui/coil_dialog.h"

namespace {

// Answers the saved-to box in the user's place; the file dialog is the toolkit's.
class Desktop : public fw::testing::FakeDesktop {
public:
    INT_PTR FileDialog(HWND owner, fw::FileDialogRequest& request) override {
        return fw::testing::RealDesktop().FileDialog(owner, request);
    }
};

// A field of /proc/self/status, in megabytes for those given in kB.
double Status(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0) {
            const double value = std::atof(line.c_str() + prefix.size());
            return line.find("kB") != std::string::npos ? value / 1000.0 : value;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    fw::testing::StartToolkit(argc, argv);
    const bool cancel = argc > 1 && std::strcmp(argv[1], "cancel") == 0;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 1000;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kalvex-save-memory-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "report.txt").string();

    Desktop desktop;
    fw::testing::ScopedDesktop scoped(desktop);
    CCoilDialog dialog;
    AfxGetApp()->m_pMainWnd = &dialog;
    if (!fw::testing::OpenDialog(dialog, IDD_MAIN)) return 1;
    dialog.SetDlgItemText(IDC_TURNS, "17");

    std::printf(
        "%s, %d rounds\nround  resident MB  growth MB  anonymous MB  files MB  threads  heap used MB  heap free MB\n",
        cancel ? "open and cancel" : "save", rounds);
    const double start = Status("VmRSS");
    int saved = 0;
    for (int round = 0; round <= rounds; ++round) {
        if (round <= 1 || round == 10 || round == 50 || round % 100 == 0 || round == rounds) {
            const double now = Status("VmRSS");
            const struct mallinfo2 heap = mallinfo2();
            std::printf("%5d  %11.1f  %9.1f  %12.1f  %8.1f  %7.0f  %12.1f  %12.1f\n", round, now, now - start,
                        Status("RssAnon"), Status("RssFile"), Status("Threads"),
                        static_cast<double>(heap.uordblks + heap.hblkhd) / 1e6,
                        static_cast<double>(heap.fordblks) / 1e6);
            std::fflush(stdout);
        }
        if (round == rounds) break;
        std::filesystem::remove(path);  // no question about replacing it
        fw::testing::WhenFileDialog([&](fw::testing::FileDialogControl& files) {
            if (!cancel) files.Accept(path);
        });
        dialog.SaveReport();
        fw::testing::ProcessEvents();  // as the main window's loop does between commands
        if (!cancel && std::filesystem::exists(path)) ++saved;
        desktop.boxes.clear();
    }
    std::printf("files saved: %d\n", saved);
    fw::testing::CloseDialog(dialog);
    std::filesystem::remove_all(folder);
    fw::testing::StopToolkit();
    return 0;
}
