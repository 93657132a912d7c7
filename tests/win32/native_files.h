// What the tests do with the system's own calls: to files, and to the
// shell's file types. Plain header (no Windows header): the tests also see
// the framework's.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace kalvex_test {

// Opens a file for writing as another program would, sharing it with
// readers only, for the life of this object.
class HeldOpen {
public:
    explicit HeldOpen(const std::filesystem::path& path);
    ~HeldOpen();
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    bool IsOpen() const { return m_handle != nullptr; }

private:
    void* m_handle = nullptr;
};

// The file's identity on its volume (its file index), or 0.
std::uint64_t FileIdOf(const std::filesystem::path& path);

// The file's attributes (GetFileAttributesW), or 0xFFFFFFFF.
std::uint32_t AttributesOf(const std::filesystem::path& path);
bool SetAttributes(const std::filesystem::path& path, std::uint32_t attributes);
inline constexpr std::uint32_t kReadOnly = 0x1;
inline constexpr std::uint32_t kHidden = 0x2;
inline constexpr std::uint32_t kArchive = 0x20;

// The folder of the running program.
std::filesystem::path ProgramFolder();

// Gives files named `extension` (".htm"), or addresses of a scheme
// ("https"), to `command` when the shell opens them, "%1" standing for the
// file; an empty command gives files to no program. What was registered
// before comes back with the end of this object.
class ScopedFileType {
public:
    ScopedFileType(const std::wstring& extension, const std::wstring& command);
    ~ScopedFileType();
    ScopedFileType(const ScopedFileType&) = delete;
    ScopedFileType& operator=(const ScopedFileType&) = delete;

private:
    std::wstring m_key;   // whose value is changed
    std::wstring m_type;  // made for a file type, empty for a scheme
    std::wstring m_previous;
    bool m_existed = false;
};

}  // namespace kalvex_test
