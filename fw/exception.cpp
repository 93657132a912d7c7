#include "fw/exception.h"

#include "fw/desktop.h"

BOOL CException::GetErrorMessage(CString&) const { return FALSE; }

int CException::ReportError(UINT type) const {
    CString message;
    if (!GetErrorMessage(message)) message = "An unsupported operation was attempted.";
    return AfxMessageBox(message, type);
}
