// The system's calls that the file code makes (see fw/system_calls.h). Plain
// header (no Windows header). Not for the program's use.
//
// Each call answers 0 or the system's error code (GetLastError).
#pragma once

#include <winerror.h>

#include <cstdint>
#include <string>

// Windows' own winerror.h has it; MinGW-w64's lacks it.
#ifndef ERROR_DISK_QUOTA_EXCEEDED
#define ERROR_DISK_QUOTA_EXCEEDED 1295L
#endif

namespace fw::detail {

using FileHandle = void*;

struct FileFacts {
    bool disk = false;        // a file on a disk, not a device or pipe
    std::uint32_t links = 0;  // names of the file
    std::int64_t size = 0;
    std::uint32_t attributes = 0;  // the FILE_ATTRIBUTE_ bits that a new file takes from it
};

// How `create` opens a file.
enum class Creation {
    existing,     // for writing, shared with readers and with renaming, with no other writer
    created,      // made new, shared as an existing one
    replacement,  // made new, shared with readers only, to be renamed and given a DACL
};

struct SystemCalls {
    // CreateFileW, with the given attributes (0 for none).
    std::uint32_t (*create)(const wchar_t* path, Creation how, std::uint32_t attributes, FileHandle* file);
    // GetFileType and GetFileInformationByHandle.
    std::uint32_t (*facts)(FileHandle file, FileFacts* facts);
    // WriteFile at `offset`, or at the file's position when it is negative:
    // some or all of the bytes.
    std::uint32_t (*write)(FileHandle file, const void* data, std::uint32_t count, std::int64_t offset,
                           std::uint32_t* written);
    // The file's length (FileEndOfFileInfo).
    std::uint32_t (*setLength)(FileHandle file, std::int64_t size);
    // Room for `size` bytes, its length unchanged (FileAllocationInfo, if
    // the file has less).
    std::uint32_t (*reserve)(FileHandle file, std::int64_t size);
    // GetDiskFreeSpaceExW: the bytes free for this user.
    std::uint32_t (*freeSpace)(const wchar_t* folder, std::uint64_t* bytes);
    std::uint32_t (*flush)(FileHandle file);
    std::uint32_t (*close)(FileHandle file);
    // Whether the file goes when its last handle is closed, also by the end
    // of the process (FileDispositionInfo).
    std::uint32_t (*dispose)(FileHandle file, bool remove);
    // The open file's name changed to `to`, in place of a file that has it
    // (FileRenameInfo): one step.
    std::uint32_t (*rename)(FileHandle file, const wchar_t* to);
    // The DACL of the file named `from` given to `to`, if both have the same
    // owner (GetNamedSecurityInfoW, SetSecurityInfo).
    std::uint32_t (*carrySecurity)(const wchar_t* from, FileHandle to);
    // Whether the file has streams besides its data (FindFirstStreamW).
    std::uint32_t (*namedStreams)(const wchar_t* path, bool* any);
    std::uint32_t (*remove)(const wchar_t* path);
};

// The full form of a path (GetFullPathNameW); the path itself when the
// system cannot say.
std::u16string FullPathName(const std::u16string& path);

}  // namespace fw::detail

#include "fw/system_calls.h"
