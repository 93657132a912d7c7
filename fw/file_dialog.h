// The file-open and file-save dialogs.
#pragma once

#include "fw/desktop.h"
#include "fw/wnd.h"

class CFileDialog {
public:
    // The filter is pairs of description and pattern, each ended by '|', and
    // a final '|': "Text file (*.txt)|*.txt|All files (*.*)|*.*||". Without
    // an owner the dialog opens over the main window.
    explicit CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt = nullptr, const char* lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;
    virtual ~CFileDialog() = default;

    // Answers IDOK once a file was chosen, otherwise IDCANCEL.
    virtual INT_PTR DoModal();
    // The chosen file's full path.
    CString GetPathName() const;

private:
    fw::FileDialogRequest m_request;
    CWnd* m_pParentWnd;
    CString m_strPathName;
};
