// The real desktop: the system's message boxes, file and print dialogs,
// shell and clipboard.
#include "fw/desktop.h"
#include "fw/app.h"
#include "fw/file_dialog.h"
#include "fw/win32/backend.h"
#include "fw/win32/native_desktop.h"
#include "fw/win32/printer_device.h"
#include "fw/win32/text.h"

namespace fw::detail {
namespace {

class Win32Desktop : public Desktop {
public:
    int MessageBox(HWND owner, const CString& text, const CString& caption, UINT type) override {
        win32::ShowMessageBox(NativeWindow(owner), text.View(), caption.View(), type);
        return IDOK;
    }

    INT_PTR PrintDialog(HWND owner, DWORD flags, HDC* printer, CString* deviceName) override {
        // With no printer installed there is nothing to choose from: the
        // user is told so, and nothing is printed.
        if (!win32::PrinterInstalled()) {
            CurrentDesktop().MessageBox(owner, "Nessuna stampante installata.", AfxGetAppName(), MB_OK | MB_ICONSTOP);
            return IDCANCEL;
        }
        std::string name;
        HDC__* dc = win32::ChoosePrinter(NativeWindow(owner), flags, &name);
        if (dc == nullptr) return IDCANCEL;
        *printer = new PrinterDevice(dc);
        *deviceName = CString(std::move(name));
        return IDOK;
    }

    INT_PTR FileDialog(HWND owner, FileDialogRequest& request) override {
        win32::FileChoice choice;
        choice.save = request.save != FALSE;
        for (const FileDialogRequest::Filter& filter : request.filters) {
            choice.filters.push_back({filter.description.Str(), filter.pattern.Str()});
        }
        choice.filterIndex = request.filterIndex;
        // The system takes the extension without its full stop.
        std::string_view extension = request.defaultExtension.View();
        while (extension.starts_with('.')) extension.remove_prefix(1);
        choice.defaultExtension = extension;
        choice.fileName = request.fileName.Str();
        choice.flags = request.flags;
        std::u16string path;
        int filterIndex = request.filterIndex;
        if (!win32::ChooseFile(NativeWindow(owner), choice, &path, &filterIndex)) return IDCANCEL;
        // The program sees the path in its own characters; the file system
        // gets it as chosen.
        request.fileName = WithNativeSpelling(CString(detail::Windows1252FromUtf16(path)), win32::Utf8FromUtf16(path));
        request.filterIndex = filterIndex;
        return IDOK;
    }

    // A relative name is the shell's business: it looks in the current folder.
    INT_PTR Open(const CString& file, int showCommand) override {
        return win32::OpenWithShell(file.View(), showCommand);
    }

    BOOL OpenClipboard(HWND owner) override { return win32::OpenNativeClipboard(NativeWindow(owner)) ? TRUE : FALSE; }
    BOOL EmptyClipboard() override { return win32::EmptyNativeClipboard() ? TRUE : FALSE; }
    BOOL SetClipboardText(const CString& text) override { return win32::SetClipboardBytes(text.View()) ? TRUE : FALSE; }
    BOOL CloseClipboard() override { return win32::CloseNativeClipboard() ? TRUE : FALSE; }
};

}  // namespace

Desktop& RealDesktop() {
    static Win32Desktop desktop;
    return desktop;
}

}  // namespace fw::detail
