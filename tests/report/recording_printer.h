// Printing from the main window on a printer that records every call.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "fw/testing/recording_device.h"
#include "tests/report/printing.h"

namespace kalvex_test {

struct RecordedPrintout : Printout {
    std::vector<fw::DeviceCall> calls;
    std::vector<LOGFONT> fontsSelected;  // as they were when selected
    bool printerDeleted = false;
};

// A recording printer whose record outlives it, since the job deletes it.
class KeptPrinter : public fw::RecordingDevice {
public:
    KeptPrinter(Settings settings, RecordedPrintout* out) : RecordingDevice(settings), m_out(out) {}
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
    RecordedPrintout* m_out;
};

// The same, on a recording printer made with `settings` and named `name`.
inline RecordedPrintout PrintOnRecorder(fw::RecordingDevice::Settings settings, const std::string& name = "Laser",
                                const std::function<void(CCoilDialog&)>& prepare = {}) {
    RecordedPrintout out;
    fw::testing::FakeDesktop desktop;
    desktop.printer = [&] { return new KeptPrinter(settings, &out); };
    desktop.printerName = name;
    PrintFromMainWindow(desktop, out, prepare);
    return out;
}

}  // namespace kalvex_test
