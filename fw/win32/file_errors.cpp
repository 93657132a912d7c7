// The causes of the system's error codes (GetLastError).
#include "fw/file_exception.h"
#include "fw/win32/system_calls.h"

namespace {

struct OsError {
    LONG code;
    int cause;
};

// The system's error codes and the causes they stand for; any other code is
// an unknown error.
constexpr OsError kOsErrors[] = {
    {ERROR_SUCCESS, CFileException::none},
    {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
    // A folder, drive, share or network path that is not there, or a name
    // that cannot be one.
    {ERROR_PATH_NOT_FOUND, CFileException::badPath},
    {ERROR_INVALID_DRIVE, CFileException::badPath},
    {ERROR_NOT_SAME_DEVICE, CFileException::badPath},
    {ERROR_BAD_NETPATH, CFileException::badPath},
    {ERROR_DEV_NOT_EXIST, CFileException::badPath},
    {ERROR_BAD_NET_NAME, CFileException::badPath},
    {ERROR_INVALID_NAME, CFileException::badPath},
    {ERROR_BAD_PATHNAME, CFileException::badPath},
    {ERROR_FILENAME_EXCED_RANGE, CFileException::badPath},
    {ERROR_DIRECTORY, CFileException::badPath},
    // Not ours to write: rights, a read-only file or medium, a folder where a
    // file should be, a name that cannot be made.
    {ERROR_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_INVALID_ACCESS, CFileException::accessDenied},
    {ERROR_WRITE_PROTECT, CFileException::accessDenied},
    {ERROR_NETWORK_ACCESS_DENIED, CFileException::accessDenied},
    {ERROR_FILE_EXISTS, CFileException::accessDenied},
    {ERROR_CANNOT_MAKE, CFileException::accessDenied},
    {ERROR_ALREADY_EXISTS, CFileException::accessDenied},
    {ERROR_PRIVILEGE_NOT_HELD, CFileException::accessDenied},
    // Held open by another program.
    {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
    {ERROR_BUSY, CFileException::sharingViolation},
    // Locked by another program.
    {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
    {ERROR_DRIVE_LOCKED, CFileException::lockViolation},
    {ERROR_LOCK_FAILED, CFileException::lockViolation},
    // No room.
    {ERROR_HANDLE_DISK_FULL, CFileException::diskFull},
    {ERROR_DISK_FULL, CFileException::diskFull},
    {fw::detail::kErrorDiskQuotaExceeded, CFileException::diskFull},
    {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
    {ERROR_SHARING_BUFFER_EXCEEDED, CFileException::tooManyOpenFiles},
    // The device failed, is not ready, or the transfer to it broke off.
    {ERROR_BAD_UNIT, CFileException::hardIO},
    {ERROR_NOT_READY, CFileException::hardIO},
    {ERROR_CRC, CFileException::hardIO},
    {ERROR_WRITE_FAULT, CFileException::hardIO},
    {ERROR_GEN_FAILURE, CFileException::hardIO},
    {ERROR_UNEXP_NET_ERR, CFileException::hardIO},
    {ERROR_NETNAME_DELETED, CFileException::hardIO},
    {ERROR_NET_WRITE_FAULT, CFileException::hardIO},
    {ERROR_BROKEN_PIPE, CFileException::hardIO},
    {ERROR_NO_DATA, CFileException::hardIO},  // a pipe being closed
    {ERROR_IO_DEVICE, CFileException::hardIO},
    {ERROR_INVALID_HANDLE, CFileException::invalidFile},
    {ERROR_SEEK, CFileException::badSeek},
    {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
    {ERROR_HANDLE_EOF, CFileException::endOfFile},
};

}  // namespace

int CFileException::OsErrorToException(LONG lOsError) {
    for (const OsError& each : kOsErrors) {
        if (each.code == lOsError) return each.cause;
    }
    return genericException;
}
