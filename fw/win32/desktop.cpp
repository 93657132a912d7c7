// The real desktop: the system's message boxes, file and print dialogs,
// shell and clipboard.
#include <algorithm>

#include "fw/app.h"
#include "fw/desktop.h"
#include "fw/diagnostics.h"
#include "fw/win32/backend.h"
#include "fw/win32/help_file.h"
#include "fw/win32/text.h"

#include <winspool.h>  // after the Windows headers

namespace fw::win32 {
namespace {

int g_liveContexts = 0;

// Whether the system knows of any printer, local or connected. The
// printers' DLL is loaded now, from the system folder.
bool PrinterInstalled() {
    const auto enumPrinters = SystemFunction<BOOL(WINAPI*)(DWORD, LPWSTR, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD)>(
        L"winspool.drv", "EnumPrintersW");
    DWORD needed = 0;
    DWORD count = 0;
    if (enumPrinters != nullptr) {
        enumPrinters(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
    }
    return needed > 0;
}

// The chosen printer's device name from DEVNAMES; empty without one.
std::string DeviceName(HGLOBAL names) {
    std::string name;
    if (const auto* devnames = static_cast<const DEVNAMES*>(GlobalLock(names))) {
        name = Narrow(reinterpret_cast<const wchar_t*>(devnames) + devnames->wDeviceOffset);
        GlobalUnlock(names);
    }
    return name;
}

class Win32Desktop : public Desktop {
public:
    int MessageBox(HWND owner, const CString& text, const CString& caption, UINT type) override {
        MessageBoxW(owner, Wide(text.View()).c_str(), Wide(caption.View()).c_str(), MB_OK | (type & MB_ICONMASK));
        return IDOK;
    }

    INT_PTR PrintDialog(HWND owner, DWORD flags, HDC* printer, CString* deviceName) override {
        // With no printer installed there is nothing to choose from: the
        // user is told so, and nothing is printed.
        if (!PrinterInstalled()) {
            CurrentDesktop().MessageBox(owner, "Nessuna stampante installata.", AfxGetAppName(), MB_OK | MB_ICONSTOP);
            return IDCANCEL;
        }
        PRINTDLGW request{};
        request.lStructSize = sizeof request;
        request.hwndOwner = owner;
        request.Flags = flags | PD_RETURNDC;
        request.nCopies = 1;
        const BOOL chosen = PrintDlgW(&request);
        if (request.hDevNames != nullptr) {
            *deviceName = CString(DeviceName(request.hDevNames));
            GlobalFree(request.hDevNames);
        }
        if (request.hDevMode != nullptr) GlobalFree(request.hDevMode);
        if (!chosen || request.hDC == nullptr) {
            if (request.hDC != nullptr) DeleteDC(request.hDC);
            return IDCANCEL;
        }
        ++g_liveContexts;
        *printer = request.hDC;
        return IDOK;
    }

    INT_PTR FileDialog(HWND owner, FileDialogRequest& request) override {
        // Description and pattern, each ended by a zero, and a final zero.
        std::wstring filter;
        for (const FileDialogRequest::Filter& each : request.filters) {
            filter += Wide(each.description.View()) + L'\0' + Wide(each.pattern.View()) + L'\0';
        }
        filter += L'\0';
        // The system takes the extension without its full stop.
        std::string_view extension = request.defaultExtension.View();
        while (extension.starts_with('.')) extension.remove_prefix(1);
        const std::wstring wideExtension = Wide(extension);
        wchar_t path[MAX_PATH] = {};
        const std::wstring initial = Wide(request.fileName.View());
        std::copy_n(initial.begin(), std::min<std::size_t>(initial.size(), MAX_PATH - 1), path);

        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = request.filters.empty() ? nullptr : filter.c_str();
        dialog.nFilterIndex = static_cast<DWORD>(request.filterIndex);
        dialog.lpstrFile = path;
        dialog.nMaxFile = MAX_PATH;
        dialog.lpstrDefExt = wideExtension.empty() ? nullptr : wideExtension.c_str();
        dialog.Flags = request.flags;
        if (!(request.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return IDCANCEL;
        // The program sees the path in its own characters; the file system
        // gets it as chosen.
        const std::u16string chosenPath(reinterpret_cast<const char16_t*>(path));
        request.fileName = detail::WithNativeSpelling(CString(Windows1252FromUtf16(chosenPath)), Utf8FromUtf16(chosenPath));
        request.filterIndex = static_cast<int>(dialog.nFilterIndex);
        return IDOK;
    }

    // A relative name is the shell's business: it looks in the current folder.
    // A help file named .HLP is opened as the HTML page beside it where the
    // shell would give it to WinHelp (help_file.h).
    INT_PTR Open(const CString& file, int showCommand) override {
        const std::wstring document = HelpDocument(Wide(file.View()));
        return reinterpret_cast<INT_PTR>(
            ShellExecuteW(nullptr, L"open", document.c_str(), nullptr, nullptr, showCommand));
    }

    BOOL OpenClipboard(HWND owner) override { return SystemClipboard().open(owner); }
    BOOL EmptyClipboard() override { return SystemClipboard().empty(); }
    BOOL CloseClipboard() override { return SystemClipboard().close(); }

    // The text's bytes and a zero, as CF_TEXT.
    BOOL SetClipboardText(const CString& text) override {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(text.GetLength()) + 1);
        if (block == nullptr) return FALSE;
        auto* bytes = static_cast<char*>(GlobalLock(block));
        if (bytes == nullptr) {
            GlobalFree(block);
            return FALSE;
        }
        std::copy_n(text.Str().c_str(), text.GetLength() + 1, bytes);
        GlobalUnlock(block);
        // From here on the clipboard owns the block, unless it refused it.
        if (SetClipboardData(CF_TEXT, block) != nullptr) return TRUE;
        GlobalFree(block);
        return FALSE;
    }
};

}  // namespace

}  // namespace fw::win32

namespace fw::detail {

Desktop& RealDesktop() {
    static win32::Win32Desktop desktop;
    return desktop;
}

void DeleteContext(HDC dc) {
    --win32::g_liveContexts;
    DeleteDC(dc);
}

}  // namespace fw::detail

int fw::LiveDeviceContextCount() { return fw::win32::g_liveContexts; }
