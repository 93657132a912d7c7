#include "tests/win32/native_files.h"

#include <windows.h>

namespace kalvex_test {

HeldOpen::HeldOpen(const std::filesystem::path& path) {
    HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) m_handle = handle;
}

HeldOpen::~HeldOpen() {
    if (m_handle != nullptr) CloseHandle(m_handle);
}

std::uint64_t FileIdOf(const std::filesystem::path& path) {
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    BY_HANDLE_FILE_INFORMATION info{};
    const BOOL known = GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    return known ? (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow : 0;
}

std::uint32_t AttributesOf(const std::filesystem::path& path) { return GetFileAttributesW(path.c_str()); }

bool SetAttributes(const std::filesystem::path& path, std::uint32_t attributes) {
    return SetFileAttributesW(path.c_str(), attributes) != 0;
}

}  // namespace kalvex_test
