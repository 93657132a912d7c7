#include "report/print_job.h"

#include "fw/app.h"
#include "fw/print_dialog.h"

CPrintJob::~CPrintJob() = default;

BOOL CPrintJob::SelectPrinter() {
    // One printout of the whole report: no selection or page range, no file;
    // copies and collation are the printer's business.
    CPrintDialog dialog(PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE);
    if (dialog.DoModal() != IDOK) return FALSE;
    m_dc.Attach(dialog.GetPrinterDC());
    m_strPrinterName = dialog.GetDeviceName();
    return TRUE;
}

BOOL CPrintJob::StartJob() {
    if (m_font.CreatePointFont(120, "Courier New", &m_dc)) m_dc.SelectObject(&m_font);

    DOCINFO info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = AfxGetAppName();
    const BOOL started = m_dc.StartDoc(&info) > 0;

    TEXTMETRIC metrics{};
    m_dc.GetTextMetrics(&metrics);
    m_nLineHeight = metrics.tmHeight + metrics.tmInternalLeading;

    m_nTopMargin = m_dc.GetDeviceCaps(LOGPIXELSY) / 2;
    m_nLeftMargin = m_dc.GetDeviceCaps(LOGPIXELSX) / 2;
    m_nPageHeight = m_dc.GetDeviceCaps(VERTRES);

    m_bPageStarted = FALSE;
    m_nY = m_nTopMargin;
    return started;
}

void CPrintJob::PrintLine(const CString& text) {
    if (!m_bPageStarted) {
        StartPage();
    } else if (m_nY > m_nPageHeight - m_nTopMargin) {
        m_dc.EndPage();
        StartPage();
    }
    m_dc.TextOut(m_nLeftMargin, m_nY, text);
    m_nY += m_nLineHeight;
}

void CPrintJob::StartPage() {
    m_dc.StartPage();
    m_nY = m_nTopMargin;
    m_bPageStarted = TRUE;
}

BOOL CPrintJob::EndJob() {
    m_dc.EndPage();
    const BOOL ended = m_dc.EndDoc() > 0;
    m_font.DeleteObject();
    return ended;
}
