// What the tests of the file code do to files with the system's own calls.
// Plain header (no Windows header): the tests also see the framework's.
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
// The file's DACL in the security descriptor language, or empty; and a
// DACL given to it in that language.
std::string DaclOf(const std::filesystem::path& path);
bool SetDacl(const std::filesystem::path& path, const char* sddl);

inline constexpr std::uint32_t kReadOnly = 0x1;
inline constexpr std::uint32_t kHidden = 0x2;
inline constexpr std::uint32_t kArchive = 0x20;

}  // namespace kalvex_test
