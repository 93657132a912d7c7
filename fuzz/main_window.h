// The program's main window for the fuzz targets that need the framework:
// the toolkit on its offscreen platform, and the window opened once, without
// a modal run, so that every input goes to the same window.
#pragma once

#include <cstdlib>

#include "fuzz/support.h"
#include "fw/app.h"
#include "fw/testing.h"
#include "ui/coil_dialog.h"

namespace fuzz {

inline CCoilDialog*& MainWindowPointer() {
    static CCoilDialog* window = nullptr;
    return window;
}

// For LLVMFuzzerInitialize. The toolkit gets an argument list of its own:
// libFuzzer's options are none of its business.
inline void OpenMainWindow(const char* program) {
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(program), nullptr};
    fw::testing::StartToolkit(argc, argv);
    CCoilDialog*& window = MainWindowPointer();
    window = new CCoilDialog;
    AfxGetApp()->m_pMainWnd = window;
    if (!fw::testing::OpenDialog(*window, IDD_MAIN)) Fail("the main window could not be opened");
    // libFuzzer ends a run with exit(): close the window and stop the toolkit
    // first, in that order.
    std::atexit([] {
        CCoilDialog*& open = MainWindowPointer();
        fw::testing::CloseDialog(*open);
        AfxGetApp()->m_pMainWnd = nullptr;
        delete open;
        open = nullptr;
        fw::testing::StopToolkit();
    });
}

inline CCoilDialog& MainWindow() { return *MainWindowPointer(); }

}  // namespace fuzz
