// Native dialogs: created from a template in memory, their menu bar, where
// they open, and the message loop with the dialog manager's keys.
#include <windows.h>

#include "fw/win32/native.h"
#include "fw/win32/window.h"

namespace fw::win32 {
namespace {

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) return DialogCreated(dialog, reinterpret_cast<void*>(lParam)) ? TRUE : FALSE;
    return FALSE;  // everything else is the window procedure's business
}

bool IsFrameworkDialog(HWND window) {
    const detail::Window* held = HeldBy(window);
    return held != nullptr && held->kind == detail::Kind::Dialog;
}

}  // namespace

HWND CreateDialogWindow(const std::vector<std::uint16_t>& dialogTemplate, HWND owner, void* creating) {
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                      reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()), owner,
                                      DialogProcedure, reinterpret_cast<LPARAM>(creating));
}

void SetMenuBar(HWND window, const std::vector<MenuPopup>& popups) {
    HMENU bar = CreateMenu();
    for (const MenuPopup& popup : popups) {
        HMENU items = CreatePopupMenu();
        for (const MenuItem& item : popup.items) {
            if (item.text.empty()) {
                AppendMenuW(items, MF_SEPARATOR, 0, nullptr);
            } else {
                AppendMenuW(items, MF_STRING, item.id, Wide(item.text));
            }
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), Wide(popup.text));
    }
    RECT client{};
    GetClientRect(window, &client);
    SetMenu(window, bar);  // the window destroys it with itself
    AdjustWindowRectEx(&client, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Centre(HWND window, HWND owner) {
    HMONITOR monitor = MonitorFromWindow(owner != nullptr ? owner : window, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    RECT work{};
    if (monitor != nullptr && GetMonitorInfoW(monitor, &info)) {
        work = info.rcWork;
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    }
    RECT area = work;
    if (owner != nullptr) GetWindowRect(owner, &area);
    RECT frame{};
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    int left = area.left + (area.right - area.left - width) / 2;
    int top = area.top + (area.bottom - area.top - height) / 2;
    // Inside the work area, its top left corner first.
    left = std::max(static_cast<int>(work.left), std::min(left, static_cast<int>(work.right) - width));
    top = std::max(static_cast<int>(work.top), std::min(top, static_cast<int>(work.bottom) - height));
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ShowNative(HWND window) {
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
}

Rect MapDialogUnits(HWND dialog, Rect units) {
    RECT r{units.left, units.top, units.right, units.bottom};
    MapDialogRect(dialog, &r);
    return {r.left, r.top, r.right, r.bottom};
}

bool DescribeDialogFont(HWND dialog, FontDescription* description) {
    // Asked of the dialog manager itself, whoever handles the window now.
    auto font = reinterpret_cast<HFONT>(DefDlgProcW(dialog, WM_GETFONT, 0, 0));
    LOGFONTW logFont{};
    if (font == nullptr || GetObjectW(font, sizeof logFont, &logFont) != sizeof logFont) return false;
    description->height = logFont.lfHeight;
    description->weight = logFont.lfWeight;
    description->italic = logFont.lfItalic != 0;
    description->charset = logFont.lfCharSet;
    description->face = Windows1252FromUtf16(reinterpret_cast<const char16_t*>(logFont.lfFaceName));
    return true;
}

std::vector<HWND> ControlsOf(HWND dialog) {
    std::vector<HWND> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        controls.push_back(child);
    }
    return controls;
}

void DispatchOne(MSG& message) {
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && IsFrameworkDialog(root)) {
        if (message.message == WM_SYSKEYDOWN && message.wParam == VK_F4 && (message.lParam & (1 << 29)) != 0) {
            // Alt+F4 closes the window, whichever control has the focus (a
            // drop-down list would otherwise take F4 for itself).
            PostMessageW(root, WM_SYSCOMMAND, SC_CLOSE, 0);
            return;
        }
        if ((message.message == WM_SYSKEYDOWN || message.message == WM_SYSKEYUP) && message.wParam == VK_MENU) {
            // Alt on its own opens the menu bar, whichever control has the
            // focus (Wine's drop-down list keeps the key from it).
            DefWindowProcW(root, message.message, message.wParam, message.lParam);
            return;
        }
        if (IsDialogMessageW(root, &message)) return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void RunModalLoop(HWND, const bool& ended, void (*started)(void*), void* context) {
    PumpPending();
    if (started != nullptr && !ended) started(context);
    MSG message;
    while (!ended) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the loop outside
            return;
        }
        if (got < 0) return;
        DispatchOne(message);
    }
}

void PumpPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        DispatchOne(message);
    }
}

}  // namespace fw::win32
