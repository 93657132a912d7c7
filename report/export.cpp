#include "report/export.h"

#include "fw/desktop.h"
#include "fw/file.h"
#include "fw/file_dialog.h"

namespace report {

std::optional<CString> ChooseReportFile() {
    CFileDialog dialog(FALSE, ".TXT", "Kalvex", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "Text file (*.txt)|*.txt|All files (*.*)|*.*||");
    if (dialog.DoModal() != IDOK) return std::nullopt;
    return dialog.GetPathName();
}

void SaveReportTo(const CString& path, const std::function<CString()>& compose) {
    CStdioFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite, &error)) {
        error.ReportError();
        return;
    }
    file.WriteString(compose());
    file.Close();
    AfxMessageBox("Salvato in\n\n" + path, MB_ICONINFORMATION);
}

}  // namespace report
