// Pictures of windows as they show, cursors, fonts and windows under points.
#include <windows.h>

#include "fw/win32/native.h"
#include "fw/win32/native_dc.h"
#include "fw/win32/testing/native.h"

namespace fw::win32::testing {
namespace {

Pixels Copy(HDC source, int width, int height) {
    Pixels pixels;
    if (width <= 0 || height <= 0) return pixels;
    MemoryPicture copy(width, height, 0);
    if (copy.Context() == nullptr) return pixels;
    BitBlt(copy.Context(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    pixels.width = width;
    pixels.height = height;
    pixels.values = copy.Pixels();
    return pixels;
}

}  // namespace

Pixels Grab(HWND window, bool wholeWindow) {
    // Painted afresh, children and frame included, before the copy.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT area{};
    if (wholeWindow) {
        GetWindowRect(window, &area);
        OffsetRect(&area, -area.left, -area.top);
    } else {
        GetClientRect(window, &area);
    }
    HDC dc = wholeWindow ? GetWindowDC(window) : GetDC(window);
    Pixels pixels = Copy(dc, area.right, area.bottom);
    ReleaseDC(window, dc);
    return pixels;
}

Pixels GrabDropDown(HWND combo) {
    HWND list = ComboListOf(combo);
    if (list == nullptr || !IsDropDownOpen(combo)) return {};
    return Grab(list, false);
}

bool CursorGeometry(HICON cursor, int* width, int* height, int* hotX, int* hotY) {
    ICONINFO info{};
    if (cursor == nullptr || !GetIconInfo(cursor, &info)) return false;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    *width = bitmap.bmWidth;
    // A monochrome cursor keeps both masks in one bitmap, one above the other.
    *height = info.hbmColor != nullptr ? bitmap.bmHeight : bitmap.bmHeight / 2;
    *hotX = static_cast<int>(info.xHotspot);
    *hotY = static_cast<int>(info.yHotspot);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    return true;
}

HWND ChildAt(HWND window, int x, int y) {
    HWND child = ChildWindowFromPointEx(window, POINT{x, y}, CWP_SKIPINVISIBLE);
    return child != window ? child : nullptr;
}

Rect RectInParent(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetAncestor(control, GA_PARENT), reinterpret_cast<POINT*>(&r), 2);
    return Rect{r.left, r.top, r.right, r.bottom};
}

ShownFont FontShownBy(HWND window) {
    ShownFont shown;
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    shown.family = Windows1252FromUtf16(reinterpret_cast<const char16_t*>(face));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // The size the font asks for: a raster face (Fixedsys) comes only in
    // the sizes it has, and draws in the nearest one.
    LOGFONTW asked{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof asked, &asked);
    shown.pixelSize = asked.lfHeight < 0 ? -asked.lfHeight : metrics.tmHeight - metrics.tmInternalLeading;
    // The bit is set for a font of variable pitch.
    shown.fixedPitch = (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return shown;
}

namespace {
BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}
BOOL CALLBACK CountTop(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountChild, count);
    return TRUE;
}
}  // namespace

int ThreadWindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTop, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace fw::win32::testing
