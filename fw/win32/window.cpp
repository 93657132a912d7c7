// The framework's windows over native ones: native messages turned into the
// framework's (handles, devices, fonts and structures), delivery to the
// attached object, default handling, and the window operations of CWnd.
#include "fw/win32/window.h"
#include "fw/diagnostics.h"
#include "fw/exception.h"
#include "fw/gdi.h"
#include "fw/internal.h"
#include "fw/wnd.h"

namespace fw::detail {
namespace {

// The native message being delivered, so that its default handling gets it
// exactly as it came.
struct NativeMessage {
    Window* window;
    UINT message;
    WPARAM wParam;  // as the framework sees them
    LPARAM lParam;
    WPARAM nativeW;  // as they came
    LPARAM nativeL;
    bool defaulted = false;
    LRESULT defaultResult = 0;  // what the default handling answered the framework
    LRESULT nativeResult = 0;   // and the system
    const NativeMessage* previous = nullptr;
};
thread_local NativeMessage* g_native = nullptr;

// The window that answers WM_SETCURSOR now, for SetCursor.
thread_local Window* g_cursorTarget = nullptr;

bool IsCurrent(const NativeMessage* current, Window* window, UINT message, WPARAM wParam, LPARAM lParam) {
    return current != nullptr && current->window == window && current->message == message &&
           current->wParam == wParam && current->lParam == lParam;
}

template <class T>
T* As(std::intptr_t value) {
    return reinterpret_cast<T*>(value);
}

// A dialog's own item-drawing request, for an item that nobody drew.
void DrawUndrawnItem(const NativeDrawItem& item) {
    win32::DrawItemText(item.item, item.dc, win32::Rect{item.left, item.top, item.right, item.bottom},
                        static_cast<int>(item.itemId), item.itemState);
}

// The framework's answer as the system takes it.
LRESULT ToNativeResult(UINT message, LRESULT result) {
    switch (message) {
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(NativeBrush(As<BrushObject>(result)));
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(NativeFont(As<FontObject>(result)));
    case WM_SETICON:
        return reinterpret_cast<LRESULT>(NativeIcon(As<IconObject>(result)));
    case WM_QUERYDRAGICON:
        // A cursor, or an icon passed as one: both begin with the native handle.
        return result != 0 ? reinterpret_cast<LRESULT>(As<CursorObject>(result)->native) : 0;
    default:
        return result;
    }
}

}  // namespace

Window::~Window() { delete ownFont; }

WindowRecord* RecordOf(HWND window) { return window; }

LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window == nullptr) return 0;
    NativeMessage* current = IsCurrent(g_native, window, message, wParam, lParam) ? g_native : nullptr;
    WPARAM nativeW = current != nullptr ? current->nativeW : wParam;
    LPARAM nativeL = current != nullptr ? current->nativeL : lParam;
    switch (message) {
    case WM_SETFONT:
        window->font = reinterpret_cast<HFONT>(wParam);
        window->fontSet = true;
        nativeW = reinterpret_cast<WPARAM>(NativeFont(window->font));
        break;
    case WM_GETFONT:
        if (window->fontSet) return reinterpret_cast<LRESULT>(window->font);
        return reinterpret_cast<LRESULT>(
            FontOf(reinterpret_cast<HFONT__*>(win32::CallNativeDefault(window, message, nativeW, nativeL))));
    case WM_SETICON: {
        const int which = wParam != 0 ? 1 : 0;
        HICON previous = window->icons[which];
        window->icons[which] = reinterpret_cast<HICON>(lParam);
        win32::CallNativeDefault(window, message, wParam, reinterpret_cast<LPARAM>(NativeIcon(window->icons[which])));
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_CLOSE:
        // A dialog answers a close request with its cancel command.
        if (window->kind == Kind::Dialog) {
            Send(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
            return 0;
        }
        break;
    case WM_SETCURSOR:
        window->cursor = nullptr;  // the class's own cursor
        if (current == nullptr) nativeW = reinterpret_cast<WPARAM>(NativeWindow(reinterpret_cast<HWND>(wParam)));
        break;
    case WM_COMMAND:
        if (current == nullptr) nativeL = reinterpret_cast<LPARAM>(NativeWindow(reinterpret_cast<HWND>(lParam)));
        break;
    case WM_ICONERASEBKGND:
        if (current == nullptr) {
            // A device of the framework's: the dialog's face colour over the client area.
            if (HDC dc = reinterpret_cast<HDC>(wParam)) {
                const win32::Rect r = win32::ClientRectOf(window->native);
                dc->FillSolidRect(CRect{r.left, r.top, r.right, r.bottom}, win32::DialogFaceColour());
            }
            return 1;
        }
        break;
    case WM_DRAWITEM:
        if (current == nullptr) return 0;
        // An item that reached its dialog and that nobody drew. (A list
        // hands its own items' requests on to its dialog by itself.)
        if (window->kind == Kind::Dialog) {
            DrawUndrawnItem(*As<NativeDrawItem>(current->nativeL));
            return TRUE;
        }
        break;
    case WM_HELP:
        // A menu's help request belongs to the menu's window; one that
        // reaches a control (as Wine sends a second one) goes no further.
        if (reinterpret_cast<const HELPINFO*>(lParam)->iContextType == 2 &&
            win32::ContainerOf(window->native) != nullptr) {
            return TRUE;
        }
        if (current == nullptr) {
            // A control passes the request on to its dialog.
            HWND parent = WindowOf(win32::ContainerOf(window->native));
            return parent != nullptr ? Send(parent, message, wParam, lParam) : 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
        // Only the system's own request has a context the system can colour.
        if (current == nullptr) return 0;
        break;
    default:
        break;
    }
    const LRESULT result = win32::CallNativeDefault(window, message, nativeW, nativeL);
    if (current != nullptr) {
        current->defaulted = true;
        current->defaultResult = result;
        current->nativeResult = result;
    }
    return result;
}

void DestroyWindowOf(HWND window) { win32::DestroyNative(window->native); }

}  // namespace fw::detail

namespace fw::win32 {

using detail::NativeMessage;
using detail::Window;

std::intptr_t Receive(Window* window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    // Requests that only an attached object could answer differently go
    // straight to the system.
    const bool attached = window->attached != nullptr;
    if (!attached && (message == WM_CTLCOLORSTATIC || message == WM_ICONERASEBKGND)) {
        return CallNativeDefault(window, message, wParam, lParam);
    }
    NativeMessage current{window, message, wParam, lParam, wParam, lParam};
    current.previous = detail::g_native;
    detail::Device* device = nullptr;
    DRAWITEMSTRUCT drawItem;
    HELPINFO help;
    Window* cursorTarget = detail::g_cursorTarget;
    switch (message) {
    case WM_COMMAND:
        current.lParam = reinterpret_cast<LPARAM>(detail::WindowOf(reinterpret_cast<HWND__*>(lParam)));
        break;
    case WM_SETCURSOR:
        current.wParam = reinterpret_cast<WPARAM>(detail::WindowOf(reinterpret_cast<HWND__*>(wParam)));
        detail::g_cursorTarget = window;
        break;
    case WM_SETFONT:
        current.wParam = reinterpret_cast<WPARAM>(detail::FontOf(reinterpret_cast<HFONT__*>(wParam)));
        break;
    case WM_SETICON:
        current.lParam = 0;  // only the framework's own icons are known
        break;
    case WM_CTLCOLORSTATIC:
        device = detail::DeviceOnNativeDC(reinterpret_cast<HDC__*>(wParam));
        current.wParam = reinterpret_cast<WPARAM>(device);
        current.lParam = reinterpret_cast<LPARAM>(detail::WindowOf(reinterpret_cast<HWND__*>(lParam)));
        break;
    case WM_ICONERASEBKGND:
        device = detail::DeviceOnNativeDC(reinterpret_cast<HDC__*>(wParam));
        current.wParam = reinterpret_cast<WPARAM>(device);
        break;
    case WM_DRAWITEM: {
        const auto& item = *detail::As<detail::NativeDrawItem>(lParam);
        device = detail::DeviceOnNativeDC(item.dc);
        drawItem.CtlType = item.ctlType;
        drawItem.CtlID = item.ctlId;
        drawItem.itemID = item.itemId;
        drawItem.itemAction = item.itemAction;
        drawItem.itemState = item.itemState;
        // The selected row of an open list has the keyboard focus, which
        // Windows draws on it and Wine leaves out.
        if (item.ctlType == ODT_COMBOBOX && (item.itemState & ODS_SELECTED) != 0 &&
            (item.itemState & ODS_COMBOBOXEDIT) == 0) {
            drawItem.itemState |= ODS_FOCUS;
        }
        drawItem.hwndItem = detail::WindowOf(item.item);
        drawItem.hDC = device;
        drawItem.rcItem = CRect{item.left, item.top, item.right, item.bottom};
        drawItem.itemData = item.itemData;
        current.lParam = reinterpret_cast<LPARAM>(&drawItem);
        break;
    }
    case WM_HELP: {
        const auto& info = *detail::As<detail::NativeHelpInfo>(lParam);
        help.iContextType = info.contextType;
        help.iCtrlId = info.controlId;
        // A menu's request names the menu, which is no window.
        help.hItemHandle = info.contextType == 1 ? detail::WindowOf(static_cast<HWND__*>(info.item)) : nullptr;
        help.dwContextId = static_cast<DWORD>(info.contextId);
        help.MousePos = CPoint{info.x, info.y};
        current.lParam = reinterpret_cast<LPARAM>(&help);
        break;
    }
    default:
        break;
    }

    const HFONT fontBefore = device != nullptr ? device->GetCurrentFont() : nullptr;
    detail::g_native = &current;
    const LRESULT result = detail::Dispatch(window, message, current.wParam, current.lParam);
    if (message == WM_CTLCOLORSTATIC && device->GetCurrentFont() != fontBefore) {
        // The static control paints with the font that its colour request
        // selected. Wine's static control selects its own font after the
        // request: it is given the selected one, so that both systems show
        // the same.
        if (Window* control = reinterpret_cast<Window*>(current.lParam)) {
            CallNativeDefault(control, WM_SETFONT,
                              reinterpret_cast<WPARAM>(detail::NativeFont(device->GetCurrentFont())), FALSE);
        }
    }
    detail::g_native = const_cast<NativeMessage*>(current.previous);
    detail::g_cursorTarget = cursorTarget;
    delete device;
    if (current.defaulted && result == current.defaultResult) return current.nativeResult;
    return detail::ToNativeResult(message, result);
}

void Forget(Window* window) { delete window; }

}  // namespace fw::win32

int fw::LiveWindowCount() { return fw::win32::LiveWindows(); }

namespace fw::detail {
HWND CurrentCursorTarget() { return g_cursorTarget; }
}  // namespace fw::detail

using fw::detail::NativeWindow;

short GetKeyState(int nVirtKey) { return fw::win32::KeyStateOf(nVirtKey); }

void CWnd::SetWindowText(const char* text) {
    if (m_hWnd != nullptr) fw::win32::SetTextOf(NativeWindow(m_hWnd), text != nullptr ? text : "");
}

void CWnd::GetWindowText(CString& text) const {
    text = m_hWnd != nullptr ? CString(fw::win32::TextOf(NativeWindow(m_hWnd))) : CString();
}

CWnd* CWnd::GetDlgItem(int nID) const {
    if (m_hWnd == nullptr) return nullptr;
    return FromHandle(fw::detail::WindowOf(fw::win32::ItemOf(NativeWindow(m_hWnd), nID)));
}

DWORD CWnd::GetStyle() const { return m_hWnd != nullptr ? fw::win32::StyleOf(NativeWindow(m_hWnd)) : 0; }

CWnd* CWnd::GetParent() const {
    if (m_hWnd == nullptr) return nullptr;
    return FromHandle(fw::detail::WindowOf(fw::win32::ContainerOf(NativeWindow(m_hWnd))));
}

BOOL CWnd::IsIconic() const { return m_hWnd != nullptr && fw::win32::IsMinimised(NativeWindow(m_hWnd)); }
BOOL CWnd::IsWindowEnabled() const { return m_hWnd != nullptr && fw::win32::IsEnabled(NativeWindow(m_hWnd)); }
BOOL CWnd::IsWindowVisible() const { return m_hWnd != nullptr && fw::win32::IsVisible(NativeWindow(m_hWnd)); }

void CWnd::GetClientRect(CRect* rect) const {
    if (m_hWnd == nullptr) return;
    const fw::win32::Rect r = fw::win32::ClientRectOf(NativeWindow(m_hWnd));
    *rect = CRect{r.left, r.top, r.right, r.bottom};
}

void CWnd::GetWindowRect(CRect* rect) const {
    if (m_hWnd == nullptr) return;
    const fw::win32::Rect r = fw::win32::ScreenRectOf(NativeWindow(m_hWnd));
    *rect = CRect{r.left, r.top, r.right, r.bottom};
}

CWnd* CWnd::SetFocus() {
    if (m_hWnd == nullptr) return GetFocus();
    return FromHandle(fw::detail::WindowOf(fw::win32::FocusTo(NativeWindow(m_hWnd))));
}

CWnd* CWnd::GetFocus() { return FromHandle(fw::detail::WindowOf(fw::win32::FocusedWindow())); }
