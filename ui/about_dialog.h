// The About box: the program's title, its author and maker, and three links.
#pragma once

#include "fw/dialog.h"
#include "ui/link_label.h"

class CAboutDialog : public CDialog {
public:
    CAboutDialog();
    ~CAboutDialog() override;

protected:
    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    CLinkLabel m_mailLink;
    CLinkLabel m_homeLink;
    CLinkLabel m_makerLink;
};
