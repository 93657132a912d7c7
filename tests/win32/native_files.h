// What the tests of the file code do to files with the system's own calls.
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

}  // namespace kalvex_test
