// Prints what the shell reads from a file, one item a line:
//   file_info FILE.lnk            a shortcut's target and working folder
//   file_info FILE.exe NAME...    the program's version strings of those names
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

int PrintShortcut(const wchar_t* path) {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    int status = 1;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t target[MAX_PATH] = {};
            wchar_t folder[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(path, STGM_READ)) &&
                SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
                SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH))) {
                std::printf("%ls\n%ls\n", target, folder);
                status = 0;
            }
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return status;
}

// The strings of the first language the version information names; a name
// it lacks prints an empty line.
int PrintVersionStrings(const wchar_t* path, int count, wchar_t** names) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    if (size == 0) return 1;
    std::vector<BYTE> block(size);
    if (!GetFileVersionInfoW(path, 0, size, block.data())) return 1;
    WORD* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < 4) {
        return 1;
    }
    wchar_t prefix[64];
    std::swprintf(prefix, 64, L"\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
    for (int k = 0; k < count; ++k) {
        const std::wstring query = std::wstring(prefix) + names[k];
        wchar_t* value = nullptr;
        const bool found = VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length);
        std::printf("%ls\n", found ? value : L"");
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2) return PrintShortcut(argv[1]);
    if (argc > 2) return PrintVersionStrings(argv[1], argc - 2, argv + 2);
    std::fprintf(stderr, "usage: file_info FILE.lnk | file_info FILE.exe NAME...\n");
    return 2;
}
