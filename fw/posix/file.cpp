// Files over the operating system's calls.
//
// Opening works on the target itself first, so that its own errors decide
// (a missing folder, a read-only file or folder, a folder as the target) and
// nothing is written when it fails. An existing regular file is then not
// touched until the end: the bytes go to a temporary file beside it, which
// takes the file's owner, permissions, ACL and other attributes and replaces
// it only once everything was written, synced and closed.
//
// Where no such replacement can be made (several names for one file, a
// folder that is not writable or has no room for another file, an owner or
// attribute that the replacement cannot take), the file is written in place:
// everything is kept in memory until it is closed, room for all of it is
// reserved on the file, and only then are the old bytes overwritten. When the
// room cannot be had, the old file stays as it was.
//
// Devices and pipes are written directly, and so is a file that this open
// created (it is removed again when it cannot be finished).
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "fw/file.h"
#include "fw/internal.h"
#include "fw/posix/attributes.h"
#include "fw/posix/system_calls.h"

namespace fw::detail {

struct OpenFile {
    OpenFile() = default;
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() { Discard(); }

    // Answers 0 or the error number.
    int Open(const std::string& name);
    int Write(const char* data, std::size_t count);
    int Finish();
    // Removes what is unfinished and closes everything.
    void Discard();

private:
    int Fail(int error) {
        Discard();
        return error;
    }
    bool PrepareReplacement(const std::string& name, const struct stat& status);
    int FinishInPlace();
    int Reserve(off_t size);

