// CPaintDC: painting a window while it answers WM_PAINT.
#include "fw/win32/backend.h"
#include "fw/win32/native_device.h"
#include "fw/wnd.h"

namespace {

// BeginPaint comes before the device reads the context's state, and
// EndPaint after the device is gone.
struct PaintHolder {
    explicit PaintHolder(HWND__* window) : paint(window) {}
    fw::win32::WindowPaint paint;
};

class PaintDevice : private PaintHolder, public fw::detail::NativeDevice {
public:
    explicit PaintDevice(HWND__* window) : PaintHolder(window), NativeDevice(paint.Context(), false) {}
};

}  // namespace

CPaintDC::CPaintDC(CWnd* wnd) {
    HWND__* window = wnd != nullptr ? fw::detail::NativeWindow(wnd->m_hWnd) : nullptr;
    if (window != nullptr) Attach(new PaintDevice(window));
}
