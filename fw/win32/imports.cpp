// The system's functions that the program does not need at start, and those
// that the framework answers itself.
//
// The common dialogs (comdlg32), the shell (shell32), the printers
// (winspool.drv) and the security functions that saving over a file uses for
// its DACL (advapi32) are not in the program's import table, so that starting
// it loads none of these DLLs nor what they bring with them (the print
// support pulls in the printing system), and no copy of them planted beside
// the program is ever loaded. Each one's import slot, through which calls
// declared by the Windows headers go, first holds a stand-in that loads the
// DLL from the system folder, puts the real function in the slot and calls
// it: the first call pays for the loading, later ones go straight to the
// system. (The printers' functions are declared without an import slot:
// they are asked for by name, SystemFunction.)
//
// The program's calls of the shell's "open" and of the clipboard go to the
// framework's desktop (fw/desktop.h), which tests replace: the import slots
// of ShellExecuteA, OpenClipboard, EmptyClipboard and CloseClipboard hold
// the framework's functions.
#include <algorithm>
#include <cstddef>

#include "fw/desktop.h"
#include "fw/win32/backend.h"

#include <aclapi.h>  // after the Windows headers

namespace fw::win32 {

FARPROC SystemFunctionAddress(const wchar_t* dll, const char* name) {
    HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

const Clipboard& SystemClipboard() {
    static const Clipboard clipboard{
        SystemFunction<decltype(&::OpenClipboard)>(L"user32.dll", "OpenClipboard"),
        SystemFunction<decltype(&::EmptyClipboard)>(L"user32.dll", "EmptyClipboard"),
        SystemFunction<decltype(&::CloseClipboard)>(L"user32.dll", "CloseClipboard"),
    };
    return clipboard;
}

}  // namespace fw::win32

namespace {

// A function's name, as a template argument.
template <std::size_t N>
struct Name {
    constexpr Name(const char (&name)[N]) { std::copy_n(name, N, text); }  // NOLINT: converts a literal
    char text[N];
};

template <class Function>
struct OnFirstCall;

template <class Result, class... Arguments>
struct OnFirstCall<Result(WINAPI*)(Arguments...)> {
    using Function = Result(WINAPI*)(Arguments...);

    // What a call answers when the DLL cannot be loaded: the function's
    // failure (FALSE, no handle).
    template <Function* Slot, const wchar_t* Dll, Name Symbol>
    static Result WINAPI Load(Arguments... arguments) {
        const auto found = fw::win32::SystemFunction<Function>(Dll, Symbol.text);
        if (found == nullptr) return Result{};
        *Slot = found;
        return found(arguments...);
    }
};

constexpr wchar_t kAdvapi32[] = L"advapi32.dll";
constexpr wchar_t kComdlg32[] = L"comdlg32.dll";
constexpr wchar_t kShell32[] = L"shell32.dll";

HINSTANCE WINAPI OpenThroughDesktop(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT showCommand) {
    return reinterpret_cast<HINSTANCE>(fw::detail::OpenThroughDesktop(verb, file, showCommand));
}
BOOL WINAPI OpenDesktopClipboard(HWND owner) { return fw::CurrentDesktop().OpenClipboard(owner); }
BOOL WINAPI EmptyDesktopClipboard() { return fw::CurrentDesktop().EmptyClipboard(); }
BOOL WINAPI CloseDesktopClipboard() { return fw::CurrentDesktop().CloseClipboard(); }

}  // namespace

// The slots, named as the linker names a DLL function's import slot.
#define KALVEX_IMPORT_SLOT(name, first)      \
    extern "C" decltype(&name) __imp_##name; \
    decltype(&name) __imp_##name = first
#define KALVEX_LOADED_ON_FIRST_CALL(dll, name) \
    KALVEX_IMPORT_SLOT(name, (&OnFirstCall<decltype(&name)>::Load<&__imp_##name, dll, #name>))

KALVEX_LOADED_ON_FIRST_CALL(kAdvapi32, EqualSid);
KALVEX_LOADED_ON_FIRST_CALL(kAdvapi32, GetNamedSecurityInfoW);
KALVEX_LOADED_ON_FIRST_CALL(kAdvapi32, GetSecurityDescriptorControl);
KALVEX_LOADED_ON_FIRST_CALL(kAdvapi32, GetSecurityInfo);
KALVEX_LOADED_ON_FIRST_CALL(kAdvapi32, SetSecurityInfo);
KALVEX_LOADED_ON_FIRST_CALL(kComdlg32, GetOpenFileNameW);
KALVEX_LOADED_ON_FIRST_CALL(kComdlg32, GetSaveFileNameW);
KALVEX_LOADED_ON_FIRST_CALL(kComdlg32, PrintDlgW);
KALVEX_LOADED_ON_FIRST_CALL(kShell32, ShellExecuteW);
KALVEX_LOADED_ON_FIRST_CALL(kShell32, FindExecutableW);
KALVEX_IMPORT_SLOT(ShellExecuteA, &OpenThroughDesktop);
KALVEX_IMPORT_SLOT(OpenClipboard, &OpenDesktopClipboard);
KALVEX_IMPORT_SLOT(EmptyClipboard, &EmptyDesktopClipboard);
KALVEX_IMPORT_SLOT(CloseClipboard, &CloseDesktopClipboard);
