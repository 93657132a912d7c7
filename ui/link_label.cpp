#include "ui/link_label.h"

#include "fw/desktop.h"
#include "fw/images.h"
#include "ui/resource_ids.h"

namespace {

constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
static_assert(kLinkBlue == 0xFF0000);

// The shell's answers above this mean the document was opened.
constexpr INT_PTR kLastShellError = 32;

}  // namespace

CLinkLabel::CLinkLabel() {
    const int size = GetSystemMetrics(SM_CXCURSOR);
    m_hLinkCursor = LoadCursorImage(IDC_LINK_CURSOR, size, size);
}

CLinkLabel::~CLinkLabel() {
    if (m_hLinkCursor != nullptr) DestroyCursor(m_hLinkCursor);
    m_underlineFont.DeleteObject();
}

BOOL CLinkLabel::IsLink() const { return TRUE; }

constinit const fw::RoutingTable CLinkLabel::kRoutes = fw::Routes({
    fw::OnCtlColorReflect<&CLinkLabel::CtlColor>(),
    fw::OnNcHitTest<&CLinkLabel::OnNcHitTest>(),
    fw::OnSetCursor<&CLinkLabel::OnSetCursor>(),
    fw::OnLButtonDown<&CLinkLabel::OnLButtonDown>(),
});

HBRUSH CLinkLabel::CtlColor(CDC* pDC, UINT) {
    // Only a plain text (left, centred or right-aligned, and no other bit in
    // the style's low byte) looks like a link; anything else keeps the
    // dialog's colours.
    if (LOBYTE(GetStyle()) > SS_RIGHT) return nullptr;

    if (m_underlineFont.m_hObject == nullptr) {
        LOGFONT logFont;
        GetObject(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)), sizeof(LOGFONT), &logFont);
        logFont.lfUnderline = 1;
        m_underlineFont.CreateFontIndirect(&logFont);
    }
    pDC->SelectObject(&m_underlineFont);
    pDC->SetTextColor(kLinkBlue);
    pDC->SetBkMode(TRANSPARENT);
    // No background of its own: the dialog's shows through.
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

// The whole control takes the mouse, also where it shows no text.
LRESULT CLinkLabel::OnNcHitTest(CPoint) { return HTCLIENT; }

BOOL CLinkLabel::OnSetCursor(CWnd*, UINT, UINT) {
    SetCursor(m_hLinkCursor);
    return TRUE;
}

void CLinkLabel::OnLButtonDown(UINT nFlags, CPoint point) {
    CString link;
    GetWindowText(link);
    if (reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", link, nullptr, nullptr, SW_SHOWNORMAL)) > kLastShellError) {
        CStatic::OnLButtonDown(nFlags, point);
        return;
    }
    // Nothing could open it: the user can still paste it somewhere. Another
    // program holding the clipboard makes the click do nothing.
    if (!OpenClipboard(m_hWnd)) return;
    if (!EmptyClipboard()) {
        CloseClipboard();
        return;
    }
    SetClipboardText(link);
    CloseClipboard();
    CStatic::OnLButtonDown(nFlags, point);
}
