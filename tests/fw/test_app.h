#pragma once

#include <string>
#include <vector>

#include "fw/app.h"

// Records which of its commands ran.
class CTestApp : public fw::Routed<CTestApp, CWinApp> {
public:
    static const fw::RoutingTable kRoutes;
    std::vector<std::string> ran;

private:
    void OnLowest() { ran.emplace_back("lowest"); }
    void OnHighest() { ran.emplace_back("highest"); }
    void OnBelow() { ran.emplace_back("below"); }
    void OnAbove() { ran.emplace_back("above"); }
    void OnUpdate() { ran.emplace_back("update"); }
    void OnChange() { ran.emplace_back("change"); }
};

extern CTestApp theTestApp;
