// What the tests do with the system's own calls: to files, and to the
// shell's file types.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "fw/types.h"

namespace kalvex_test {

// Opens a file for writing as another program would, sharing it with
// readers only, for the life of this object.
class HeldOpen {
public:
    explicit HeldOpen(const std::filesystem::path& path);
    ~HeldOpen();
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

// The file's identity on its volume (its file index), or 0.
std::uint64_t FileIdOf(const std::filesystem::path& path);

// The file's DACL in the security descriptor language, or empty; and a
// DACL given to it in that language.
std::string DaclOf(const std::filesystem::path& path);
bool SetDacl(const std::filesystem::path& path, const char* sddl);

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
