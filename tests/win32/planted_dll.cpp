// A stand-in for a DLL that someone planted beside a program: built as
// winspool.drv, it leaves the file "planted-dll-loaded" in the current folder
// when it is loaded. Built as a program (PLANTED_DLL_IMPORTER), it is one
// that imports winspool.drv, to show that the planted copy is found by a
// program that looks for it.
#include <windows.h>

#ifdef PLANTED_DLL_IMPORTER

int main() {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &count);
    return 0;
}

#else

extern "C" __declspec(dllexport) BOOL WINAPI EnumPrintersW(DWORD, LPWSTR, DWORD, LPBYTE, DWORD, LPDWORD needed,
                                                          LPDWORD count) {
    *needed = 0;
    *count = 0;
    return TRUE;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        HANDLE mark = CreateFileW(L"planted-dll-loaded", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (mark != INVALID_HANDLE_VALUE) CloseHandle(mark);
    }
    return TRUE;
}

#endif
