// The application object: runs the main window and ends with it.
#pragma once

#include "fw/app.h"

class CCoilApp : public CWinApp {
public:
    CCoilApp() = default;
    ~CCoilApp() override = default;

    // Shows the main window modally; answers FALSE, so that the program ends
    // when the window closes.
    BOOL InitInstance() override;

protected:
    static const fw::MessageMap* GetThisMessageMap();
    const fw::MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
};
