// What windows show, copied into images; cursors and fonts.
#include "fw/testing/pictures.h"
#include "fw/gdi.h"
#include "fw/win32/image_device.h"
#include "fw/win32/testing/native.h"

namespace fw::testing {
namespace {

HWND__* Native(HWND window) { return detail::NativeWindow(window); }

Image ToImage(const win32::testing::Pixels& pixels) {
    return Image{pixels.width, pixels.height, std::vector<COLORREF>(pixels.values.begin(), pixels.values.end())};
}

}  // namespace

HCURSOR CursorOf(HWND window) { return window->cursor; }

CSize CursorSize(HCURSOR cursor) {
    int width = 0, height = 0, x = 0, y = 0;
    if (cursor == nullptr || !win32::testing::CursorGeometry(cursor->native, &width, &height, &x, &y)) return {};
    return CSize{width, height};
}

CPoint CursorHotSpot(HCURSOR cursor) {
    int width = 0, height = 0, x = 0, y = 0;
    if (cursor == nullptr || !win32::testing::CursorGeometry(cursor->native, &width, &height, &x, &y)) return {};
    return CPoint{x, y};
}

HWND WindowAt(HWND window, CPoint point) {
    return detail::WindowOf(win32::testing::ChildAt(Native(window), point.x, point.y));
}

// A dialog shows its client area; a control the whole of its window.
Image Grab(HWND window) { return ToImage(win32::testing::Grab(Native(window), window->kind != detail::Kind::Dialog)); }

Image GrabDropDown(HWND comboBox) { return ToImage(win32::testing::GrabDropDown(Native(comboBox))); }

CRect DropDownRowRect(HWND comboBox, int row) {
    win32::Rect r;
    if (!win32::testing::ListRowRect(Native(comboBox), row, &r)) return {};
    return CRect{r.left, r.top, r.right, r.bottom};
}

Image PaintImage(int width, int height, HFONT font, const std::function<void(CDC&)>& paint) {
    std::vector<COLORREF> pixels = win32::PaintPixels(width, height, font, paint);
    if (pixels.empty()) return {};
    return Image{width, height, std::move(pixels)};
}

CRect ClientRectOf(HWND control) {
    const win32::Rect r = win32::testing::RectInParent(Native(control));
    return CRect{r.left, r.top, r.right, r.bottom};
}

std::string FontFamilyOf(HWND window) { return win32::testing::FontShownBy(Native(window)).family; }
int FontPixelSizeOf(HWND window) { return win32::testing::FontShownBy(Native(window)).pixelSize; }
bool IsFixedPitch(HWND window) { return win32::testing::FontShownBy(Native(window)).fixedPitch; }

}  // namespace fw::testing
