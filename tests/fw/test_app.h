#pragma once

#include <string>
#include <vector>

#include "fw/app.h"

// Records which of its commands ran.
class CTestApp : public CWinApp {
public:
    std::vector<std::string> ran;

protected:
    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }

private:
    void OnLowest() { ran.emplace_back("lowest"); }
    void OnHighest() { ran.emplace_back("highest"); }
    void OnBelow() { ran.emplace_back("below"); }
    void OnAbove() { ran.emplace_back("above"); }
    void OnUpdate() { ran.emplace_back("update"); }
    void OnChange() { ran.emplace_back("change"); }
};

extern CTestApp theTestApp;
