// Key and mouse input through the system's input queue, where the user's
// would go; menus and drop-down lists.
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "fw/codepage.h"
#include "fw/testing/input.h"
#include "fw/testing/toolkit.h"
#include "fw/win32/testing/support.h"
#include "fw/wnd.h"

namespace fw::testing {
namespace {

void Send(std::vector<INPUT> inputs) {
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

// Absolute positions are normalised to 0..65535 over the primary screen,
// rounded up so that the system's rounding down gives the pixel back.
INPUT MouseInput(DWORD flags, HWND window = nullptr, POINT at = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (window != nullptr) {
        ClientToScreen(window, &at);
        const int width = GetSystemMetrics(SM_CXSCREEN);
        const int height = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = static_cast<LONG>((static_cast<long long>(at.x) * 65536 + width - 1) / width);
        input.mi.dy = static_cast<LONG>((static_cast<long long>(at.y) * 65536 + height - 1) / height);
        input.mi.dwFlags |= MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    return input;
}

// UTF-8 as the system reads it: a byte that starts no character is U+FFFD.
std::wstring Utf16FromUtf8(std::string_view text) {
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

void TypeCharacters(std::wstring_view characters) {
    std::vector<INPUT> inputs;
    for (const wchar_t c : characters) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = static_cast<WORD>(c);
        input.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(input);
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    Send(inputs);
    ProcessEvents();
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
        win32::PumpPending();
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
    static void* const testFiber = ConvertThreadToFiber(nullptr);  // the thread's own, made once
    g_menu.testFiber = testFiber;
    g_menu.owner = owner;
    g_menu.popup = popup;
    g_menu.at = at;
    g_menu.hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchMenu, nullptr, GetCurrentThreadId());
    g_menu.menuFiber = CreateFiber(0, RunMenu, nullptr);
    ResumeMenu();
}

void PressVirtualKey(WORD key, unsigned modifiers) {
    std::vector<INPUT> inputs;
    const std::pair<unsigned, WORD> held[] = {{kShift, VK_SHIFT}, {kControl, VK_CONTROL}, {kAlt, VK_MENU}};
    for (const auto& [flag, vk] : held) {
        if ((modifiers & flag) != 0) inputs.push_back(KeyInput(vk, false));
    }
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto it = std::rbegin(held); it != std::rend(held); ++it) {
        if ((modifiers & it->first) != 0) inputs.push_back(KeyInput(it->second, true));
    }
    Send(inputs);
    // Alt alone and F10 may start the menu bar's loop: handled on a fiber of
    // its own, as an opened menu.
    if ((key == VK_MENU || key == VK_F10) && modifiers == 0 && !MenuRunning()) StartMenu(nullptr, nullptr, POINT{});
    ProcessEvents();
}

}  // namespace

// Handles what is queued; an open menu handles it itself.
void ProcessEvents() {
    for (int round = 0; round < 3; ++round) {
        if (MenuRunning()) {
            ResumeMenu();
        } else {
            win32::PumpPending();
        }
    }
}

void PressKey(Key key, unsigned modifiers) {
    // In the order of Key.
    constexpr WORD kVirtualKeys[] = {VK_TAB, VK_TAB,  VK_RETURN, VK_ESCAPE, VK_SPACE, VK_F1, VK_F4,
                                     VK_F10, VK_MENU, VK_UP,     VK_DOWN,   VK_HOME,  VK_END};
    static_assert(std::size(kVirtualKeys) == static_cast<std::size_t>(Key::End) + 1);
    if (key == Key::BackTab) modifiers |= kShift;
    PressVirtualKey(kVirtualKeys[static_cast<std::size_t>(key)], modifiers);
}

void TypeText(std::string_view text) {
    const std::u16string wide = detail::Utf16FromWindows1252(text);
    TypeCharacters(std::wstring(wide.begin(), wide.end()));
}

void TypeUtf8(std::string_view text) { TypeCharacters(Utf16FromUtf8(text)); }

void ReplaceText(HWND edit, std::string_view text) {
    Click(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    if (text.empty()) {
        PressVirtualKey(VK_DELETE, 0);
    } else {
        TypeText(text);
    }
}

void SetTextUtf8(HWND window, std::string_view text) { SetWindowTextW(window, Utf16FromUtf8(text).c_str()); }

void PasteUtf8(HWND edit, std::string_view text) {
    const std::wstring wide = Utf16FromUtf8(text);
    const win32::Clipboard& clipboard = win32::SystemClipboard();
    if (clipboard.open(nullptr)) {
        clipboard.empty();
        // Zeroed: the text and its terminating NUL.
        if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (wide.size() + 1) * sizeof(wchar_t))) {
            wide.copy(static_cast<wchar_t*>(GlobalLock(block)), wide.size());
            GlobalUnlock(block);
            if (SetClipboardData(CF_UNICODETEXT, block) == nullptr) GlobalFree(block);
        }
        clipboard.close();
    }
    CWnd::FromHandle(edit)->SetFocus();  // where its cursor or selection is, if it has the focus
    PressVirtualKey('V', kControl);
}

void RequestClose(HWND window) {
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ProcessEvents();
}

void Click(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    ClickAt(window, CPoint{r.right / 2, r.bottom / 2});
}

void ClickAt(HWND window, CPoint point) {
    Send({MouseInput(0, window, point), MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
    ProcessEvents();
}

void MoveMouse(HWND window, CPoint point) {
    Send({MouseInput(0, window, point)});
    ProcessEvents();
}

HWND FocusWindow() { return GetFocus(); }

void Activate(HWND window) {
    if (window == nullptr) return;
    SetForegroundWindow(window);
    SetActiveWindow(window);
    BringWindowToTop(window);
}

bool IsDropDownOpen(HWND comboBox) { return SendMessageW(comboBox, CB_GETDROPPEDSTATE, 0, 0) != FALSE; }

void OpenDropDown(HWND comboBox) {
    // The pointer rests on the field, as after a click there: a row under
    // it would follow it.
    RECT field{};
    GetClientRect(comboBox, &field);
    MoveMouse(comboBox, CPoint{field.right / 2, field.bottom / 2});
    SetFocus(comboBox);
    SendMessageW(comboBox, CB_SHOWDROPDOWN, TRUE, 0);
    ProcessEvents();
}

void ClickListRow(HWND comboBox, int row) {
    HWND list = win32::testing::ComboListOf(comboBox);
    if (list == nullptr || !IsDropDownOpen(comboBox)) return;
    // Scrolled into view first, as the user would scroll.
    RECT client{};
    GetClientRect(list, &client);
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    if (r.top < client.top || r.bottom > client.bottom) {
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
        SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    }
    ClickAt(list, CPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
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

int SelectedMenu(HWND dialog) {
    HMENU bar = GetMenu(dialog);
    if (bar == nullptr || IsMenuOpen()) return -1;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        if ((GetMenuState(bar, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) != 0) return i;
    }
    return -1;
}

void OpenMenu(HWND dialog, int index) {
    HMENU bar = GetMenu(dialog);
    HMENU popup = bar != nullptr ? GetSubMenu(bar, index) : nullptr;
    if (popup == nullptr || MenuRunning()) return;
    RECT item{};
    GetMenuItemRect(dialog, bar, static_cast<UINT>(index), &item);
    StartMenu(dialog, popup, POINT{item.left, item.bottom});
}

// The command a click on the item gives its window.
void ChooseMenuItem(HWND dialog, UINT commandId) {
    HMENU bar = GetMenu(dialog);
    if (bar == nullptr || GetMenuState(bar, commandId, MF_BYCOMMAND) == static_cast<UINT>(-1)) return;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(commandId), 0), 0);
    ProcessEvents();
}

}  // namespace fw::testing
