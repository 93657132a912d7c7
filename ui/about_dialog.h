// The About box: the program's title, its author and maker, and three links.
#pragma once

#include "fw/dialog.h"
#include "ui/link_label.h"

// It routes no message of its own: OK, Escape and the close box end it
// through the dialog's own handling.
class CAboutDialog : public CDialog {
public:
    CAboutDialog();
    ~CAboutDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    CLinkLabel m_mailLink;
    CLinkLabel m_homeLink;
    CLinkLabel m_makerLink;
};
