// The desktop's own dialogs, the shell and the clipboard, over plain values.
// Plain header: no Windows header, no framework header. Texts are the
// program's Windows-1252.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct HWND__;
struct HDC__;

namespace fw::win32 {

// MessageBoxW with an OK button and the icon of `type` (MB_ICON...).
int ShowMessageBox(HWND__* owner, std::string_view text, std::string_view caption, unsigned type);

// ShellExecuteW with the verb "open", no parameters and no folder: the
// shell's answer (above 32 for success).
std::intptr_t OpenWithShell(std::string_view file, int showCommand);

// The clipboard, each step answering as the system does.
bool OpenNativeClipboard(HWND__* owner);
bool EmptyNativeClipboard();
// The text's bytes and a zero, as CF_TEXT.
bool SetClipboardBytes(std::string_view text);
bool CloseNativeClipboard();

// The common file dialog (GetSaveFileNameW or GetOpenFileNameW).
struct FileChoice {
    struct Filter {
        std::string description;
        std::string pattern;
    };
    bool save = true;
    std::vector<Filter> filters;
    int filterIndex = 1;           // counted from 1
    std::string defaultExtension;  // without its full stop
    std::string fileName;          // the initial name
    std::uint32_t flags = 0;       // OFN_ flags
};
// Answers whether a file was chosen; then `path` is its full path, exactly
// as the system spells it, and `filterIndex` the filter chosen last.
bool ChooseFile(HWND__* owner, const FileChoice& choice, std::u16string* path, int* filterIndex);
// The OPENFILENAMEW of the file dialog up now, nullptr when none is: what
// the system was asked to show, for the test support to check.
const void* RunningFileDialogRequest();
// Whether that dialog is a save dialog (GetSaveFileNameW).
bool RunningFileDialogSaves();
// The size of the path buffer, the terminating zero included.
inline constexpr std::size_t kPathBuffer = 260;

// Whether the system knows of any printer, local or connected.
bool PrinterInstalled();
// The common print dialog (PrintDlgW) with PD_RETURNDC added to `flags`:
// answers the context for the chosen printer (the caller deletes it) and the
// printer's device name from DEVNAMES (empty without one), or nullptr.
HDC__* ChoosePrinter(HWND__* owner, std::uint32_t flags, std::string* deviceName);

}  // namespace fw::win32
