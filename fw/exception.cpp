#include "fw/exception.h"

#include "fw/app.h"
#include "fw/desktop.h"

BOOL CException::GetErrorMessage(CString&) const { return FALSE; }

int CException::ReportError(UINT type) const {
    CString message;
    if (!GetErrorMessage(message)) message = "An unsupported operation was attempted.";
    CWnd* owner = AfxGetMainWnd();
    return fw::CurrentDesktop().MessageBox(owner ? owner->m_hWnd : nullptr, message, AfxGetAppName(), type);
}
