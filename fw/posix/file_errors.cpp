// The causes of the operating system's error numbers.
#include <cerrno>

#include "fw/file_exception.h"

namespace {

struct OsError {
    int number;
    int cause;
};

// The operating system's error numbers and the causes they stand for; any
// other number is an unknown error.
constexpr OsError kOsErrors[] = {
    {0, CFileException::none},
    // A folder on the way is missing, or the name cannot be one.
    {ENOENT, CFileException::badPath},
    {ENOTDIR, CFileException::badPath},
    {ENAMETOOLONG, CFileException::badPath},
    {ELOOP, CFileException::badPath},
    {EINVAL, CFileException::badPath},
    // A device that is not there, or a pipe with no reader to take the
    // bytes (opened without waiting for one): like a drive that is missing.
    {ENODEV, CFileException::badPath},
    {ENXIO, CFileException::badPath},
    // Not ours to write: permissions, a read-only file, folder or file
    // system, a folder where a file should be.
    {EACCES, CFileException::accessDenied},
    {EPERM, CFileException::accessDenied},
    {EROFS, CFileException::accessDenied},
    {EISDIR, CFileException::accessDenied},
    // In use by another program.
    {ETXTBSY, CFileException::sharingViolation},
    {EBUSY, CFileException::sharingViolation},
    // Locked by another program.
    {EWOULDBLOCK, CFileException::lockViolation},
    {ENOLCK, CFileException::lockViolation},
    {EDEADLK, CFileException::lockViolation},
    // No room: the file system is full, the quota used up, or the file may
    // grow no further (on this file system or under the process's limit).
    {ENOSPC, CFileException::diskFull},
    {EDQUOT, CFileException::diskFull},
    {EFBIG, CFileException::diskFull},
    {EMFILE, CFileException::tooManyOpenFiles},
    {ENFILE, CFileException::tooManyOpenFiles},
    // The device failed, or the pipe's reader went away while the bytes
    // were on their way: the transfer broke off below the file.
    {EIO, CFileException::hardIO},
    {EPIPE, CFileException::hardIO},
    {EBADF, CFileException::invalidFile},
    {ESPIPE, CFileException::badSeek},
};

}  // namespace

int CFileException::OsErrorToException(LONG lOsError) {
    for (const OsError& each : kOsErrors) {
        if (each.number == lOsError) return each.cause;
    }
    return genericException;
}
