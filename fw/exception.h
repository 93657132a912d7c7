// Framework exceptions. A command does not catch them: the framework reports
// any that escapes a handler in a message box and the program goes on.
#pragma once

#include "fw/cstring.h"
#include "fw/types.h"

class CException {
public:
    CException() = default;
    CException(const CException&) = delete;
    CException& operator=(const CException&) = delete;
    virtual ~CException() = default;

    // The text to show; FALSE when the exception has none.
    virtual BOOL GetErrorMessage(CString& message) const;
    // Shows the text as AfxMessageBox does.
    int ReportError(UINT type = MB_OK) const;
    // Exceptions are thrown as pointers; the catcher deletes them.
    void Delete() { delete this; }
};
