// The causes of the system's error codes (GetLastError).
#include "fw/file_exception.h"

namespace {

struct OsError {
    LONG code;
    int cause;
};

// The system's error codes (their names in the comments) and the causes
// they stand for; any other code is an unknown error.
constexpr OsError kOsErrors[] = {
    {0, CFileException::none},          // ERROR_SUCCESS
    {2, CFileException::fileNotFound},  // ERROR_FILE_NOT_FOUND
    // A folder, drive, share or network path that is not there, or a name
    // that cannot be one.
    {3, CFileException::badPath},    // ERROR_PATH_NOT_FOUND
    {15, CFileException::badPath},   // ERROR_INVALID_DRIVE
    {17, CFileException::badPath},   // ERROR_NOT_SAME_DEVICE
    {53, CFileException::badPath},   // ERROR_BAD_NETPATH
    {55, CFileException::badPath},   // ERROR_DEV_NOT_EXIST
    {67, CFileException::badPath},   // ERROR_BAD_NET_NAME
    {123, CFileException::badPath},  // ERROR_INVALID_NAME
    {161, CFileException::badPath},  // ERROR_BAD_PATHNAME
    {206, CFileException::badPath},  // ERROR_FILENAME_EXCED_RANGE
    {267, CFileException::badPath},  // ERROR_DIRECTORY
    // Not ours to write: rights, a read-only file or medium, a folder where a
    // file should be, a name that cannot be made.
    {5, CFileException::accessDenied},     // ERROR_ACCESS_DENIED
    {12, CFileException::accessDenied},    // ERROR_INVALID_ACCESS
    {19, CFileException::accessDenied},    // ERROR_WRITE_PROTECT
    {65, CFileException::accessDenied},    // ERROR_NETWORK_ACCESS_DENIED
    {80, CFileException::accessDenied},    // ERROR_FILE_EXISTS
    {82, CFileException::accessDenied},    // ERROR_CANNOT_MAKE
    {183, CFileException::accessDenied},   // ERROR_ALREADY_EXISTS
    {1314, CFileException::accessDenied},  // ERROR_PRIVILEGE_NOT_HELD
    // Held open by another program.
    {32, CFileException::sharingViolation},   // ERROR_SHARING_VIOLATION
    {170, CFileException::sharingViolation},  // ERROR_BUSY
    // Locked by another program.
    {33, CFileException::lockViolation},   // ERROR_LOCK_VIOLATION
    {108, CFileException::lockViolation},  // ERROR_DRIVE_LOCKED
    {167, CFileException::lockViolation},  // ERROR_LOCK_FAILED
    // No room.
    {39, CFileException::diskFull},          // ERROR_HANDLE_DISK_FULL
    {112, CFileException::diskFull},         // ERROR_DISK_FULL
    {1295, CFileException::diskFull},        // ERROR_DISK_QUOTA_EXCEEDED
    {4, CFileException::tooManyOpenFiles},   // ERROR_TOO_MANY_OPEN_FILES
    {36, CFileException::tooManyOpenFiles},  // ERROR_SHARING_BUFFER_EXCEEDED
    // The device failed, is not ready, or the transfer to it broke off.
    {20, CFileException::hardIO},      // ERROR_BAD_UNIT
    {21, CFileException::hardIO},      // ERROR_NOT_READY
    {23, CFileException::hardIO},      // ERROR_CRC
    {29, CFileException::hardIO},      // ERROR_WRITE_FAULT
    {31, CFileException::hardIO},      // ERROR_GEN_FAILURE
    {59, CFileException::hardIO},      // ERROR_UNEXP_NET_ERR
    {64, CFileException::hardIO},      // ERROR_NETNAME_DELETED
    {88, CFileException::hardIO},      // ERROR_NET_WRITE_FAULT
    {109, CFileException::hardIO},     // ERROR_BROKEN_PIPE
    {232, CFileException::hardIO},     // ERROR_NO_DATA (a pipe being closed)
    {1117, CFileException::hardIO},    // ERROR_IO_DEVICE
    {6, CFileException::invalidFile},  // ERROR_INVALID_HANDLE
    {25, CFileException::badSeek},     // ERROR_SEEK
    {131, CFileException::badSeek},    // ERROR_NEGATIVE_SEEK
    {38, CFileException::endOfFile},   // ERROR_HANDLE_EOF
};

}  // namespace

int CFileException::OsErrorToException(LONG lOsError) {
    for (const OsError& each : kOsErrors) {
        if (each.code == lOsError) return each.cause;
    }
    return genericException;
}
