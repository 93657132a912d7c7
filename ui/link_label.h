// A static text that looks and acts like a hyperlink: underlined blue text,
// a pointing hand over the whole control, and a click that opens the text
// with the desktop or, failing that, copies it to the clipboard.
#pragma once

#include "fw/controls.h"
#include "fw/gdi.h"

class CLinkLabel : public fw::Routed<CLinkLabel, CStatic> {
public:
    static const fw::RoutingTable kRoutes;

    // Loads the link cursor; the label works once attached to a static text.
    CLinkLabel();
    // Releases the cursor and the underlined font.
    ~CLinkLabel() override;

    // A screen reader announces it as a link; its action is a click.
    BOOL IsLink() const override;

protected:
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    LRESULT OnNcHitTest(CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);

private:
    CFont m_underlineFont;  // made from the control's font at its first painting
    HCURSOR m_hLinkCursor;
};
