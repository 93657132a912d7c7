#include "ui/coil_app.h"

#include "ui/coil_dialog.h"
#include "ui/help.h"
#include "ui/resources.h"

CCoilApp::CCoilApp() { m_pResources = &ProgramResources(); }

constinit const fw::RoutingTable CCoilApp::kRoutes = fw::Routes({
    fw::OnCommand<&ShowHelp>(ID_HELP),
});

BOOL CCoilApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControls();

    CCoilDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    return FALSE;
}
