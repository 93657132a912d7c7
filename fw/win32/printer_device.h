// A printer's device context, as the print dialog hands it over.
#pragma once

#include "fw/win32/native_device.h"

namespace fw::detail {

// Draws on the printer's context, which it owns and deletes; the printing
// calls answer what the system answered.
class PrinterDevice : public NativeDevice {
public:
    explicit PrinterDevice(HDC__* dc) : NativeDevice(dc, true) {}

    int StartDoc(const DOCINFO& info) override;
    int StartPage() override;
    int EndPage() override;
    int EndDoc() override;
};

}  // namespace fw::detail
