#include "fw/file_dialog.h"

#include "fw/app.h"

namespace {

std::vector<fw::FileDialogRequest::Filter> ParseFilter(std::string_view filter) {
    std::vector<fw::FileDialogRequest::Filter> filters;
    while (true) {
        const auto bar = filter.find('|');
        if (bar == 0 || bar == std::string_view::npos) break;  // "||" or the end
        const auto next = filter.find('|', bar + 1);
        if (next == std::string_view::npos) break;
        filters.push_back({CString(filter.substr(0, bar)), CString(filter.substr(bar + 1, next - bar - 1))});
        filter.remove_prefix(next + 1);
    }
    return filters;
}

}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt, const char* lpszFileName, DWORD dwFlags,
                         const char* lpszFilter, CWnd* pParentWnd)
    : m_pParentWnd(pParentWnd) {
    m_request.save = !bOpenFileDialog;
    m_request.defaultExtension = lpszDefExt;
    m_request.fileName = lpszFileName;
    m_request.flags = dwFlags;
    if (lpszFilter != nullptr) m_request.filters = ParseFilter(lpszFilter);
}

INT_PTR CFileDialog::DoModal() {
    fw::FileDialogRequest request = m_request;
    const INT_PTR result = fw::CurrentDesktop().FileDialog(fw::OwnerOf(m_pParentWnd), request);
    if (result != IDOK) return IDCANCEL;
    m_strPathName = request.fileName;
    return IDOK;
}

CString CFileDialog::GetPathName() const { return m_strPathName; }
