// Printing from the main window in a test, with the print dialog answered in
// the user's place.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "fw/testing.h"
#include "tests/ui/main_window.h"

namespace kalvex_test {

struct Printout {
    std::vector<fw::testing::FakeDesktop::Box> boxes;
    std::vector<fw::testing::FakeDesktop::PrintDialogCall> dialogs;
    HWND mainWindow = nullptr;
    std::string report;  // the report as the form gave it
};

// Opens the main window, lets `prepare` fill the form, chooses File >
// "Stampa..." and answers the print dialog as `desktop` is set up to.
inline void PrintFromMainWindow(fw::testing::FakeDesktop& desktop, Printout& out,
                                const std::function<void(CCoilDialog&)>& prepare = {}) {
    fw::testing::ScopedDesktop scoped(desktop);
    RunMainWindow([&](CCoilDialog& dialog) {
        if (prepare) prepare(dialog);
        out.mainWindow = dialog.m_hWnd;
        out.report = dialog.BuildReport().Str();
        fw::testing::ChooseMenuItem(dialog.m_hWnd, ID_FILE_PRINT);
    });
    out.boxes = desktop.boxes;
    out.dialogs = desktop.printDialogs;
}

// The report cut at its line feeds.
inline std::vector<std::string> Pieces(const std::string& report) {
    std::vector<std::string> pieces(1);
    for (char c : report) {
        if (c == '\n') {
            pieces.emplace_back();
        } else {
            pieces.back() += c;
        }
    }
    return pieces;
}

}  // namespace kalvex_test
