// File > Save: the report into a text file that the user names.
#include "fw/desktop.h"
#include "fw/file.h"
#include "fw/file_dialog.h"
#include "ui/coil_dialog.h"

void CCoilDialog::SaveReport() {
    CFileDialog dialog(FALSE, ".TXT", "Kalvex", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "Text file (*.txt)|*.txt|All files (*.*)|*.*||");
    if (dialog.DoModal() != IDOK) return;
    WriteReportFile(dialog.GetPathName());
}

// An error while writing or closing leaves this command as an exception,
// which the framework reports; the file is then left as it was before.
void CCoilDialog::WriteReportFile(const CString& path) {
    CStdioFile file;
    CFileException error;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite, &error)) {
        error.ReportError();
        return;
    }
    file.WriteString(BuildReport());
    file.Close();
    AfxMessageBox("Salvato in\n\n" + path, MB_ICONINFORMATION);
}
