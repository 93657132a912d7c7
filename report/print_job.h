// One print job: the printer the user picked, its device context and where
// the next line goes.
#pragma once

#include "fw/cstring.h"
#include "fw/gdi.h"
#include "fw/types.h"

// Lines in 12-point "Courier New", half an inch in from the left and top of
// the printable area, one after the other; a line whose top would lie below
// the page height less the top margin goes on a new page. Long lines are
// neither wrapped nor clipped. A job serves one printout.
class CPrintJob {
public:
    CPrintJob() = default;
    CPrintJob(const CPrintJob&) = delete;
    CPrintJob& operator=(const CPrintJob&) = delete;
    // Deletes the printer context.
    virtual ~CPrintJob();

    // Shows the print dialog; TRUE when the user confirmed it and the
    // printer's context has been taken over.
    BOOL SelectPrinter();
    // Creates and selects the font, starts the document and measures the
    // page. FALSE when the printer would not start the document.
    BOOL StartJob();
    // Prints one line (no line break in it), on a new page when needed.
    void PrintLine(const CString& text);
    // Ends the page and the document. FALSE when the document could not be
    // finished (the printer system refused it).
    BOOL EndJob();
    CString GetPrinterName() const { return m_strPrinterName; }

private:
    void StartPage();

    CDC m_dc;
    int m_nTopMargin = 0;
    int m_nLeftMargin = 0;
    int m_nPageHeight = 0;
    int m_nY = 0;
    int m_nLineHeight = 0;
    BOOL m_bPageStarted = FALSE;
    CString m_strPrinterName;
    // Selected into m_dc from StartJob until the document has ended.
    CFont m_font;
};
