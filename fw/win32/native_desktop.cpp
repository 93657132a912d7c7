#include "fw/win32/native_desktop.h"

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "fw/win32/dialog_template.h"
#include "fw/win32/native.h"
#include "fw/win32/text.h"

namespace fw::win32 {
namespace {

std::wstring Wide(std::string_view text) {
    const std::u16string wide = Utf16FromWindows1252(text);
    return std::wstring(wide.begin(), wide.end());
}

std::string Narrow(const wchar_t* text) {
    return text != nullptr ? Windows1252FromUtf16(reinterpret_cast<const char16_t*>(text)) : std::string();
}

}  // namespace

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, unsigned type) {
    return MessageBoxW(owner, Wide(text).c_str(), Wide(caption).c_str(), MB_OK | (type & MB_ICONMASK));
}

std::intptr_t OpenWithShell(std::string_view file, int showCommand) {
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", Wide(file).c_str(), nullptr, nullptr, showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

bool OpenNativeClipboard(HWND owner) { return OpenClipboard(owner) != 0; }
bool EmptyNativeClipboard() { return EmptyClipboard() != 0; }
bool CloseNativeClipboard() { return CloseClipboard() != 0; }

bool SetClipboardBytes(std::string_view text) {
    HGLOBAL block = GlobalAlloc(GMEM_DDESHARE | GMEM_MOVEABLE, text.size() + 1);
    if (block == nullptr) return false;
    auto* bytes = static_cast<char*>(GlobalLock(block));
    if (bytes == nullptr) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = '\0';
    GlobalUnlock(block);
    // From here on the clipboard owns the block, unless it refused it.
    if (SetClipboardData(CF_TEXT, block) != nullptr) return true;
    GlobalFree(block);
    return false;
}

namespace {
const OPENFILENAMEW* g_running = nullptr;
bool g_runningSaves = false;
}  // namespace

const void* RunningFileDialogRequest() { return g_running; }
bool RunningFileDialogSaves() { return g_runningSaves; }

bool ChooseFile(HWND owner, const FileChoice& choice, std::u16string* path, int* filterIndex) {
    // Description and pattern, each ended by a zero, and a final zero.
    std::wstring filter;
    for (const FileChoice::Filter& each : choice.filters) {
        filter += Wide(each.description) + L'\0' + Wide(each.pattern) + L'\0';
    }
    filter += L'\0';
    const std::wstring extension = Wide(choice.defaultExtension);
    wchar_t buffer[kPathBuffer] = {};
    const std::wstring initial = Wide(choice.fileName);
    std::copy_n(initial.begin(), std::min(initial.size(), kPathBuffer - 1), buffer);

    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = choice.filters.empty() ? nullptr : filter.c_str();
    request.nFilterIndex = static_cast<DWORD>(choice.filterIndex);
    request.lpstrFile = buffer;
    request.nMaxFile = kPathBuffer;
    request.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    request.Flags = choice.flags;
    const OPENFILENAMEW* outer = std::exchange(g_running, &request);
    const bool outerSaves = std::exchange(g_runningSaves, choice.save);
    const BOOL chosen = choice.save ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request);
    g_running = outer;
    g_runningSaves = outerSaves;
    if (!chosen) return false;
    *path = reinterpret_cast<const char16_t*>(buffer);
    *filterIndex = static_cast<int>(request.nFilterIndex);
    return true;
}

bool PrinterInstalled() {
    // The printers' DLL, from the system folder (see imports.cpp).
    const auto enumPrinters = SystemFunction<decltype(&EnumPrintersW)>(L"winspool.drv", "EnumPrintersW");
    DWORD needed = 0;
    DWORD count = 0;
    if (enumPrinters != nullptr) {
        enumPrinters(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
    }
    return needed > 0;
}

HDC ChoosePrinter(HWND owner, std::uint32_t flags, std::string* deviceName) {
    PRINTDLGW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.Flags = flags | PD_RETURNDC;
    request.nCopies = 1;
    const BOOL chosen = PrintDlgW(&request);
    deviceName->clear();
    if (request.hDevNames != nullptr) {
        if (const auto* names = static_cast<const DEVNAMES*>(GlobalLock(request.hDevNames))) {
            *deviceName = Narrow(reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset);
            GlobalUnlock(request.hDevNames);
        }
        GlobalFree(request.hDevNames);
    }
    if (request.hDevMode != nullptr) GlobalFree(request.hDevMode);
    if (chosen) return request.hDC;
    if (request.hDC != nullptr) DeleteDC(request.hDC);
    return nullptr;
}

}  // namespace fw::win32
