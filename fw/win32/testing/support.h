// What the Windows side of the test support shares among its files.
#pragma once

#include <vector>

#include "fw/win32/backend.h"

namespace fw::win32::testing {

// The open list of a drop-down list.
inline HWND ComboListOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

// The windows of this thread: its top-level ones, or those inside `parent`
// (its children and theirs).
inline std::vector<HWND> WindowsOf(HWND parent) {
    std::vector<HWND> found;
    const auto add = [](HWND window, LPARAM context) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
        return TRUE;
    };
    if (parent == nullptr) {
        EnumThreadWindows(GetCurrentThreadId(), add, reinterpret_cast<LPARAM>(&found));
    } else {
        EnumChildWindows(parent, add, reinterpret_cast<LPARAM>(&found));
    }
    return found;
}

}  // namespace fw::win32::testing
