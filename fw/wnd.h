// Command targets and windows: routing of messages through routing tables,
// window text, dialog items and the other window operations the program uses.
#pragma once

#include "fw/cstring.h"
#include "fw/msgmap.h"
#include "fw/types.h"

class CFont;

// Anything that has a routing table.
class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the handler of a command or notification if this target's table
    // (or a base class's) holds one.
    virtual BOOL OnCmdMsg(UINT nID, UINT nCode);

protected:
    // The routing table searched first: a class with routes of its own
    // answers its own, chained to its base's (see fw::Routed).
    virtual const fw::MessageMap* GetMessageMap() const;
    const fw::MessageMapEntry* FindEntry(UINT message, UINT code, UINT id) const;
};

class CWnd : public fw::Routed<CWnd, CCmdTarget> {
public:
    static const fw::RoutingTable kRoutes;

    CWnd() = default;
    // Destroys the window if it is still attached.
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    // The object attached to a window, or a temporary one that lives as long
    // as the window; nullptr for no window.
    static CWnd* FromHandle(HWND hWnd);

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default handling of the message being handled now.
    LRESULT Default();

    // Attaching to an existing window; its messages reach this object from then on.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();
    BOOL DestroyWindow();

    // Text.
    void SetWindowText(const char* text);
    void GetWindowText(CString& text) const;

    // Dialog items.
    CWnd* GetDlgItem(int nID) const;
    void SetDlgItemText(int nID, const char* text);
    int GetDlgItemText(int nID, CString& text) const;
    // Signed or unsigned decimal conversion of an item's text, as the dialog
    // manager does it: leading blanks, minus sign (signed only), digits up to
    // the first other character. Text without digits, or a value out of
    // range, gives 0 and FALSE in *pTranslated.
    UINT GetDlgItemInt(int nID, BOOL* pTranslated = nullptr, BOOL bSigned = TRUE) const;

    // Properties.
    DWORD GetStyle() const;
    CWnd* GetParent() const;
    BOOL IsIconic() const;
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    void GetClientRect(CRect* rect) const;
    void GetWindowRect(CRect* rect) const;  // screen coordinates
    CWnd* SetFocus();
    static CWnd* GetFocus();

    void SetFont(CFont* font, BOOL bRedraw = TRUE);
    HICON SetIcon(HICON icon, BOOL bBigIcon);

protected:
    // Dispatch: routing table first, then (for a child's own requests) the child.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

public:
    BOOL OnCmdMsg(UINT nID, UINT nCode) override;

    // Default handlers, for derived classes to call.
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    void OnLButtonDown(UINT nFlags, CPoint point);
};
