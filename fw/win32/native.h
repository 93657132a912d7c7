// What the backend's files with the Windows headers share among themselves.
// Plain, so that it names the system's types as the Windows headers do.
#pragma once

#include <string>
#include <string_view>

#include "fw/codepage.h"

struct HWND__;
struct tagMSG;

namespace fw::detail {
struct Window;
}

namespace fw::win32 {

// The framework's window of a native one, if it has one yet.
detail::Window* HeldBy(HWND__* window);

// Windows-1252 and UTF-16, as the program's texts and the system's meet.
using detail::Utf16FromWindows1252;
using detail::Windows1252FromUtf16;
const wchar_t* Wide(const std::u16string& text);

// A function of a system DLL, loaded now from the system folder if it is
// not loaded yet; nullptr when the system has none.
void* SystemFunctionAddress(const wchar_t* dll, const char* name);
template <class Function>
Function SystemFunction(const wchar_t* dll, const char* name) {
    return reinterpret_cast<Function>(SystemFunctionAddress(dll, name));
}

// An edit field's paste: the clipboard's text up to its first line break
// or NUL, over the selection.
void PasteOneLine(HWND__* edit);

// Handles one message as the modal loop does: the dialog manager's keys for
// the framework's dialogs, F1 as a help request.
void DispatchOne(tagMSG& message);

}  // namespace fw::win32
