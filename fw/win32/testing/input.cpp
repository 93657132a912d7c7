// Key and mouse input where the user's would go; menus and drop-down lists.

#include "fw/testing/input.h"
#include "fw/testing/toolkit.h"
#include "fw/win32/testing/support.h"
#include "fw/win32/text.h"
#include "fw/wnd.h"

namespace fw::win32::testing {
namespace {

void Send(std::vector<INPUT>& inputs) {
    if (!inputs.empty()) SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (key == VK_HOME || key == VK_END || key == VK_UP || key == VK_DOWN || key == VK_DELETE) {
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    }
    return input;
}

INPUT MouseInput(DWORD flags, int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if ((flags & MOUSEEVENTF_ABSOLUTE) != 0) {
        // Normalised to 0..65535 over the primary screen, rounded up so that
        // the system's rounding down gives the pixel back.
        const int width = GetSystemMetrics(SM_CXSCREEN);
        const int height = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = static_cast<LONG>((static_cast<long long>(x) * 65536 + width - 1) / width);
        input.mi.dy = static_cast<LONG>((static_cast<long long>(y) * 65536 + height - 1) / height);
    }
    return input;
}

POINT ToScreen(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return point;
}

// The open menu's loop runs on a fiber of its own; the test's code runs on
// the thread's own fiber and goes back to the menu whenever it lets the
// system handle what is queued.
struct MenuRun {
    void* testFiber = nullptr;
    void* menuFiber = nullptr;
    bool done = false;
    bool inMenu = false;  // the menu's fiber runs
    HWND owner = nullptr;
    HMENU popup = nullptr;  // opened by the test, or nullptr: the loop of the menu bar that a key selected
    POINT at{};
    HHOOK hook = nullptr;
};
MenuRun g_menu;

// The thread's own fiber, made once.
void* TestFiber() {
    static void* const fiber = ConvertThreadToFiber(nullptr);
    return fiber;
}

void BackToTest() {
    if (g_menu.inMenu) SwitchToFiber(g_menu.testFiber);
}

// The menu's loop waits for input: the test goes on.
LRESULT CALLBACK WatchMenu(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_ENTERIDLE && call->wParam == MSGF_MENU) BackToTest();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Should the loop not say that it waits, a timer brings the test back.
void CALLBACK MenuTimer(HWND, UINT, UINT_PTR, DWORD) { BackToTest(); }

void CALLBACK RunMenu(void*) {
    if (g_menu.popup != nullptr) {
        TrackPopupMenu(g_menu.popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, g_menu.at.x, g_menu.at.y, 0,
                       g_menu.owner, nullptr);
    } else {
        PumpPending();
    }
    g_menu.done = true;
    SwitchToFiber(g_menu.testFiber);
}

// Lets the menu's loop run until it waits again or ends.
void ResumeMenu() {
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, MenuTimer);
    g_menu.inMenu = true;
    SwitchToFiber(g_menu.menuFiber);
    g_menu.inMenu = false;
    KillTimer(nullptr, timer);
    if (g_menu.done) {
        DeleteFiber(g_menu.menuFiber);
        UnhookWindowsHookEx(g_menu.hook);
        g_menu = MenuRun{};
    }
}

bool MenuRunning() { return g_menu.menuFiber != nullptr; }

void StartMenu(HWND owner, HMENU popup, POINT at) {
    g_menu.testFiber = TestFiber();
    g_menu.owner = owner;
    g_menu.popup = popup;
    g_menu.at = at;
    g_menu.hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchMenu, nullptr, GetCurrentThreadId());
    g_menu.menuFiber = CreateFiber(0, RunMenu, nullptr);
    ResumeMenu();
}

}  // namespace

void ProcessEvents() {
    for (int round = 0; round < 3; ++round) {
        if (MenuRunning()) {
            ResumeMenu();
            continue;
        }
        PumpPending();
    }
}

void PressKey(VirtualKey key, unsigned modifiers) {
    std::vector<INPUT> inputs;
    const std::pair<unsigned, WORD> held[] = {{kShift, VK_SHIFT}, {kControl, VK_CONTROL}, {kAlt, VK_MENU}};
    for (const auto& [flag, vk] : held) {
        if ((modifiers & flag) != 0) inputs.push_back(KeyInput(vk, false));
    }
    inputs.push_back(KeyInput(static_cast<WORD>(key), false));
    inputs.push_back(KeyInput(static_cast<WORD>(key), true));
    for (auto it = std::rbegin(held); it != std::rend(held); ++it) {
        if ((modifiers & it->first) != 0) inputs.push_back(KeyInput(it->second, true));
    }
    Send(inputs);
    // Alt alone and F10 may start the menu bar's loop: handled on a fiber of
    // its own, as an opened menu.
    if ((key == VirtualKey::Menu || key == VirtualKey::F10) && modifiers == 0 && !MenuRunning()) {
        StartMenu(nullptr, nullptr, POINT{});
    }
    ProcessEvents();
}

