// The system's calls that the file code makes (see fw/system_calls.h). Not
// for the program's use.
//
// Each call answers 0 (ERROR_SUCCESS) or the system's error code
// (GetLastError).
#pragma once

#include <cstdint>
#include <string>

#include "fw/types.h"

namespace fw::detail {

// ERROR_DISK_QUOTA_EXCEEDED, which MinGW-w64's winerror.h lacks.
inline constexpr DWORD kErrorDiskQuotaExceeded = 1295;

struct FileFacts {
    bool disk = false;  // a file on a disk, not a device or pipe
    DWORD links = 0;    // names of the file
    std::int64_t size = 0;
    DWORD attributes = 0;  // the FILE_ATTRIBUTE_ bits that a new file takes from it
};

// How `create` opens a file.
enum class Creation {
    existing,     // for writing, shared with readers and with renaming, with no other writer
    created,      // made new, shared as an existing one
    replacement,  // made new, shared with readers only, to be renamed and given a DACL
};

struct SystemCalls {
    // CreateFileW, with the given attributes (0 for none).
    DWORD (*create)(const wchar_t* path, Creation how, DWORD attributes, HANDLE* file);
    // GetFileType and GetFileInformationByHandle.
    DWORD (*facts)(HANDLE file, FileFacts* facts);
    // WriteFile at `offset`, or at the file's position when it is negative:
    // some or all of the bytes.
    DWORD (*write)(HANDLE file, const void* data, DWORD count, std::int64_t offset, DWORD* written);
    // The file's length (FileEndOfFileInfo).
    DWORD (*setLength)(HANDLE file, std::int64_t size);
    // Room for `size` bytes, its length unchanged (FileAllocationInfo, if
    // the file has less).
    DWORD (*reserve)(HANDLE file, std::int64_t size);
    // GetDiskFreeSpaceExW: the bytes free for this user.
    DWORD (*freeSpace)(const wchar_t* folder, std::uint64_t* bytes);
    DWORD (*flush)(HANDLE file);
    DWORD (*close)(HANDLE file);
    // Whether the file goes when its last handle is closed, also by the end
    // of the process (FileDispositionInfo).
    DWORD (*dispose)(HANDLE file, bool remove);
    // The open file's name changed to `to`, in place of a file that has it
    // (FileRenameInfo): one step.
    DWORD (*rename)(HANDLE file, const wchar_t* to);
    // The DACL of the file named `from` given to `to`, if both have the same
    // owner (GetNamedSecurityInfoW, SetSecurityInfo).
    DWORD (*carrySecurity)(const wchar_t* from, HANDLE to);
    // Whether the file has streams besides its data (FindFirstStreamW).
    DWORD (*namedStreams)(const wchar_t* path, bool* any);
    DWORD (*remove)(const wchar_t* path);
};

// The full form of a path (GetFullPathNameW); the path itself when the
// system cannot say.
std::u16string FullPathName(const std::u16string& path);

}  // namespace fw::detail

#include "fw/system_calls.h"
