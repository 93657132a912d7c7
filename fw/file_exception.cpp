#include "fw/file_exception.h"

#include <array>
#include <cerrno>

namespace {

// One text per cause, in the order of the causes.
constexpr std::array<const char*, 15> kTexts = {
    "No error occurred.",
    "An unknown error occurred while accessing %1.",
    "%1 was not found.",
    "%1 contains an invalid path.",
    "%1 could not be opened because there are too many open files.",
    "Access to %1 was denied.",
    "An invalid file handle was associated with %1.",
    "%1 could not be removed because it is the current directory.",
    "%1 could not be created because the directory is full.",
    "Seek failed on %1",
    "A hardware I/O error was reported while accessing %1.",
    "A sharing violation occurred while accessing %1.",
    "A locking violation occurred while accessing %1.",
    "Disk full while accessing %1.",
    "An attempt was made to access %1 past its end.",
};
static_assert(kTexts.size() == CFileException::endOfFile + 1);

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

BOOL CFileException::GetErrorMessage(CString& message) const {
    if (m_cause < none || m_cause > endOfFile) return FALSE;
    message = kTexts[static_cast<std::size_t>(m_cause)];
    message.Replace("%1", m_strFileName.View());
    return TRUE;
}

int CFileException::OsErrorToException(LONG lOsError) {
    for (const OsError& each : kOsErrors) {
        if (each.number == lOsError) return each.cause;
    }
    return genericException;
}

void AfxThrowFileException(int cause, LONG lOsError, const char* lpszFileName) {
    throw new CFileException(cause, lOsError, lpszFileName);
}
