// The system's calls that the file code makes (see fw/system_calls.h). Plain
// header (no Windows header). Not for the program's use.
//
// Each call answers 0 or the system's error code (GetLastError).
#pragma once

#include <cstdint>
#include <string>

namespace fw::detail {

using FileHandle = void*;

struct FileFacts {
    bool disk = false;        // a file on a disk, not a device or pipe
    std::uint32_t links = 0;  // names of the file
    std::int64_t size = 0;
    std::uint32_t attributes = 0;  // the FILE_ATTRIBUTE_ bits that a new file takes from it
};

struct SystemCalls {
    // CreateFileW for writing, sharing it with readers and with renaming
    // (so that ReplaceFileW may move it while it is open), but with no other
    // writer: an existing file (OPEN_EXISTING) or a new one (CREATE_NEW)
    // with the given attributes (0 for none).
    std::uint32_t (*create)(const wchar_t* path, bool createNew, std::uint32_t attributes, FileHandle* file);
    // GetFileType and GetFileInformationByHandle.
    std::uint32_t (*facts)(FileHandle file, FileFacts* facts);
    // WriteFile at the file's position: some or all of the bytes.
    std::uint32_t (*write)(FileHandle file, const void* data, std::uint32_t count, std::uint32_t* written);
    // SetFilePointerEx from the start.
    std::uint32_t (*seek)(FileHandle file, std::int64_t offset);
    // SetEndOfFile at the file's position: cuts it or makes room.
    std::uint32_t (*setEnd)(FileHandle file);
    std::uint32_t (*flush)(FileHandle file);
    std::uint32_t (*close)(FileHandle file);
    // ReplaceFileW keeping the replaced file under `backup`.
    std::uint32_t (*replace)(const wchar_t* replaced, const wchar_t* replacement, const wchar_t* backup);
    // MoveFileExW, not over an existing file.
    std::uint32_t (*move)(const wchar_t* from, const wchar_t* to);
    std::uint32_t (*remove)(const wchar_t* path);
};

// The full form of a path (GetFullPathNameW); the path itself when the
// system cannot say.
std::u16string FullPathName(const std::u16string& path);

}  // namespace fw::detail

#include "fw/system_calls.h"
