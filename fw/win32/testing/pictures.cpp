// What windows show, copied into images; cursors and fonts; windows under
// points.
#include <utility>

#include "fw/gdi.h"
#include "fw/testing/input.h"
#include "fw/testing/pictures.h"
#include "fw/win32/testing/support.h"

namespace fw::testing {
namespace {

// A picture in memory (a 32-bit DIB section) and a context to draw on it,
// for the life of the call.
Image Painted(int width, int height, const std::function<void(HDC)>& paint) {
    if (width <= 0 || height <= 0) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = bitmap != nullptr ? CreateCompatibleDC(nullptr) : nullptr;
    Image image;
    if (dc != nullptr) {
        HGDIOBJ previous = SelectObject(dc, bitmap);
        paint(dc);
        GdiFlush();
        image = Image{width, height, {}};
        // The DIB holds 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (int i = 0; i < width * height; ++i) {
            const std::uint32_t p = pixels[i];
            image.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
        }
        SelectObject(dc, previous);
        DeleteDC(dc);
    }
    if (bitmap != nullptr) DeleteObject(bitmap);
    return image;
}

// A window's picture: its client area, or its whole window for a control.
Image Copy(HWND window, bool wholeWindow) {
    // Painted afresh, children and frame included, before the copy.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT area{};
    if (wholeWindow) {
        GetWindowRect(window, &area);
        OffsetRect(&area, -area.left, -area.top);
    } else {
        GetClientRect(window, &area);
    }
    HDC source = wholeWindow ? GetWindowDC(window) : GetDC(window);
    Image image = Painted(area.right, area.bottom,
                          [&](HDC dc) { BitBlt(dc, 0, 0, area.right, area.bottom, source, 0, 0, SRCCOPY); });
    ReleaseDC(window, source);
    return image;
}

// The cursor's size and hot spot; nothing for none.
std::pair<CSize, CPoint> CursorGeometry(HCURSOR cursor) {
    ICONINFO info{};
    if (cursor == nullptr || !GetIconInfo(cursor, &info)) return {};
    BITMAP bitmap{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    // A monochrome cursor keeps both masks in one bitmap, one above the other.
    return {CSize{bitmap.bmWidth, info.hbmColor != nullptr ? bitmap.bmHeight : bitmap.bmHeight / 2},
            CPoint{static_cast<int>(info.xHotspot), static_cast<int>(info.yHotspot)}};
}

// The size of the font a window shows its text in, and whether it is of
// fixed pitch.
std::pair<int, bool> FontShownBy(HWND window) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    // The size the font asks for: a raster face (Fixedsys) comes only in
    // the sizes it has, and draws in the nearest one.
    LOGFONTW asked{};
    GetObjectW(font, sizeof asked, &asked);
    // The pitch bit is set for a font of variable pitch.
    return {asked.lfHeight < 0 ? -asked.lfHeight : metrics.tmHeight - metrics.tmInternalLeading,
            (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0};
}

}  // namespace

// The cursor the window sets for itself when the system asks it, as the
// mouse over its middle would; nullptr for the standard arrow.
HCURSOR CursorOf(HWND window) {
    HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    SetCursor(arrow);
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    HCURSOR shown = GetCursor();
    return shown != arrow ? shown : nullptr;
}

CSize CursorSize(HCURSOR cursor) { return CursorGeometry(cursor).first; }
CPoint CursorHotSpot(HCURSOR cursor) { return CursorGeometry(cursor).second; }

HWND WindowAt(HWND window, CPoint point) {
    HWND child = ChildWindowFromPointEx(window, point, CWP_SKIPINVISIBLE);
    return child != window ? child : nullptr;
}

// A dialog shows its client area; a control the whole of its window.
Image Grab(HWND window) {
    const win32::Window* held = win32::RecordOf(window);
    return Copy(window, held == nullptr || held->kind != win32::Kind::Dialog);
}

// The system draws every control in whole pixels.
Image GrabInDialog(HWND control) { return Grab(control); }

Image GrabDropDown(HWND comboBox) {
    HWND list = win32::testing::ComboListOf(comboBox);
    if (list == nullptr || !IsDropDownOpen(comboBox)) return {};
    return Copy(list, false);
}

CRect DropDownRowRect(HWND comboBox, int row) {
    CRect rect;
    HWND list = win32::testing::ComboListOf(comboBox);
    if (list == nullptr ||
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) == LB_ERR) {
        return {};
    }
    return rect;
}

Image PaintImage(int width, int height, HFONT font, const std::function<void(CDC&)>& paint) {
    return Painted(width, height, [&](HDC dc) {
        const RECT all{0, 0, width, height};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        SetBkMode(dc, OPAQUE);
        if (font != nullptr) SelectObject(dc, font);
        CDC wrapper;
        wrapper.m_hDC = dc;  // not owned
        paint(wrapper);
    });
}

CRect ClientRectOf(HWND control) {
    CRect rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetAncestor(control, GA_PARENT), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int FontPixelSizeOf(HWND window) { return FontShownBy(window).first; }
bool IsFixedPitch(HWND window) { return FontShownBy(window).second; }

}  // namespace fw::testing
