// Test support: what windows show, painted into images; cursors and fonts.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "fw/types.h"

class CDC;

namespace fw::testing {

// The cursor that a window set for itself the last time it was asked, or
// nullptr when it shows the standard arrow.
HCURSOR CursorOf(HWND window);
// A cursor's picture size and hot spot.
CSize CursorSize(HCURSOR cursor);
CPoint CursorHotSpot(HCURSOR cursor);
// The control under a point of a window, as the mouse would find it.
HWND WindowAt(HWND window, CPoint point);

struct Image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};
// What a window shows now, painted into an image.
Image Grab(HWND window);
// A control as its dialog shows it, in the screen's pixels: at a fractional
// scale, every pixel that it covers at least in part.
Image GrabInDialog(HWND control);
// The rows of a drop-down list's open popup, painted into an image, and the
// rectangle of one row in that image.
Image GrabDropDown(HWND comboBox);
CRect DropDownRowRect(HWND comboBox, int row);
// What `paint` draws with a device context on a white image, in `font`
// (the toolkit's default font when nullptr), black text on white, opaque.
Image PaintImage(int width, int height, HFONT font, const std::function<void(CDC&)>& paint);
// Pixel rectangle of a control in its dialog's client area.
CRect ClientRectOf(HWND control);
// The family and pixel size of the font a window shows its text in.
std::string FontFamilyOf(HWND window);
int FontPixelSizeOf(HWND window);
bool IsFixedPitch(HWND window);

}  // namespace fw::testing
