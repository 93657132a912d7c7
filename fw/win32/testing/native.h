// The native side of the test support for Windows: real input through the
// system's input queue, menus, drop-down lists and pictures of windows.
// Plain: no framework header, no Windows header.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fw/win32/window.h"

namespace fw::win32::testing {

enum class VirtualKey : unsigned short {
    Tab = 0x09,
    Enter = 0x0D,
    Escape = 0x1B,
    Space = 0x20,
    End = 0x23,
    Home = 0x24,
    Up = 0x26,
    Down = 0x28,
    Delete = 0x2E,
    A = 0x41,
    V = 0x56,
    F1 = 0x70,
    F4 = 0x73,
};
enum Modifier : unsigned { kShift = 1, kControl = 2, kAlt = 4 };

// Input as the keyboard and the mouse give it, to whatever has the focus or
// lies under the pointer; then what it caused is handled.
void PressKey(VirtualKey key, unsigned modifiers);
void TypeCharacters(std::u16string_view characters);
// Client coordinates of the window.
void ClickAt(HWND__* window, int x, int y);
void MoveMouseTo(HWND__* window, int x, int y);

// Handles what is queued; an open menu handles it itself.
void ProcessEvents();
void Activate(HWND__* window);
void SelectAll(HWND__* edit);
void SetUtf16Text(HWND__* window, std::u16string_view text);
bool PutOnClipboard(std::u16string_view text);
// The close box's system command.
void RequestClose(HWND__* window);

bool IsDropDownOpen(HWND__* combo);
void OpenDropDown(HWND__* combo);
// The row's rectangle in the open list's client area; false without one.
bool ListRowRect(HWND__* combo, int row, Rect* rect);
void ClickListRow(HWND__* combo, int row);

bool IsMenuOpen();
void OpenMenu(HWND__* window, int index);
bool HasMenuItem(HWND__* window, unsigned id);

// A window's picture: its client area (its whole window for a control), as
// COLORREF values row by row.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> values;
};
Pixels Grab(HWND__* window, bool wholeWindow);
// The open list of a drop-down list; empty when it is closed.
Pixels GrabDropDown(HWND__* combo);

bool CursorGeometry(HICON__* cursor, int* width, int* height, int* hotX, int* hotY);
// The child of the window under a point of its client area; nullptr for none.
HWND__* ChildAt(HWND__* window, int x, int y);
// A control's rectangle in its parent's client area.
Rect RectInParent(HWND__* control);
struct ShownFont {
    std::string family;
    int pixelSize = 0;
    bool fixedPitch = false;
};
ShownFont FontShownBy(HWND__* window);
// Windows of this thread, top-level and child.
int ThreadWindowCount();

}  // namespace fw::win32::testing
