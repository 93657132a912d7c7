// The fake desktop: every request noted, every answer as the test set it.
#include "fw/testing/fake_desktop.h"

#include "fw/internal.h"

namespace fw::testing {
int FakeDesktop::MessageBox(HWND, const CString& text, const CString& caption, UINT type) {
    boxes.push_back({text.Str(), caption.Str(), type});
    return IDOK;
}

INT_PTR FakeDesktop::PrintDialog(HWND owner, DWORD flags, HDC* chosen, CString* deviceName) {
    printDialogs.push_back({owner, flags});
    HDC context = printer ? printer() : nullptr;
    if (context == nullptr) return IDCANCEL;
    *chosen = context;
    *deviceName = printerName;
    return IDOK;
}

INT_PTR FakeDesktop::Open(const CString& file, int) {
    opened.push_back(file.Str());
    return openResult;
}

BOOL FakeDesktop::OpenClipboard(HWND) {
    clipboardCalls.emplace_back("open");
    return canOpenClipboard;
}

BOOL FakeDesktop::EmptyClipboard() {
    clipboardCalls.emplace_back("empty");
    if (canEmptyClipboard) clipboardText.clear();
    return canEmptyClipboard;
}

BOOL FakeDesktop::SetClipboardText(const CString& text) {
    clipboardCalls.push_back("set:" + text.Str());
    clipboardText = text.Str();
    return TRUE;
}

BOOL FakeDesktop::CloseClipboard() {
    clipboardCalls.emplace_back("close");
    return TRUE;
}

INT_PTR FakeDesktop::FileDialog(HWND owner, FileDialogRequest& request) {
    fileDialogs.push_back(request);
    fileDialogOwners.push_back(owner);
    if (fileDialogResult == IDOK) {
        request.fileName = detail::WithNativeSpelling(detail::FromNativeFileName(fileDialogPath), fileDialogPath);
    }
    return fileDialogResult;
}

}  // namespace fw::testing