void TypeCharacters(std::u16string_view characters) {
    std::vector<INPUT> inputs;
    for (const char16_t c : characters) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = c;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    Send(inputs);
    ProcessEvents();
}

void MoveMouseTo(HWND window, int x, int y) {
    const POINT at = ToScreen(window, x, y);
    std::vector<INPUT> inputs{MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at.x, at.y)};
    Send(inputs);
    ProcessEvents();
}

void ClickAt(HWND window, int x, int y) {
    const POINT at = ToScreen(window, x, y);
    std::vector<INPUT> inputs{MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at.x, at.y),
                              MouseInput(MOUSEEVENTF_LEFTDOWN, 0, 0), MouseInput(MOUSEEVENTF_LEFTUP, 0, 0)};
    Send(inputs);
    ProcessEvents();
}

void Activate(HWND window) {
    if (window == nullptr) return;
    SetForegroundWindow(window);
    SetActiveWindow(window);
    BringWindowToTop(window);
}

void SelectAll(HWND edit) { SendMessageW(edit, EM_SETSEL, 0, -1); }

void SetUtf16Text(HWND window, std::u16string_view text) {
    const std::u16string terminated(text);
    SetWindowTextW(window, reinterpret_cast<const wchar_t*>(terminated.c_str()));
}

bool PutOnClipboard(std::u16string_view text) {
    const Clipboard& clipboard = SystemClipboard();
    if (!clipboard.open(nullptr)) return false;
    clipboard.empty();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    bool done = false;
    if (block != nullptr) {
        auto* out = static_cast<char16_t*>(GlobalLock(block));
        text.copy(out, text.size());
        out[text.size()] = u'\0';
        GlobalUnlock(block);
        done = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
        if (!done) GlobalFree(block);
    }
    clipboard.close();
    return done;
}

void RequestClose(HWND window) {
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ProcessEvents();
}

bool IsDropDownOpen(HWND combo) { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != FALSE; }

void OpenDropDown(HWND combo) {
    // The pointer rests on the field, as after a click there: a row under
    // it would follow it.
    RECT field{};
    GetClientRect(combo, &field);
    MoveMouseTo(combo, field.right / 2, field.bottom / 2);
    SetFocus(combo);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    ProcessEvents();
}

bool ListRowRect(HWND combo, int row, RECT* rect) {
    HWND list = ComboListOf(combo);
    RECT r{};
    if (list == nullptr ||
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r)) == LB_ERR) {
        return false;
    }
    *rect = RECT{r.left, r.top, r.right, r.bottom};
    return true;
}

