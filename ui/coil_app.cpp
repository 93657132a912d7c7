#include "ui/coil_app.h"

#include "ui/coil_dialog.h"
#include "ui/help.h"

const fw::MessageMap* CCoilApp::GetThisMessageMap() {
    static constexpr auto kEntries = std::to_array<fw::MessageMapEntry>({
        fw::OnCommand<&ShowHelp>(ID_HELP),
    });
    static constexpr fw::MessageMap kMap{&CWinApp::GetThisMessageMap, kEntries};
    return &kMap;
}

BOOL CCoilApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControls();

    CCoilDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    return FALSE;
}
