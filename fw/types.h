// The framework's basic vocabulary: the system's (the Windows headers on
// Windows, the framework's own declarations of the same names elsewhere) and
// the few names the framework adds to it.
#pragma once

#ifdef _WIN32
#include "fw/win32/vocabulary.h"
#else
#include "fw/qt/vocabulary.h"
#endif

struct CPoint : POINT {
    constexpr CPoint() : POINT{0, 0} {}
    constexpr CPoint(int x, int y) : POINT{x, y} {}
    friend bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
};

struct CSize : SIZE {
    constexpr CSize() : SIZE{0, 0} {}
    constexpr CSize(int cx, int cy) : SIZE{cx, cy} {}
    friend bool operator==(const CSize& a, const CSize& b) { return a.cx == b.cx && a.cy == b.cy; }
};

struct CRect : RECT {
    constexpr CRect() : RECT{0, 0, 0, 0} {}
    constexpr CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    constexpr CRect(const RECT& rect) : RECT(rect) {}  // NOLINT: converts like the original
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    friend bool operator==(const CRect& a, const CRect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

// A control's own message as its parent hands it back (reflection).
inline constexpr UINT WM_REFLECT_BASE = 0xBC00;
// The framework's commands.
inline constexpr UINT ID_APP_EXIT = 0xE141;  // 57665
inline constexpr UINT ID_HELP = 0xE146;      // 57670
// The system uses the low four bits of a system command's id itself:
// commands compare under this mask.
inline constexpr UINT SC_COMMANDMASK = 0xFFF0;
