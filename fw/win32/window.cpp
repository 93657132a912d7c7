// The framework's windows over the system's: our window procedure in front
// of each window's own, delivery to the attached object, the default
// handling that differs from the system's, and the window operations of CWnd.
#include "fw/diagnostics.h"
#include "fw/win32/backend.h"
#include "fw/wnd.h"

namespace fw::win32 {
namespace {

constexpr wchar_t kProperty[] = L"kalvex.window";
int g_liveWindows = 0;

Kind KindOfClass(HWND window) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (lstrcmpiW(name, L"#32770") == 0) return Kind::Dialog;  // the dialog manager's class
    if (lstrcmpiW(name, L"Static") == 0) return Kind::Static;
    if (lstrcmpiW(name, L"Edit") == 0) return Kind::Edit;
    if (lstrcmpiW(name, L"Button") == 0) return Kind::Button;
    if (lstrcmpiW(name, L"ComboBox") == 0) return Kind::ComboBox;
    return Kind::Other;
}

// A drawing request as the program gets it: the selected row of an open
// list has the keyboard focus, which Windows draws on it and Wine leaves out.
DRAWITEMSTRUCT WithFocusOnSelectedRow(const DRAWITEMSTRUCT& item) {
    DRAWITEMSTRUCT request = item;
    if (item.CtlType == ODT_COMBOBOX && (item.itemState & ODS_SELECTED) != 0 &&
        (item.itemState & ODS_COMBOBOXEDIT) == 0) {
        request.itemState |= ODS_FOCUS;
    }
    return request;
}

LRESULT Deliver(Window* window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Requests that only an attached object could answer differently go
    // straight to the system.
    if (window->attached == nullptr && (message == WM_CTLCOLORSTATIC || message == WM_ICONERASEBKGND)) {
        return CallPrevious(window, message, wParam, lParam);
    }
    if (message == WM_DRAWITEM) {
        DRAWITEMSTRUCT request = WithFocusOnSelectedRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return detail::Dispatch(window->handle, message, wParam, reinterpret_cast<LPARAM>(&request));
    }
    if (message != WM_CTLCOLORSTATIC) return detail::Dispatch(window->handle, message, wParam, lParam);
    // The static control paints with the font that its colour request
    // selected. Wine's static control selects its own font after the
    // request: it is given the selected one, so that both systems show the
    // same.
    HDC dc = reinterpret_cast<HDC>(wParam);
    HGDIOBJ before = GetCurrentObject(dc, OBJ_FONT);
    const LRESULT result = detail::Dispatch(window->handle, message, wParam, lParam);
    HGDIOBJ after = GetCurrentObject(dc, OBJ_FONT);
    if (after != before) {
        if (Window* control = RecordOf(reinterpret_cast<HWND>(lParam))) {
            CallPrevious(control, WM_SETFONT, reinterpret_cast<WPARAM>(after), FALSE);
        }
    }
    return result;
}

LRESULT CALLBACK WindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = HeldBy(handle);
    if (window == nullptr) return DefWindowProcW(handle, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const LRESULT result = CallPrevious(window, message, wParam, lParam);
        SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(window->previous));
        RemovePropW(handle, kProperty);
        --g_liveWindows;
        delete window;
        return result;
    }
    if (message == WM_PASTE && window->kind == Kind::Edit) {
        PasteOneLine(handle);
        return 0;
    }
    if (message == WM_GETOBJECT) {
        if (const LRESULT answer = AnswerGetObject(handle, wParam, lParam)) return answer;
    }
    return Deliver(window, message, wParam, lParam);
}

}  // namespace

Window* HeldBy(HWND window) { return static_cast<Window*>(GetPropW(window, kProperty)); }

Window* RecordOf(HWND handle) {
    if (handle == nullptr) return nullptr;
    if (Window* held = HeldBy(handle)) return held;
    DWORD process = 0;
    if (GetWindowThreadProcessId(handle, &process) == 0 || process != GetCurrentProcessId()) return nullptr;
    auto* window = new Window;
    ++g_liveWindows;
    window->handle = handle;
    window->kind = KindOfClass(handle);
    SetPropW(handle, kProperty, window);
    window->previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProcedure)));
    return window;
}