void ClickListRow(HWND combo, int row) {
    HWND list = ComboListOf(combo);
    if (list == nullptr || !IsDropDownOpen(combo)) return;
    // Scrolled into view first, as the user would scroll.
    RECT client{};
    GetClientRect(list, &client);
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    if (r.top < client.top || r.bottom > client.bottom) {
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    }
    ClickAt(list, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

bool IsMenuOpen() {
    // A menu bar selected by a key opens no menu until asked to.
    const HWND popup = FindWindowW(L"#32768", nullptr);
    if (popup != nullptr && IsWindowVisible(popup)) return true;
    if (MenuRunning()) return g_menu.popup != nullptr;
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & GUI_POPUPMENUMODE) != 0;
}

int SelectedMenu(HWND window) {
    HMENU bar = GetMenu(window);
    if (bar == nullptr || IsMenuOpen()) return -1;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        if ((GetMenuState(bar, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) != 0) return i;
    }
    return -1;
}

void OpenMenu(HWND window, int index) {
    HMENU bar = GetMenu(window);
    HMENU popup = bar != nullptr ? GetSubMenu(bar, index) : nullptr;
    if (popup == nullptr || MenuRunning()) return;
    RECT item{};
    GetMenuItemRect(window, bar, static_cast<UINT>(index), &item);
    StartMenu(window, popup, POINT{item.left, item.bottom});
}

bool HasMenuItem(HWND window, unsigned id) {
    HMENU bar = GetMenu(window);
    return bar != nullptr && GetMenuState(bar, id, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

}  // namespace fw::win32::testing

namespace fw::testing {
namespace {

using win32::testing::VirtualKey;

// UTF-8 to UTF-16; a byte that starts no character is U+FFFD.
std::u16string Utf16FromUtf8(std::string_view text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int length = byte < 0x80 ? 1 : (byte >> 5) == 6 ? 2 : (byte >> 4) == 14 ? 3 : (byte >> 3) == 30 ? 4 : 0;
        char32_t code = length == 1 ? byte : length == 2 ? byte & 0x1F : length == 3 ? byte & 0x0F : byte & 0x07;
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid || code > 0x10FFFF) {
            out.push_back(u'\xFFFD');
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
        i += static_cast<std::size_t>(length);
    }
    return out;
}


VirtualKey ToVirtualKey(Key key) {
    switch (key) {
    case Key::Tab:
    case Key::BackTab:
        return VirtualKey::Tab;
    case Key::Enter:
        return VirtualKey::Enter;
    case Key::Escape:
        return VirtualKey::Escape;
    case Key::Space:
        return VirtualKey::Space;
    case Key::F1:
        return VirtualKey::F1;
    case Key::F4:
        return VirtualKey::F4;
    case Key::F10:
        return VirtualKey::F10;
    case Key::Alt:
        return VirtualKey::Menu;
    case Key::Up:
        return VirtualKey::Up;
    case Key::Down:
        return VirtualKey::Down;
    case Key::Home:
        return VirtualKey::Home;
    case Key::End:
        return VirtualKey::End;
    }
    return VirtualKey::Escape;
}

}  // namespace

void PressKey(Key key, unsigned modifiers) {
    if (key == Key::BackTab) modifiers |= kShift;
    win32::testing::PressKey(ToVirtualKey(key), modifiers);
}

void TypeText(std::string_view text) { win32::testing::TypeCharacters(detail::Utf16FromWindows1252(text)); }
void TypeUtf8(std::string_view text) { win32::testing::TypeCharacters(Utf16FromUtf8(text)); }

void ReplaceText(HWND edit, std::string_view text) {
    Click(edit);
    win32::testing::SelectAll(edit);
    if (text.empty()) {
        win32::testing::PressKey(VirtualKey::Delete, 0);
    } else {
        TypeText(text);
    }
}

void SetTextUtf8(HWND window, std::string_view text) {
    win32::testing::SetUtf16Text(window, Utf16FromUtf8(text));
}

void PasteUtf8(HWND edit, std::string_view text) {
    win32::testing::PutOnClipboard(Utf16FromUtf8(text));
    CWnd::FromHandle(edit)->SetFocus();  // where its cursor or selection is, if it has the focus
    win32::testing::PressKey(VirtualKey::V, win32::testing::kControl);
}

void RequestClose(HWND window) { win32::testing::RequestClose(window); }

void Click(HWND window) {
    RECT r{};
    ::GetClientRect(window, &r);
    ClickAt(window, CPoint{r.right / 2, r.bottom / 2});
}

void ClickAt(HWND window, CPoint point) { win32::testing::ClickAt(window, point.x, point.y); }
void MoveMouse(HWND window, CPoint point) { win32::testing::MoveMouseTo(window, point.x, point.y); }

HWND FocusWindow() { return (::GetFocus()); }

void Activate(HWND window) { win32::testing::Activate(window); }

bool IsDropDownOpen(HWND comboBox) { return win32::testing::IsDropDownOpen(comboBox); }
void OpenDropDown(HWND comboBox) { win32::testing::OpenDropDown(comboBox); }
void ClickListRow(HWND comboBox, int row) { win32::testing::ClickListRow(comboBox, row); }

bool IsMenuOpen() { return win32::testing::IsMenuOpen(); }
int SelectedMenu(HWND dialog) { return win32::testing::SelectedMenu(dialog); }
void OpenMenu(HWND dialog, int index) { win32::testing::OpenMenu(dialog, index); }

void ChooseMenuItem(HWND dialog, UINT commandId) {
    // The command a click on the item gives its window.
    if (!win32::testing::HasMenuItem(dialog, commandId)) return;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(commandId), 0), 0);
    ProcessEvents();
}

}  // namespace fw::testing
