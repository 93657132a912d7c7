// What the Windows backend's files share. The framework's vocabulary is the
// system's here (fw/types.h includes <windows.h>), so the backend calls the
// system directly and its handles are the system's own.
#pragma once

#include <string>
#include <string_view>

#include "fw/internal.h"

class CDialog;

namespace fw::win32 {

enum class Kind { Other, Dialog, Static, Edit, Button, ComboBox };

// What the framework keeps about a window of this program, besides what the
// system keeps: made the first time the window is asked for (which puts our
// window procedure in front of its own), deleted when it is destroyed.
struct Window : detail::WindowRecord {
    HWND handle = nullptr;
    WNDPROC previous = nullptr;  // the window procedure before ours
    Kind kind = Kind::Other;
    HWND label = nullptr;  // the static text that names it to a screen reader (fw/accessibility.h)
};

// The record of a window of this process, made when first asked for;
// nullptr for none or another process's window.
Window* RecordOf(HWND window);
// The record of a window if it has one already.
Window* HeldBy(HWND window);
// The window procedure before ours.
LRESULT CallPrevious(Window* window, UINT message, WPARAM wParam, LPARAM lParam);

// Texts between the program's Windows-1252 and the system's UTF-16.
std::wstring Wide(std::string_view text);
std::string Narrow(std::wstring_view text);
// A window's text as the system has it.
std::wstring WindowText(HWND window);
// A drop-down list's row, in Windows-1252.
bool ComboText(HWND combo, int index, std::string* text);

// Handles one message as the modal loop does: the dialog manager's keys for
// the framework's dialogs.
void DispatchOne(MSG& message);
// Handles what is queued, the dialog manager's keys included, and returns.
void PumpPending();
// An item of a drop-down list that nobody drew: its text, as a list that
// draws itself shows it.
void DrawItemText(const DRAWITEMSTRUCT& item);
// An edit field's paste: the clipboard's text up to its first line break or
// NUL, over the selection.
void PasteOneLine(HWND edit);

// The program file's name without folder and extension.
std::string ProgramName();

// A function of a system DLL, loaded now from the system folder if it is
// not loaded yet; nullptr when the system has none.
FARPROC SystemFunctionAddress(const wchar_t* dll, const char* name);
template <class Function>
Function SystemFunction(const wchar_t* dll, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunctionAddress(dll, name)));
}

// The system's own clipboard functions. The program's calls of
// OpenClipboard, EmptyClipboard and CloseClipboard go to the desktop in use
// (imports.cpp); the real desktop and the framework itself use these.
struct Clipboard {
    decltype(&::OpenClipboard) open;
    decltype(&::EmptyClipboard) empty;
    decltype(&::CloseClipboard) close;
};
const Clipboard& SystemClipboard();

// Answers WM_GETOBJECT for a control of the framework (accessible.cpp): its
// accessible object for the client area where it tells a screen reader more
// than the system's own, else 0 (the system's answer). The accessibility
// DLLs are loaded on the first request.
LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam);

// The program's icons made from its pictures, for the framework's own use
// (a dialog's picture controls).
HICON IconOf(UINT resource);

}  // namespace fw::win32