LRESULT CallPrevious(Window* window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(window->previous, window->handle, message, wParam, lParam);
}

}  // namespace fw::win32

namespace fw::detail {

WindowRecord* RecordOf(HWND window) { return win32::RecordOf(window); }

LRESULT DefaultProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    win32::Window* window = win32::RecordOf(handle);
    if (window == nullptr) return 0;
    const bool dialog = window->kind == win32::Kind::Dialog;
    switch (message) {
    case WM_CLOSE:
        // A dialog answers a close request with its cancel command.
        if (!dialog) break;
        Send(handle, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
        return 0;
    case WM_DRAWITEM:
        // An item that reached its dialog and that nobody drew. (A list
        // hands its own items' requests on to its dialog by itself.)
        if (!dialog) break;
        win32::DrawItemText(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_HELP:
        // A menu's help request belongs to the menu's window; one that
        // reaches a control (as Wine sends a second one) goes no further.
        if (reinterpret_cast<const HELPINFO*>(lParam)->iContextType == HELPINFO_MENUITEM &&
            (GetWindowLongW(handle, GWL_STYLE) & WS_CHILD) != 0) {
            return TRUE;
        }
        break;
    default:
        break;
    }
    return win32::CallPrevious(window, message, wParam, lParam);
}

void DestroyWindowOf(HWND window) { ::DestroyWindow(window); }

}  // namespace fw::detail

int fw::LiveWindowCount() { return fw::win32::g_liveWindows; }

void CWnd::SetWindowText(const char* text) {
    if (m_hWnd != nullptr) SetWindowTextW(m_hWnd, fw::win32::Wide(text != nullptr ? text : "").c_str());
}

void CWnd::GetWindowText(CString& text) const {
    text = m_hWnd != nullptr ? CString(fw::win32::Narrow(fw::win32::WindowText(m_hWnd))) : CString();
}

CWnd* CWnd::GetDlgItem(int nID) const { return m_hWnd != nullptr ? FromHandle(::GetDlgItem(m_hWnd, nID)) : nullptr; }
DWORD CWnd::GetStyle() const { return m_hWnd != nullptr ? static_cast<DWORD>(GetWindowLongW(m_hWnd, GWL_STYLE)) : 0; }

// A top-level window has no parent, only perhaps an owner.
CWnd* CWnd::GetParent() const {
    if (m_hWnd == nullptr || (GetStyle() & WS_CHILD) == 0) return nullptr;
    return FromHandle(GetAncestor(m_hWnd, GA_PARENT));
}

BOOL CWnd::IsIconic() const { return m_hWnd != nullptr && ::IsIconic(m_hWnd); }
BOOL CWnd::IsWindowEnabled() const { return m_hWnd != nullptr && ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::IsWindowVisible() const { return m_hWnd != nullptr && ::IsWindowVisible(m_hWnd); }

void CWnd::GetClientRect(CRect* rect) const {
    if (m_hWnd != nullptr) ::GetClientRect(m_hWnd, rect);
}

void CWnd::GetWindowRect(CRect* rect) const {
    if (m_hWnd != nullptr) ::GetWindowRect(m_hWnd, rect);
}

CWnd* CWnd::SetFocus() {
    if (m_hWnd == nullptr) return GetFocus();
    CWnd* previous = GetFocus();
    if (::GetFocus() == m_hWnd) return previous;
    // Within a dialog the dialog manager moves the focus, so that a push
    // button taking it becomes the default one, which Enter runs.
    fw::win32::Window* parent =
        (GetStyle() & WS_CHILD) != 0 ? fw::win32::RecordOf(GetAncestor(m_hWnd, GA_PARENT)) : nullptr;
    if (parent != nullptr && parent->kind == fw::win32::Kind::Dialog) {
        SendMessageW(parent->handle, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hWnd), TRUE);
    } else {
        ::SetFocus(m_hWnd);
    }
    return previous;
}

CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
