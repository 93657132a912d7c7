// Dialog windows from the program's templates: made by the dialog manager
// from a template in memory, given their menu and pictures, centred, and
// run modally with the dialog manager's keys.
#include <algorithm>
#include <vector>

#include "fw/accessibility.h"
#include "fw/app.h"
#include "fw/dialog.h"
#include "fw/exception.h"
#include "fw/resources.h"
#include "fw/win32/backend.h"
#include "fw/win32/dialog_template.h"

namespace fw::win32 {
namespace {

struct Creating {
    CDialog& dialog;
    const DialogTemplate& dt;
};

// Gives the window a menu bar and grows it so that its client area stays
// as large as before.
void SetMenuBar(HWND window, const MenuTemplate& menu) {
    HMENU bar = CreateMenu();
    for (const MenuPopupTemplate& popup : menu.popups) {
        HMENU items = CreatePopupMenu();
        for (const MenuItemTemplate& item : popup.items) {
            if (item.text == nullptr) {
                AppendMenuW(items, MF_SEPARATOR, 0, nullptr);
            } else {
                AppendMenuW(items, MF_STRING, item.id, Wide(item.text).c_str());
            }
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), Wide(popup.text).c_str());
    }
    RECT client{};
    GetClientRect(window, &client);
    SetMenu(window, bar);  // the window destroys it with itself
    AdjustWindowRectEx(&client, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The controls take what the template gives them beyond the dialog
// manager's own: the pictures, no text limit, and the labels that name them
// to a screen reader.
void PrepareControls(HWND dialog, const DialogTemplate& dt) {
    std::vector<HWND> children;  // in template order
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    const std::vector<int> labels = ControlLabels(dt);
    for (std::size_t i = 0; i < children.size(); ++i) {
        HWND child = children[i];
        Window* control = RecordOf(child);
        if (control != nullptr && control->kind == Kind::Edit) SendMessageW(child, EM_SETLIMITTEXT, 0, 0);
        if (i >= dt.controls.size()) continue;
        if (control != nullptr && labels[i] >= 0 && static_cast<std::size_t>(labels[i]) < children.size()) {
            control->label = children[static_cast<std::size_t>(labels[i])];
        }
        const ControlTemplate& item = dt.controls[i];
        if (item.kind == ControlKind::Static && (item.style & SS_TYPEMASK) == SS_ICON && item.image != 0) {
            SendMessageW(child, STM_SETICON, reinterpret_cast<WPARAM>(IconOf(item.image)), 0);
        }
    }
}

// Centres the window over its owner, or without one in the work area of its
// monitor; either way it stays inside that work area.
void Centre(HWND window, HWND owner) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : window, MONITOR_DEFAULTTOPRIMARY), &info);
    const RECT work = info.rcWork;
    RECT area = work;
    if (owner != nullptr) GetWindowRect(owner, &area);
    RECT frame{};
    GetWindowRect(window, &frame);
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    LONG left = area.left + (area.right - area.left - width) / 2;
    LONG top = area.top + (area.bottom - area.top - height) / 2;
    // Inside the work area, its top left corner first.
    left = std::max(work.left, std::min(left, work.right - width));
    top = std::max(work.top, std::min(top, work.bottom - height));
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// During the dialog's creation, before it is shown: attaches and initialises
// it; answers whether the dialog manager focuses the first control.
INT_PTR CALLBACK DialogProcedure(HWND handle, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;  // everything else is the window procedure's business
    auto& creating = *reinterpret_cast<Creating*>(lParam);
    Window* window = RecordOf(handle);
    window->kind = Kind::Dialog;
    if (creating.dt.menu != 0) {
        if (const MenuTemplate* menu = FindMenu(creating.dt.menu)) SetMenuBar(handle, *menu);
    }
    PrepareControls(handle, creating.dt);
    detail::Attach(handle, &creating.dialog);
    // The first control with a tab stop gets the focus unless the dialog's
    // initialisation answers FALSE.
    try {
        return creating.dialog.OnInitDialog() != FALSE;
    } catch (CException* e) {
        e->ReportError(MB_ICONSTOP);
        e->Delete();
        return TRUE;
    }
}

bool IsFrameworkDialog(HWND window) {
    const Window* held = window != nullptr ? RecordOf(window) : nullptr;
    return held != nullptr && held->kind == Kind::Dialog;
}

}  // namespace

void DispatchOne(MSG& message) {
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (IsFrameworkDialog(root)) {
        if (message.message == WM_SYSKEYDOWN && message.wParam == VK_F4 && (message.lParam & (1 << 29)) != 0) {
            // Alt+F4 closes the window, whichever control has the focus (a
            // drop-down list would otherwise take F4 for itself).
            PostMessageW(root, WM_SYSCOMMAND, SC_CLOSE, 0);
            return;
        }
        const bool menuKey = message.wParam == VK_MENU || (message.wParam == VK_F10 && GetKeyState(VK_SHIFT) >= 0);
        if ((message.message == WM_SYSKEYDOWN || message.message == WM_SYSKEYUP) && menuKey) {
            // Alt on its own, or F10, selects the menu bar, whichever control
            // has the focus (Wine's drop-down list keeps the keys from it).
            DefWindowProcW(root, message.message, message.wParam, message.lParam);
            return;
        }
        if (IsDialogMessageW(root, &message)) return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
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

namespace fw::detail {

HWND OpenDialogWindow(CDialog& dialog, UINT templateId, HWND owner) {
    const DialogTemplate* found = FindDialog(templateId);
    if (found == nullptr) return nullptr;
    // Shown once it is initialised and centred.
    DialogTemplate hidden = *found;
    hidden.style &= ~WS_VISIBLE;
    const std::vector<std::uint16_t> bytes = win32::BuildDialogTemplate(hidden);
    win32::Creating creating{dialog, *found};
    HWND window =
        CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(bytes.data()), owner,
                                   win32::DialogProcedure, reinterpret_cast<LPARAM>(&creating));
    if (window != nullptr) win32::Centre(window, owner);
    return window;
}

void EnableModalOwner(HWND owner, bool enable) { EnableWindow(owner, enable ? TRUE : FALSE); }

// Runs messages until EndDialog ended the run. A quit message ends the loop
// and stays queued for the loop outside.
void RunModalLoop(HWND window, CDialog& dialog) {
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    win32::PumpPending();
    const WindowRecord* record = RecordOf(window);
    if (!record->modalEnded) ModalRunStarted(dialog);
    MSG message;
    while (!record->modalEnded) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (got < 0) return;
        win32::DispatchOne(message);
    }
}

// The loop looks again.
void WakeModalLoop(HWND window) { PostMessageW(window, WM_NULL, 0, 0); }

void CloseDialogWindow(HWND window) {
    Attach(window, nullptr);
    ::DestroyWindow(window);
}

}  // namespace fw::detail

void CDialog::MapDialogRect(CRect* rect) const {
    if (m_hWnd != nullptr && rect != nullptr) ::MapDialogRect(m_hWnd, rect);
}
