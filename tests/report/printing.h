// Printing from the main window in a test, with the print dialog answered in
// the user's place.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "fw/testing.h"
#include "fw/testing/recording_device.h"
#include "tests/ui/main_window.h"

namespace kalvex_test {

struct Printout {
    std::vector<fw::DeviceCall> calls;
    std::vector<LOGFONT> fontsSelected;  // as they were when selected
    bool printerDeleted = false;
    std::vector<fw::testing::FakeDesktop::Box> boxes;
    std::vector<fw::testing::FakeDesktop::PrintDialogCall> dialogs;
    HWND mainWindow = nullptr;
    std::string report;  // the report as the form gave it
};

// A recording printer whose record outlives it, since the job deletes it.
class KeptPrinter : public fw::RecordingDevice {
public:
    KeptPrinter(Settings settings, Printout* out) : RecordingDevice(settings), m_out(out) {}
    ~KeptPrinter() override {
        m_out->calls = calls;
        m_out->printerDeleted = true;
    }
    HFONT SelectFont(HFONT font) override {
        LOGFONT lf;
        if (GetObject(font, sizeof(lf), &lf) != 0) m_out->fontsSelected.push_back(lf);
        return RecordingDevice::SelectFont(font);
    }

private:
    Printout* m_out;
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

// The same, on a recording printer made with `settings` and named `name`.
inline Printout PrintOnRecorder(fw::RecordingDevice::Settings settings, const std::string& name = "Laser",
                                const std::function<void(CCoilDialog&)>& prepare = {}) {
    Printout out;
    fw::testing::FakeDesktop desktop;
    desktop.printer = [&] { return new KeptPrinter(settings, &out); };
    desktop.printerName = name;
    PrintFromMainWindow(desktop, out, prepare);
    return out;
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
