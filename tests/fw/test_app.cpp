// The application object and resources of the framework's own test program.
#include "tests/fw/test_app.h"

#include <array>

#include "fw/resources.h"

constinit const fw::RoutingTable CTestApp::kRoutes = fw::Routes({
    fw::OnCommand<&CTestApp::OnLowest>(0x8000),
    fw::OnCommand<&CTestApp::OnHighest>(0xEFFF),
    fw::OnCommand<&CTestApp::OnBelow>(0x7FFF),
    fw::OnCommand<&CTestApp::OnAbove>(0xF000),
    fw::OnNotify<&CTestApp::OnUpdate>(0xFFFF, 0x8001),
    fw::OnNotify<&CTestApp::OnChange>(EN_CHANGE, 0x8002),
});

CTestApp theTestApp;
