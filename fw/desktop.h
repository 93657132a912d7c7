// What the program asks of the desktop around it: message boxes, the file
// and print dialogs, the shell's "open" verb, the clipboard. All of it goes through one
// replaceable object, so that tests can answer in the user's place.
#pragma once

#include <vector>

#include "fw/cstring.h"
#include "fw/types.h"

namespace fw {

// A file dialog: what it is asked to show, and the path that it answers.
struct FileDialogRequest {
    struct Filter {
        CString description;  // the text shown
        CString pattern;      // "*.txt"; several separated by ';'
    };
    BOOL save = FALSE;
    CString defaultExtension;  // added to a name typed without one
    CString fileName;          // the initial name; the chosen full path on IDOK
    DWORD flags = 0;           // OFN_ flags
    std::vector<Filter> filters;
    int filterIndex = 1;  // the preselected filter, counted from 1
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal message box with an OK button; answers IDOK.
    virtual int MessageBox(HWND owner, const CString& text, const CString& caption, UINT type) = 0;
    // The print dialog, modal over `owner`, set up by the PD_ flags. On OK
    // answers IDOK, a context for the chosen printer (the caller deletes it)
    // and the printer's device name; otherwise IDCANCEL and no context.
    virtual INT_PTR PrintDialog(HWND owner, DWORD flags, HDC* printer, CString* deviceName) = 0;
    // A modal file dialog; answers IDOK with the chosen path in
    // request.fileName, or IDCANCEL.
    virtual INT_PTR FileDialog(HWND owner, FileDialogRequest& request) = 0;
    // Hands a document or an address to the desktop's opener. Answers a
    // value greater than 32 on success.
    virtual INT_PTR Open(const CString& file, int showCommand) = 0;

    virtual BOOL OpenClipboard(HWND owner) = 0;
    virtual BOOL EmptyClipboard() = 0;
    virtual BOOL SetClipboardText(const CString& text) = 0;
    virtual BOOL CloseClipboard() = 0;
};

// The desktop in use: the real one unless a test replaced it.
Desktop& CurrentDesktop();
// Replaces the desktop; nullptr brings back the real one.
void SetDesktop(Desktop* desktop);

}  // namespace fw

// Framework functions over the desktop. The system's ShellExecuteA (the
// verb "open" only; others fail with SE_ERR_NOASSOC), OpenClipboard,
// EmptyClipboard and CloseClipboard go to the desktop too.
// A message box over the main window with the application's name as caption;
// without an icon in `type` it shows the exclamation mark.
int AfxMessageBox(const char* text, UINT type = MB_OK);
// Puts text on the open clipboard (CF_TEXT).
BOOL SetClipboardText(const char* text);

namespace fw::detail {
// The system's shell and clipboard functions as the framework answers them:
// through the desktop in use.
INT_PTR OpenThroughDesktop(const char* verb, const char* file, int showCommand);
}  // namespace fw::detail
