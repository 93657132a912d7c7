#include "fw/win32/system_calls.h"

#include <aclapi.h>  // after the Windows headers

#include <cstring>
#include <cwchar>
#include <vector>

namespace fw::detail {
namespace {

DWORD Result(BOOL ok) { return ok ? 0 : GetLastError(); }

DWORD Create(const wchar_t* path, Creation how, DWORD attributes, HANDLE* file) {
    const bool ours = how == Creation::replacement;
    *file = CreateFileW(path, ours ? GENERIC_WRITE | DELETE | READ_CONTROL | WRITE_DAC : GENERIC_WRITE,
                        ours ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                        how == Creation::existing ? OPEN_EXISTING : CREATE_NEW,
                        attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL, nullptr);
    if (*file != INVALID_HANDLE_VALUE) return 0;
    *file = nullptr;
    return GetLastError();
}

DWORD Facts(HANDLE file, FileFacts* facts) {
    SetLastError(0);
    const DWORD type = GetFileType(file);
    if (type == FILE_TYPE_UNKNOWN && GetLastError() != 0) return GetLastError();
    facts->disk = type == FILE_TYPE_DISK;
    if (!facts->disk) return 0;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info)) return GetLastError();
    facts->links = info.nNumberOfLinks;
    facts->size = static_cast<std::int64_t>((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    facts->attributes = info.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                                 FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    return 0;
}

DWORD Write(HANDLE file, const void* data, DWORD count, std::int64_t offset, DWORD* written) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD done = 0;
    const BOOL ok = WriteFile(file, data, count, &done, offset < 0 ? nullptr : &at);
    *written = done;
    return Result(ok);
}

DWORD SetLength(HANDLE file, std::int64_t size) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = size;
    return Result(SetFileInformationByHandle(file, FileEndOfFileInfo, &end, sizeof end));
}

// Less room than the file has would cut it.
DWORD Reserve(HANDLE file, std::int64_t size) {
    FILE_STANDARD_INFO standard{};
    if (!GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard)) return GetLastError();
    if (standard.AllocationSize.QuadPart >= size) return 0;
    FILE_ALLOCATION_INFO allocation{};
    allocation.AllocationSize.QuadPart = size;
    return Result(SetFileInformationByHandle(file, FileAllocationInfo, &allocation, sizeof allocation));
}

DWORD FreeSpace(const wchar_t* folder, std::uint64_t* bytes) {
    ULARGE_INTEGER available{};
    const BOOL ok = GetDiskFreeSpaceExW(folder, &available, nullptr, nullptr);
    *bytes = available.QuadPart;
    return Result(ok);
}
DWORD Flush(HANDLE file) { return Result(FlushFileBuffers(file)); }
DWORD Close(HANDLE file) { return Result(CloseHandle(file)); }

DWORD Dispose(HANDLE file, bool remove) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = remove ? TRUE : FALSE;
    return Result(SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition));
}

DWORD Rename(HANDLE file, const wchar_t* to) {
    const std::size_t length = std::wcslen(to);
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + length * sizeof(wchar_t));
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->FileNameLength = static_cast<DWORD>(length * sizeof(wchar_t));
    std::wmemcpy(rename->FileName, to, length);
    return Result(SetFileInformationByHandle(file, FileRenameInfo, rename, static_cast<DWORD>(buffer.size())));
}

// What a file system without security or streams (FAT) answers.
bool Unsupported(DWORD error) { return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION; }

bool SameAcl(const ACL* a, const ACL* b) {
    if (a == nullptr || b == nullptr) return a == b;
    return a->AclSize == b->AclSize && std::memcmp(a, b, a->AclSize) == 0;
}

DWORD CarrySecurity(const wchar_t* from, HANDLE to) {
    constexpr SECURITY_INFORMATION kOwnerAndDacl = OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
    PSID owner = nullptr;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR held = nullptr;
    DWORD error = GetNamedSecurityInfoW(from, SE_FILE_OBJECT, kOwnerAndDacl, &owner, nullptr, &dacl, nullptr, &held);
    if (error != ERROR_SUCCESS) return Unsupported(error) ? 0 : error;
    PSID newOwner = nullptr;
    PACL newDacl = nullptr;
    PSECURITY_DESCRIPTOR made = nullptr;
    error = GetSecurityInfo(to, SE_FILE_OBJECT, kOwnerAndDacl, &newOwner, nullptr, &newDacl, nullptr, &made);
    if (error == ERROR_SUCCESS && owner != nullptr && newOwner != nullptr && !EqualSid(owner, newOwner)) {
        error = ERROR_INVALID_OWNER;
    }
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    SECURITY_DESCRIPTOR_CONTROL newControl = 0;
    DWORD revision = 0;
    if (error == ERROR_SUCCESS && (!GetSecurityDescriptorControl(held, &control, &revision) ||
                                   !GetSecurityDescriptorControl(made, &newControl, &revision))) {
        error = GetLastError();
    }
    // A DACL that the new file has already (inherited from the same folder,
    // as a rule) is left alone.
    const bool protectedDacl = (control & SE_DACL_PROTECTED) != 0;
    if (error == ERROR_SUCCESS &&
        (!SameAcl(dacl, newDacl) || protectedDacl != ((newControl & SE_DACL_PROTECTED) != 0))) {
        // An inherited DACL is inherited again from the folder, the rest
        // taken as it is.
        const SECURITY_INFORMATION what =
            DACL_SECURITY_INFORMATION |
            (protectedDacl ? PROTECTED_DACL_SECURITY_INFORMATION : UNPROTECTED_DACL_SECURITY_INFORMATION);
        error = SetSecurityInfo(to, SE_FILE_OBJECT, what, nullptr, nullptr, dacl, nullptr);
        // One that it cannot take as it is (Wine keeps permission bits, not
        // DACLs) leaves the old file to be written in place.
        PACL taken = nullptr;
        PSECURITY_DESCRIPTOR now = nullptr;
        if (error == ERROR_SUCCESS) {
            error =
                GetSecurityInfo(to, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &taken, nullptr, &now);
        }
        if (error == ERROR_SUCCESS && !SameAcl(dacl, taken)) error = ERROR_NOT_SUPPORTED;
        LocalFree(now);
    }
    LocalFree(made);
    LocalFree(held);
    return error;
}

DWORD NamedStreams(const wchar_t* path, bool* any) {
    *any = false;
    WIN32_FIND_STREAM_DATA stream{};
    HANDLE found = FindFirstStreamW(path, FindStreamInfoStandard, &stream, 0);
    if (found == INVALID_HANDLE_VALUE) {
        // No stream at all, or a file system without streams.
        const DWORD error = GetLastError();
        return error == ERROR_HANDLE_EOF || Unsupported(error) || error == ERROR_INVALID_PARAMETER ? 0 : error;
    }
    do {
        *any = std::wcscmp(stream.cStreamName, L"::$DATA") != 0;
    } while (!*any && FindNextStreamW(found, &stream));
    FindClose(found);
    return 0;
}

DWORD Remove(const wchar_t* path) { return Result(DeleteFileW(path)); }

}  // namespace

const SystemCalls& RealCalls() {
    static const SystemCalls real{Create, Facts,   Write,  SetLength,     Reserve,      FreeSpace, Flush,
                                  Close,  Dispose, Rename, CarrySecurity, NamedStreams, Remove};
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
