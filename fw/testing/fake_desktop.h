// Test support: a desktop that answers message boxes, dialogs, the opener
// and the clipboard in the user's place, and remembers what it was asked.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "fw/cstring.h"
#include "fw/desktop.h"
#include "fw/types.h"

namespace fw::testing {

// A desktop that answers in the user's place and remembers what it was asked.
class FakeDesktop : public Desktop {
public:
    struct Box {
        std::string text;
        std::string caption;
        UINT type;
    };
    std::vector<Box> boxes;
    struct PrintDialogCall {
        HWND owner;
        DWORD flags;
    };
    std::vector<PrintDialogCall> printDialogs;
    std::vector<std::string> opened;
    std::vector<std::string> clipboardCalls;  // "open", "empty", "set:<text>", "close"
    std::string clipboardText = "earlier content";

    // The print dialog is confirmed with a context from `printer`, named
    // `printerName`; it is cancelled when `printer` is unset or makes none.
    std::function<HDC()> printer;
    std::string printerName;
    INT_PTR openResult = 42;
    BOOL canOpenClipboard = TRUE;
    BOOL canEmptyClipboard = TRUE;

    int MessageBox(HWND owner, const CString& text, const CString& caption, UINT type) override;
    INT_PTR PrintDialog(HWND owner, DWORD flags, HDC* printer, CString* deviceName) override;
    INT_PTR Open(const CString& file, int showCommand) override;
    BOOL OpenClipboard(HWND owner) override;
    BOOL EmptyClipboard() override;
    BOOL SetClipboardText(const CString& text) override;
    BOOL CloseClipboard() override;

    // File dialogs: each request is kept; the answer is `fileDialogResult`
    // with `fileDialogPath` as the chosen path, as the file system spells it
    // (UTF-8); the program sees it with '?' for characters without a byte.
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<HWND> fileDialogOwners;
    INT_PTR fileDialogResult = IDCANCEL;
    std::string fileDialogPath;
    INT_PTR FileDialog(HWND owner, FileDialogRequest& request) override;
};

// Installs a desktop for the life of this object.
class ScopedDesktop {
public:
    explicit ScopedDesktop(Desktop& desktop) { SetDesktop(&desktop); }
    ~ScopedDesktop() { SetDesktop(nullptr); }
    ScopedDesktop(const ScopedDesktop&) = delete;
    ScopedDesktop& operator=(const ScopedDesktop&) = delete;
};

}  // namespace fw::testing
