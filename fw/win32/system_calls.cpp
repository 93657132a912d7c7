#include "fw/win32/system_calls.h"

#include <windows.h>

namespace fw::detail {
namespace {

std::uint32_t Result(BOOL ok) { return ok ? 0 : GetLastError(); }

std::uint32_t Create(const wchar_t* path, bool createNew, std::uint32_t attributes, FileHandle* file) {
    *file = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                        createNew ? CREATE_NEW : OPEN_EXISTING, attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL,
                        nullptr);
    if (*file != INVALID_HANDLE_VALUE) return 0;
    *file = nullptr;
    return GetLastError();
}

std::uint32_t Facts(FileHandle file, FileFacts* facts) {
    SetLastError(0);
    const DWORD type = GetFileType(file);
    if (type == FILE_TYPE_UNKNOWN && GetLastError() != 0) return GetLastError();
    facts->disk = type == FILE_TYPE_DISK;
    if (!facts->disk) return 0;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info)) return GetLastError();
    facts->links = info.nNumberOfLinks;
    facts->size = static_cast<std::int64_t>((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    facts->attributes = info.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                                 FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    return 0;
}

std::uint32_t Write(FileHandle file, const void* data, std::uint32_t count, std::int64_t offset,
                    std::uint32_t* written) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD done = 0;
    const BOOL ok = WriteFile(file, data, count, &done, offset < 0 ? nullptr : &at);
    *written = done;
    return Result(ok);
}

std::uint32_t SetLength(FileHandle file, std::int64_t size) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = size;
    return Result(SetFileInformationByHandle(file, FileEndOfFileInfo, &end, sizeof end));
}

// Less room than the file has would cut it.
std::uint32_t Reserve(FileHandle file, std::int64_t size) {
    FILE_STANDARD_INFO standard{};
    if (!GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard)) return GetLastError();
    if (standard.AllocationSize.QuadPart >= size) return 0;
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = size;
    return Result(SetFileInformationByHandle(file, FileAllocationInfo, &allocation, sizeof allocation));
}

std::uint32_t FreeSpace(const wchar_t* folder, std::uint64_t* bytes) {
    ULARGE_INTEGER available{};
    const BOOL ok = GetDiskFreeSpaceExW(folder, &available, nullptr, nullptr);
    *bytes = available.QuadPart;
    return Result(ok);
}
std::uint32_t Flush(FileHandle file) { return Result(FlushFileBuffers(file)); }
std::uint32_t Close(FileHandle file) { return Result(CloseHandle(file)); }

std::uint32_t Replace(const wchar_t* replaced, const wchar_t* replacement, const wchar_t* backup) {
    return Result(ReplaceFileW(replaced, replacement, backup, 0, nullptr, nullptr));
}

std::uint32_t Move(const wchar_t* from, const wchar_t* to) {
    return Result(MoveFileExW(from, to, MOVEFILE_WRITE_THROUGH));
}
std::uint32_t Remove(const wchar_t* path) { return Result(DeleteFileW(path)); }

}  // namespace

const SystemCalls& RealCalls() {
    static const SystemCalls real{Create, Facts, Write, SetLength, Reserve, FreeSpace, Flush, Close, Replace, Move, Remove};
    return real;
}

std::u16string FullPathName(const std::u16string& path) {
    const auto* wide = reinterpret_cast<const wchar_t*>(path.c_str());
    const DWORD needed = GetFullPathNameW(wide, 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::u16string full(needed, u'\0');
    const DWORD length = GetFullPathNameW(wide, needed, reinterpret_cast<wchar_t*>(full.data()), nullptr);
    if (length == 0 || length >= needed) return path;
    full.resize(length);
    return full;
}

}  // namespace fw::detail
