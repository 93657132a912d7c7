// Native windows: our window procedure in front of the system's, window
// text, properties and focus, and the key state.
#include <windows.h>

#include "fw/codepage.h"
#include "fw/win32/native.h"
#include "fw/win32/window.h"

#include <cstddef>

namespace fw::win32 {
namespace {

constexpr wchar_t kProperty[] = L"kalvex.window";
int g_liveWindows = 0;

static_assert(sizeof(detail::NativeDrawItem) == sizeof(DRAWITEMSTRUCT));
static_assert(offsetof(detail::NativeDrawItem, item) == offsetof(DRAWITEMSTRUCT, hwndItem));
static_assert(offsetof(detail::NativeDrawItem, dc) == offsetof(DRAWITEMSTRUCT, hDC));
static_assert(offsetof(detail::NativeDrawItem, left) == offsetof(DRAWITEMSTRUCT, rcItem));
static_assert(offsetof(detail::NativeDrawItem, itemData) == offsetof(DRAWITEMSTRUCT, itemData));
static_assert(sizeof(detail::NativeHelpInfo) == sizeof(HELPINFO));
static_assert(offsetof(detail::NativeHelpInfo, item) == offsetof(HELPINFO, hItemHandle));
static_assert(offsetof(detail::NativeHelpInfo, contextId) == offsetof(HELPINFO, dwContextId));
static_assert(offsetof(detail::NativeHelpInfo, x) == offsetof(HELPINFO, MousePos));

detail::Kind KindOfClass(HWND window) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (lstrcmpiW(name, L"#32770") == 0) return detail::Kind::Dialog;
    if (lstrcmpiW(name, L"Static") == 0) return detail::Kind::Static;
    if (lstrcmpiW(name, L"Edit") == 0) return detail::Kind::Edit;
    if (lstrcmpiW(name, L"Button") == 0) return detail::Kind::Button;
    if (lstrcmpiW(name, L"ComboBox") == 0) return detail::Kind::ComboBox;
    return detail::Kind::Other;
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* held = static_cast<detail::Window*>(GetPropW(window, kProperty));
    if (held == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const auto previous = reinterpret_cast<WNDPROC>(held->nativeProc);
        const LRESULT result = CallWindowProcW(previous, window, message, wParam, lParam);
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(window, kProperty);
        --g_liveWindows;
        Forget(held);
        return result;
    }
    if (message == WM_PASTE && held->kind == detail::Kind::Edit) {
        PasteOneLine(window);
        return 0;
    }
    return Receive(held, message, wParam, lParam);
}

}  // namespace

detail::Window* HeldBy(HWND window) {
    return window != nullptr ? static_cast<detail::Window*>(GetPropW(window, kProperty)) : nullptr;
}

int LiveWindows() { return g_liveWindows; }

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

std::intptr_t CallNativeDefault(detail::Window* window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return CallWindowProcW(reinterpret_cast<WNDPROC>(window->nativeProc), window->native, message, wParam, lParam);
}

std::intptr_t SendNative(HWND window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return SendMessageW(window, message, wParam, lParam);
}

bool PostNative(HWND window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return PostMessageW(window, message, wParam, lParam) != FALSE;
}

void DestroyNative(HWND window) { DestroyWindow(window); }

std::string TextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return Windows1252FromUtf16(text);
}

void SetTextOf(HWND window, std::string_view text) { SetWindowTextW(window, Wide(Utf16FromWindows1252(text))); }

std::uint32_t StyleOf(HWND window) { return static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE)); }

HWND ContainerOf(HWND window) {
    if ((GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0) return nullptr;
    return GetAncestor(window, GA_PARENT);
}

HWND ItemOf(HWND dialog, int id) { return GetDlgItem(dialog, id); }
int IdOf(HWND window) { return GetDlgCtrlID(window); }
bool IsMinimised(HWND window) { return IsIconic(window) != FALSE; }
bool IsEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }
bool IsVisible(HWND window) { return IsWindowVisible(window) != FALSE; }

Rect ClientRectOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

Rect ScreenRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

Rect ScreenClientRectOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

HWND FocusTo(HWND window) {
    if (GetFocus() == window) return window;
    // Within a dialog the dialog manager moves the focus, so that a push
    // button taking it becomes the default one, which Enter runs.
    HWND parent = GetAncestor(window, GA_PARENT);
    const detail::Window* dialog = HeldBy(parent);
    if ((GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0 && dialog != nullptr &&
        dialog->kind == detail::Kind::Dialog) {
        HWND previous = GetFocus();
        SendMessageW(parent, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window), TRUE);
        return previous;
    }
    return SetFocus(window);
}
HWND FocusedWindow() { return GetFocus(); }
void EnableNative(HWND window, bool enable) { EnableWindow(window, enable ? TRUE : FALSE); }
short KeyStateOf(int virtualKey) { return GetKeyState(virtualKey); }
int SystemMetric(int index) { return GetSystemMetrics(index); }
std::uint32_t DialogFaceColour() { return GetSysColor(COLOR_3DFACE); }

std::string ProgramName() {
    std::u16string path(MAX_PATH, u'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(path.data()), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(u"\\/");
    std::u16string name = slash == std::u16string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of(u'.');
    if (dot != std::u16string::npos && dot > 0) name.resize(dot);
    return Windows1252FromUtf16(name);
}

void RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchOne(message);
}

}  // namespace fw::win32

namespace fw::detail {

HWND NativeWindow(Window* window) { return window != nullptr ? window->native : nullptr; }

Window* WindowOf(HWND native) {
    if (native == nullptr) return nullptr;
    if (auto* held = static_cast<Window*>(GetPropW(native, win32::kProperty))) return held;
    DWORD process = 0;
    if (GetWindowThreadProcessId(native, &process) == 0 || process != GetCurrentProcessId()) return nullptr;
    auto* window = new Window;
    ++win32::g_liveWindows;
    window->native = native;
    window->kind = win32::KindOfClass(native);
    SetPropW(native, win32::kProperty, window);
    window->nativeProc = SetWindowLongPtrW(native, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(win32::WindowProcedure));
    return window;
}

}  // namespace fw::detail
