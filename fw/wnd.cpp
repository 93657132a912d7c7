// Routing of messages, commands and notifications through routing tables.
#include "fw/wnd.h"

#include "fw/app.h"
#include "fw/dialog_int.h"
#include "fw/gdi.h"
#include "fw/internal.h"

namespace {

// The message being handled, for Default().
struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
thread_local const CurrentMessage* g_current = nullptr;

}  // namespace

// --- command targets ------------------------------------------------------

const fw::MessageMap* CCmdTarget::GetMessageMap() const {
    static constexpr fw::MessageMap kMap{nullptr, {}};
    return &kMap;
}

const fw::MessageMapEntry* CCmdTarget::FindEntry(UINT message, UINT code, UINT id) const {
    for (const fw::MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (const fw::MessageMapEntry& entry : map->entries) {
            if (entry.message != message) continue;
            if (message == WM_COMMAND && (entry.code != code || entry.id != id)) continue;
            return &entry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, UINT nCode) {
    const fw::MessageMapEntry* entry = FindEntry(WM_COMMAND, nCode, nID);
    if (entry == nullptr) return FALSE;
    entry->thunk(*this, 0, 0);
    return TRUE;
}

LRESULT fw::CallCtlColor(CCmdTarget& target, WPARAM hdc, LPARAM kind, HBRUSH (*call)(CCmdTarget&, CDC*, UINT)) {
    CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(hdc));
    return reinterpret_cast<LRESULT>(call(target, dc, static_cast<UINT>(kind)));
}

LRESULT fw::CallSetCursor(CCmdTarget& target, WPARAM hwnd, LPARAM codes, BOOL (*call)(CCmdTarget&, CWnd*, UINT, UINT)) {
    CWnd* wnd = CWnd::FromHandle(reinterpret_cast<HWND>(hwnd));
    return call(target, wnd, LOWORD(static_cast<std::uintptr_t>(codes)), HIWORD(static_cast<std::uintptr_t>(codes)));
}

// --- windows --------------------------------------------------------------

CWnd::~CWnd() {
    if (m_hWnd != nullptr && fw::detail::AttachedTo(m_hWnd) == this) DestroyWindow();
}

constinit const fw::RoutingTable CWnd::kRoutes = fw::Routes({
    fw::OnHelpInfo<&CWnd::OnHelpInfo>(),
});

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (hWnd == nullptr) return nullptr;
    if (CWnd* attached = fw::detail::AttachedTo(hWnd)) return attached;
    return fw::detail::TemporaryWrapper(hWnd);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return fw::detail::Send(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const CurrentMessage current{message, wParam, lParam};
    const CurrentMessage* previous = g_current;
    g_current = &current;
    struct Restore {
        const CurrentMessage* previous;
        ~Restore() { g_current = previous; }
    } restore{previous};

    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return fw::detail::DefaultProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    if (g_current == nullptr) return 0;
    return DefWindowProc(g_current->message, g_current->wParam, g_current->lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        *pResult = 0;
        return OnCommand(wParam, lParam);
    }
    if (const fw::MessageMapEntry* entry = FindEntry(message, 0, 0)) {
        *pResult = entry->thunk(*this, wParam, lParam);
        return TRUE;
    }
    // A control's own drawing and colour requests go back to the control.
    HWND child = nullptr;
    if (message == WM_DRAWITEM) child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    if (message == WM_CTLCOLORSTATIC) child = reinterpret_cast<HWND>(lParam);
    if (child != nullptr) {
        if (CWnd* control = fw::detail::AttachedTo(child))
            return control->OnChildNotify(message, wParam, lParam, pResult);
    }
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) { return OnCmdMsg(LOWORD(wParam), HIWORD(wParam)); }

BOOL CWnd::OnCmdMsg(UINT nID, UINT nCode) {
    if (CCmdTarget::OnCmdMsg(nID, nCode)) return TRUE;
    // Only menu and keyboard commands (code 0, or -1 as a 16-bit code) in the
    // command range travel on.
    constexpr UINT kFirstCommand = 0x8000;
    constexpr UINT kLastCommand = 0xEFFF;
    const bool command = nCode == 0 || nCode == static_cast<WORD>(-1);
    if (!command || nID < kFirstCommand || nID > kLastCommand) return FALSE;
    if (CWnd* parent = GetParent(); parent != nullptr && parent->OnCmdMsg(nID, nCode)) return TRUE;
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(nID, nCode);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT* pResult) {
    if (message != WM_CTLCOLORSTATIC) return FALSE;
    const fw::MessageMapEntry* entry = FindEntry(WM_REFLECT_BASE + message, 0, 0);
    if (entry == nullptr) return FALSE;
    const LRESULT brush = entry->thunk(*this, wParam, CTLCOLOR_STATIC);
    if (brush == 0) return FALSE;  // no brush: the parent colours it as usual
    *pResult = brush;
    return TRUE;
}

void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }

BOOL CWnd::OnHelpInfo(HELPINFO*) {
    // A top-level window turns F1 into the help command of the main window,
    // unless Shift, Ctrl or Alt is held.
    if ((GetStyle() & WS_CHILD) == 0) {
        CWnd* mainWnd = AfxGetMainWnd();
        if (mainWnd != nullptr && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 &&
            GetKeyState(VK_MENU) >= 0) {
            mainWnd->SendMessage(WM_COMMAND, ID_HELP);
            return TRUE;
        }
    }
    return static_cast<BOOL>(Default());
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (hWnd == nullptr || m_hWnd != nullptr || fw::detail::AttachedTo(hWnd) != nullptr) return FALSE;
    fw::detail::Attach(hWnd, this);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    CWnd* item = pParent ? pParent->GetDlgItem(static_cast<int>(nID)) : nullptr;
    return item != nullptr && SubclassWindow(item->m_hWnd);
}

HWND CWnd::UnsubclassWindow() {
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr) fw::detail::Attach(hWnd, nullptr);
    return hWnd;
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) return FALSE;
    fw::detail::Destroy(m_hWnd);
    return TRUE;
}

// --- operations over other operations ------------------------------------

void CWnd::SetDlgItemText(int nID, const char* text) {
    if (CWnd* item = GetDlgItem(nID)) item->SetWindowText(text);
}

int CWnd::GetDlgItemText(int nID, CString& text) const {
    text.Empty();
    if (CWnd* item = GetDlgItem(nID)) item->GetWindowText(text);
    return text.GetLength();
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* pTranslated, BOOL bSigned) const {
    CString text;
    GetDlgItemText(nID, text);
    return fw::DialogTextToInt(text.View(), pTranslated, bSigned);
}

void CWnd::SetFont(CFont* font, BOOL bRedraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), bRedraw);
}

HICON CWnd::SetIcon(HICON icon, BOOL bBigIcon) {
    return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bBigIcon ? 1 : 0, reinterpret_cast<LPARAM>(icon)));
}