    int m_target = -1;  // the file named; holds the lock
    int m_output = -1;  // where the bytes go
    bool m_regular = false;
    bool m_created = false;    // this open created the target: removed if unfinished
    bool m_inPlace = false;    // the target is overwritten when finished
    off_t m_previousSize = 0;  // of the target written in place
    std::string m_pending;     // what goes in place
    std::string m_realName;    // the target with its links resolved
    std::string m_temporary;   // the replacement being written
};

namespace {

std::string RealName(const std::string& name) {
    char* resolved = realpath(name.c_str(), nullptr);
    if (resolved == nullptr) return name;
    std::string result = resolved;
    std::free(resolved);
    return result;
}

// An existing target is opened as it is, without truncating it; a missing
// one is created. A device or pipe must not block the open.
int OpenTarget(const std::string& name, bool* created) {
    *created = false;
    const int fd = Calls().open(name.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    if (fd >= 0 || errno != ENOENT) return fd;
    const int made = Calls().open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
    if (made >= 0) {
        *created = true;
        return made;
    }
    if (errno != EEXIST) return -1;
    // A link whose file is not there yet, or a file made meanwhile.
    return Calls().open(name.c_str(), O_WRONLY | O_CREAT | O_NOCTTY | O_CLOEXEC, 0666);
}

// Writes all of `data` at `offset`, or at the file's position when the
// offset is negative; answers 0 or the error number.
int WriteAll(int fd, const char* data, std::size_t count, off_t offset = -1) {
    while (count > 0) {
        const ssize_t written = offset < 0 ? Calls().write(fd, data, count) : Calls().pwrite(fd, data, count, offset);
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return EIO;
        data += written;
        count -= static_cast<std::size_t>(written);
        if (offset >= 0) offset += written;
    }
    return 0;
}

}  // namespace

int OpenFile::Open(const std::string& name) {
    m_target = OpenTarget(name, &m_created);
    if (m_target < 0) return errno;
    if (m_created) m_realName = RealName(name);
    m_output = m_target;

    // Other writers that lock are kept out while we write; a file system
    // without locks is written all the same.
    if (Calls().flock(m_target, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) return Fail(errno);
    const int flags = Calls().fcntl(m_target, F_GETFL, 0);
    if (flags == -1 || Calls().fcntl(m_target, F_SETFL, flags & ~O_NONBLOCK) == -1) return Fail(errno);

    struct stat status {};
    if (Calls().fstat(m_target, &status) != 0) return Fail(errno);
    m_regular = S_ISREG(status.st_mode);
    if (!m_regular || m_created) return 0;
    if (status.st_nlink == 1 && PrepareReplacement(name, status)) return 0;
    m_inPlace = true;
    m_previousSize = status.st_size;
    return 0;
}

bool OpenFile::PrepareReplacement(const std::string& name, const struct stat& status) {
    const std::string real = RealName(name);
    std::string temporary = real.substr(0, real.rfind('/') + 1) + ".save-XXXXXX";
    const int fd = Calls().mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return false;
    // The replacement takes the file's owner, then its attributes and last
    // its permissions, which a change of owner could have cut.
    const bool sameOwner = status.st_uid == geteuid() && status.st_gid == getegid();
    if ((!sameOwner && Calls().fchown(fd, status.st_uid, status.st_gid) != 0) || !CarryAttributes(m_target, fd) ||
        Calls().fchmod(fd, status.st_mode & 07777) != 0) {
        Calls().close(fd);
        Calls().unlink(temporary.c_str());
        return false;
    }
    m_output = fd;
    m_realName = real;
    m_temporary = std::move(temporary);
    return true;
}

int OpenFile::Write(const char* data, std::size_t count) {
    if (m_inPlace) {
        m_pending.append(data, count);
        return 0;
    }
    return WriteAll(m_output, data, count);
}

int OpenFile::Finish() {
    if (m_inPlace) {
        if (const int error = FinishInPlace(); error != 0) return Fail(error);
        Discard();
        return 0;
    }
    int error = m_regular && Calls().fsync(m_output) != 0 ? errno : 0;
    const bool replacing = m_output != m_target;
    if (Calls().close(m_output) != 0 && error == 0) error = errno;
    if (!replacing) m_target = -1;
    m_output = -1;
    if (error == 0 && replacing && Calls().rename(m_temporary.c_str(), m_realName.c_str()) != 0) error = errno;
    if (error != 0) return Fail(error);

    // Finished: nothing is removed from here on. Closing the previous file
    // releases the lock.
    m_temporary.clear();
    m_created = false;
    Discard();
    return 0;
}

int OpenFile::FinishInPlace() {
    const auto size = static_cast<off_t>(m_pending.size());
    if (const int error = Reserve(size); error != 0) return error;
    // The old content is given up from here on. Should writing fail all the
    // same (a failing device), the file gets its old length back, and keeps
    // those of its old bytes that were not written over yet.
    int error = WriteAll(m_target, m_pending.data(), m_pending.size(), 0);
    if (error == 0 && Calls().ftruncate(m_target, size) != 0) error = errno;
    if (error == 0 && Calls().fsync(m_target) != 0) error = errno;
    if (error != 0 && size > m_previousSize) Calls().ftruncate(m_target, m_previousSize);
    return error;
}

// Makes sure that the file holds room for `size` bytes, without changing a
// byte of what it holds; when that fails, it keeps its old length too.
int OpenFile::Reserve(off_t size) {
    if (size == 0 || Calls().fallocate(m_target, 0, 0, size) == 0) return 0;
    int error = errno;
    if (error == EOPNOTSUPP || error == ENOSYS) {
        // A file system that cannot reserve: the room beyond the old end is
        // written with zeros instead; the old bytes already have theirs.
        error = 0;
        static constexpr char kZeros[4096] = {};
        for (off_t at = m_previousSize; at < size && error == 0;) {
            const auto count = static_cast<std::size_t>(std::min<off_t>(size - at, sizeof kZeros));
            error = WriteAll(m_target, kZeros, count, at);
            at += static_cast<off_t>(count);
        }
        if (error == 0) return 0;
    }
    if (size > m_previousSize) Calls().ftruncate(m_target, m_previousSize);
    return error;
}

void OpenFile::Discard() {
    if (m_output >= 0 && m_output != m_target) Calls().close(m_output);
    if (!m_temporary.empty()) Calls().unlink(m_temporary.c_str());
    if (m_created) Calls().unlink(m_realName.c_str());
    if (m_target >= 0) Calls().close(m_target);
    m_output = m_target = -1;
    m_temporary.clear();
    m_created = false;
    m_inPlace = false;
    m_pending.clear();
}

namespace {

CString FullPath(const CString& name) {
    if (name.View().starts_with('/')) return name;
    char* directory = getcwd(nullptr, 0);
    if (directory == nullptr) return name;
    CString result = FromNativeFileName(directory);
    std::free(directory);
    return result + "/" + name;
}

}  // namespace
}  // namespace fw::detail

CFile::CFile() = default;
CFile::~CFile() = default;

BOOL CFile::Open(const CString& strFileName, UINT nOpenFlags, CFileException* pError) {
    Abort();
    const auto fail = [&](int error) {
        if (pError != nullptr) {
            pError->m_cause = CFileException::OsErrorToException(error);
            pError->m_lOsError = error;
            pError->m_strFileName = strFileName;
        }
        return FALSE;
    };
    if ((nOpenFlags & modeCreate) == 0 || (nOpenFlags & modeAccessMask) != modeWrite) return fail(EINVAL);

    // A name chosen in the file dialog goes to the file system as it was
    // chosen, whatever the program's text shows of it.
    const std::string* spelling = fw::detail::NativeSpelling(strFileName);
    const std::string native = spelling != nullptr ? *spelling : fw::detail::NativeFileName(strFileName.View());
    auto file = std::make_unique<fw::detail::OpenFile>();
    if (const int error = file->Open(native); error != 0) return fail(error);
    m_file = std::move(file);
    m_strFileName = fw::detail::FullPath(strFileName);
    return TRUE;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
    if (m_file == nullptr) AfxThrowFileException(CFileException::invalidFile, EBADF, m_strFileName);
    if (const int error = m_file->Write(static_cast<const char*>(lpBuf), nCount); error != 0) {
        Abort();
        AfxThrowFileException(CFileException::diskFull, error, m_strFileName);
    }
}

void CFile::Close() {
    if (m_file == nullptr) return;
    const auto file = std::move(m_file);
    if (const int error = file->Finish(); error != 0) {
        AfxThrowFileException(CFileException::diskFull, error, m_strFileName);
    }
}

void CFile::Abort() { m_file.reset(); }
