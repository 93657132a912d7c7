// Window handles over widgets: message delivery, default handling and the
// window operations of CWnd.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QPainter>

#include "fw/diagnostics.h"
#include "fw/exception.h"
#include "fw/gdi.h"
#include "fw/qt/backend.h"
#include "fw/qt/device.h"
#include "fw/qt/combo_widget.h"
#include "fw/wnd.h"

namespace fw::detail {
namespace {

Qt::KeyboardModifiers g_inputModifiers;
bool g_inputActive = false;
int g_liveWindows = 0;

}  // namespace

Window::Window(QWidget* widget, Kind kind) : widget(widget), kind(kind) { ++g_liveWindows; }

Window::~Window() { --g_liveWindows; }

WindowRecord* RecordOf(HWND window) { return window; }

Window* WindowOf(QWidget* widget) {
    auto* holder = dynamic_cast<WindowHolder*>(widget);
    return holder != nullptr ? holder->handle() : nullptr;
}

QWidget* OwnerWidget(HWND owner) { return owner != nullptr ? owner->widget : QApplication::activeModalWidget(); }

void DestroyWindowOf(HWND window) {
    window->widget->deleteLater();
    window->widget->hide();
}

InputScope::InputScope(Qt::KeyboardModifiers modifiers) : m_previous(g_inputModifiers), m_wasActive(g_inputActive) {
    g_inputModifiers = modifiers;
    g_inputActive = true;
}

InputScope::~InputScope() {
    g_inputModifiers = m_previous;
    g_inputActive = m_wasActive;
}

void ApplyFont(Window* window, HFONT font) {
    window->font = font;
    const QFont qfont = font != nullptr ? ToQFont(font) : QApplication::font();
    window->widget->setFont(qfont);
    if (auto* combo = dynamic_cast<ComboWidget*>(window->widget)) {
        // The closed field takes the height the font needs; the open list,
        // once made, shows the font too.
        if (combo->listMade()) combo->view()->setFont(qfont);
        combo->resize(combo->width(), combo->fieldHeight());
    }
    window->widget->update();
}

LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window == nullptr) return 0;
    switch (message) {
    case WM_SETFONT:
        ApplyFont(window, reinterpret_cast<HFONT>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(window->font);
    case WM_SETICON: {
        const int which = wParam != 0 ? 1 : 0;
        HICON previous = window->icons[which];
        window->icons[which] = reinterpret_cast<HICON>(lParam);
        // One picture serves both sizes; the toolkit scales it.
        QIcon icon;
        for (HICON each : window->icons) {
            if (each != nullptr) icon.addPixmap(IconPixmap(each));
        }
        window->widget->setWindowIcon(icon);
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_SYSCOMMAND:
        switch (wParam & SC_COMMANDMASK) {
        case SC_CLOSE:
            Send(window, WM_CLOSE);
            break;
        case SC_MINIMIZE:
            window->widget->showMinimized();
            break;
        case SC_RESTORE:
            window->widget->showNormal();
            break;
        default:
            break;
        }
        return 0;
    case WM_CLOSE:
        // A dialog answers a close request with its cancel command.
        if (window->kind == Kind::Dialog) Send(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
        return 0;
    case WM_HELP:
        // A control passes the request on to its dialog.
        if ((window->style & WS_CHILD) != 0 && window->parent != nullptr) {
            return Send(window->parent, WM_HELP, wParam, lParam);
        }
        return 0;
    case WM_NCHITTEST:
        // A static text lets the mouse through unless it asks to be notified.
        if (window->kind == Kind::Static && (window->style & SS_NOTIFY) == 0) return HTTRANSPARENT;
        return HTCLIENT;
    case WM_SETCURSOR:
        window->cursor = nullptr;
        window->widget->unsetCursor();
        return FALSE;
    case WM_ICONERASEBKGND:
        if (HDC dc = reinterpret_cast<HDC>(wParam)) {
            const QColor background = window->widget->palette().color(QPalette::Window);
            dc->FillSolidRect(CRect{0, 0, window->widget->width(), window->widget->height()}, FromQColor(background));
        }
        return 1;
    default:
        return 0;
    }
}

}  // namespace fw::detail

int fw::LiveWindowCount() { return fw::detail::g_liveWindows; }

using fw::detail::FromQt;
using fw::detail::Kind;
using fw::detail::ToQt;
using fw::detail::Window;

namespace {

fw::detail::WindowHolder* HolderOf(const Window* window) {
    return dynamic_cast<fw::detail::WindowHolder*>(window->widget);
}

}  // namespace

short GetKeyState(int nVirtKey) {
    const Qt::KeyboardModifiers modifiers =
        fw::detail::g_inputActive ? fw::detail::g_inputModifiers : QGuiApplication::queryKeyboardModifiers();
    bool down = false;
    switch (nVirtKey) {
    case VK_SHIFT:
        down = modifiers.testFlag(Qt::ShiftModifier);
        break;
    case VK_CONTROL:
        down = modifiers.testFlag(Qt::ControlModifier);
        break;
    case VK_MENU:
        down = modifiers.testFlag(Qt::AltModifier);
        break;
    default:
        break;
    }
    return down ? static_cast<short>(-128) : 0;
}

void CWnd::SetWindowText(const char* text) {
    if (m_hWnd != nullptr) HolderOf(m_hWnd)->setWindowText(ToQt(text ? text : ""));
}

void CWnd::GetWindowText(CString& text) const {
    text = m_hWnd != nullptr ? CString(FromQt(HolderOf(m_hWnd)->windowText())) : CString();
}

CWnd* CWnd::GetDlgItem(int nID) const {
    if (m_hWnd == nullptr) return nullptr;
    for (QWidget* child : m_hWnd->widget->findChildren<QWidget*>()) {
        Window* window = fw::detail::WindowOf(child);
        if (window != nullptr && window->parent == m_hWnd && window->id == nID) return FromHandle(window);
    }
    return nullptr;
}

DWORD CWnd::GetStyle() const { return m_hWnd != nullptr ? m_hWnd->style : 0; }
CWnd* CWnd::GetParent() const { return m_hWnd != nullptr ? FromHandle(m_hWnd->parent) : nullptr; }
BOOL CWnd::IsIconic() const { return m_hWnd != nullptr && m_hWnd->widget->isMinimized(); }

BOOL CWnd::IsWindowEnabled() const {
    return m_hWnd != nullptr && m_hWnd->modalDisabled == 0 && m_hWnd->widget->isEnabled();
}

BOOL CWnd::IsWindowVisible() const { return m_hWnd != nullptr && m_hWnd->widget->isVisible(); }

void CWnd::GetClientRect(CRect* rect) const {
    if (m_hWnd == nullptr) return;
    const QWidget* client = m_hWnd->client != nullptr ? m_hWnd->client : m_hWnd->widget;
    *rect = CRect{0, 0, client->contentsRect().width(), client->contentsRect().height()};
}

void CWnd::GetWindowRect(CRect* rect) const {
    if (m_hWnd == nullptr) return;
    const QPoint topLeft = m_hWnd->widget->mapToGlobal(QPoint(0, 0));
    *rect =
        CRect{topLeft.x(), topLeft.y(), topLeft.x() + m_hWnd->widget->width(), topLeft.y() + m_hWnd->widget->height()};
}

CWnd* CWnd::SetFocus() {
    CWnd* previous = GetFocus();
    if (m_hWnd != nullptr) m_hWnd->widget->setFocus(Qt::OtherFocusReason);
    return previous;
}

CWnd* CWnd::GetFocus() {
    QWidget* focus = QApplication::focusWidget();
    Window* window = focus != nullptr ? fw::detail::WindowOf(focus) : nullptr;
    return window != nullptr ? FromHandle(window) : nullptr;
}
