// The application object: runs the main window and ends with it.
#pragma once

#include "fw/app.h"

class CCoilApp : public fw::Routed<CCoilApp, CWinApp> {
public:
    static const fw::RoutingTable kRoutes;

    // Hands the program's resources to the framework.
    CCoilApp();
    ~CCoilApp() override = default;

    // Shows the main window modally; answers FALSE, so that the program ends
    // when the window closes.
    BOOL InitInstance() override;
};
