#include "fw/win32/help_file.h"

#include <string_view>

#include "fw/win32/backend.h"

namespace fw::win32 {
namespace {

bool SameText(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                                        static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Whether the shell's "open" would hand the file to WinHelp (winhlp32.exe,
// or winhelp.exe of old), or to no program at all. (The shell is loaded on
// this first call: imports.cpp.)
bool OpensInWinHelp(const std::wstring& file) {
    wchar_t program[MAX_PATH] = {};
    if (reinterpret_cast<INT_PTR>(FindExecutableW(file.c_str(), nullptr, program)) <= 32) return true;
    std::wstring_view name(program);
    name.remove_prefix(name.find_last_of(L"\\/") + 1);
    return SameText(name, L"winhlp32.exe") || SameText(name, L"winhelp.exe");
}

}  // namespace

std::wstring HelpDocument(const std::wstring& file) {
    constexpr std::wstring_view kHelp = L".hlp";
    if (file.size() <= kHelp.size() || !SameText(std::wstring_view(file).substr(file.size() - kHelp.size()), kHelp)) {
        return file;
    }
    // Looked for in the current folder only: given a bare name, the shell
    // may also look beside the program (Wine's does).
    wchar_t full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameW(file.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) return file;
    const std::wstring help(full, length);
    if (!IsFile(help) || !OpensInWinHelp(help)) return help;
    const std::wstring page = help.substr(0, help.size() - kHelp.size()) + L".HTM";
    return IsFile(page) ? page : help;
}

}  // namespace fw::win32
