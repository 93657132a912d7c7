// The file operations over the operating system's calls.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include "fw/file_system.h"
#include "fw/posix/attributes.h"
#include "fw/posix/system_calls.h"

namespace fw::detail::files {
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
int OpenOrCreate(const std::string& name, bool* created) {
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

// Locks the open target against other writers and learns what it is;
// answers 0 or the error number.
int Hold(int fd, Target* target) {
    // Other writers that lock, with flock or with a record lock (lockf,
    // fcntl), are kept out while we write; a file system without locks is
    // written all the same.
    if (Calls().flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) return errno;
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;  // from the start, to the end however far it goes
    if (Calls().fcntlLock(fd, F_OFD_SETLK, &whole) != 0 && (errno == EAGAIN || errno == EACCES)) return EWOULDBLOCK;
    const int flags = Calls().fcntl(fd, F_GETFL, 0);
    if (flags == -1 || Calls().fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) return errno;
    struct stat status {};
    if (Calls().fstat(fd, &status) != 0) return errno;
    target->handle = fd;
    target->regular = S_ISREG(status.st_mode);
    target->linked = status.st_nlink > 1;
    target->size = status.st_size;
    return 0;
}

}  // namespace

int OpenTarget(const std::string& name, Target* target) {
    bool created = false;
    const int fd = OpenOrCreate(name, &created);
    if (fd < 0) return errno;
    target->name = RealName(name);
    if (const int error = Hold(fd, target); error != 0) {
        Calls().close(fd);
        target->handle = kNoHandle;
        if (created) Calls().unlink(target->name.c_str());
        return error;
    }
    target->created = created;
    return 0;
}

int ReopenTarget(Target* target) {
    const int fd = Calls().open(target->name.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC, 0);
    if (fd < 0) return errno;
    if (const int error = Hold(fd, target); error != 0) {
        Calls().close(fd);
        target->handle = kNoHandle;
        return error;
    }
    return 0;
}

int WriteAll(Handle file, const char* data, std::size_t count, std::int64_t offset) {
    const auto fd = static_cast<int>(file);
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

int Sync(Handle file) { return Calls().fsync(static_cast<int>(file)) == 0 ? 0 : errno; }
int Close(Handle file) { return Calls().close(static_cast<int>(file)) == 0 ? 0 : errno; }
int Remove(const std::string& name) { return Calls().unlink(name.c_str()) == 0 ? 0 : errno; }
int SetLength(Handle file, std::int64_t size) {
    return Calls().ftruncate(static_cast<int>(file), size) == 0 ? 0 : errno;
}

int Reserve(const Target& target, std::int64_t size) {
    const auto fd = static_cast<int>(target.handle);
    if (size == 0 || Calls().fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) == 0) return 0;
    const int error = errno;
    // A file system that grew the file all the same gets it back as it was.
    if (size > target.size) Calls().ftruncate(fd, target.size);
    return error;
}

int FreeSpace(const Target& target, std::int64_t* bytes) {
    struct statvfs status {};
    if (Calls().fstatvfs(static_cast<int>(target.handle), &status) != 0) return errno;
    *bytes = static_cast<std::int64_t>(status.f_bavail * status.f_frsize);
    return 0;
}

// Without a name where the file system allows it, so that a save cut short
// leaves nothing behind: it is given one through /proc when it is complete.
int CreateReplacement(const Target& target, Replacement* replacement) {
    static const bool linkable = access("/proc/self/fd", X_OK) == 0;
    const std::size_t slash = target.name.rfind('/');
    if (linkable) {
        const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.name.substr(0, slash);
        const int fd = Calls().open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd >= 0) {
            replacement->handle = fd;
            return 0;
        }
        if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
    }
    std::string name = target.name.substr(0, slash + 1) + ".save-XXXXXX";
    const int fd = Calls().mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return errno;
    replacement->handle = fd;
    replacement->name = std::move(name);
    return 0;
}

// The owner first, then the attributes and last the permissions, which a
// change of owner could have cut.
int CarryAttributes(const Target& target, const Replacement& replacement) {
    const auto from = static_cast<int>(target.handle);
    const auto to = static_cast<int>(replacement.handle);
    struct stat status {};
    if (Calls().fstat(from, &status) != 0) return errno;
    const bool sameOwner = status.st_uid == geteuid() && status.st_gid == getegid();
    if (!sameOwner && Calls().fchown(to, status.st_uid, status.st_gid) != 0) return errno;
    if (!CarryExtendedAttributes(from, to)) return ENOTSUP;
    return Calls().fchmod(to, status.st_mode & 07777) == 0 ? 0 : errno;
}

// A file without a name is first linked to one beside the target (a link
// cannot take the place of a file), then renamed over it.
int Replace(const Target& target, Replacement* replacement) {
    if (replacement->name.empty()) {
        const std::string open = "/proc/self/fd/" + std::to_string(replacement->handle);
        for (int attempt = 0; replacement->name.empty(); ++attempt) {
            std::string name = NameBeside(target.name, "/", ".save-", "");
            if (Calls().linkat(AT_FDCWD, open.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                replacement->name = std::move(name);
            } else if (errno != EEXIST || attempt == 100) {
                return errno;
            }
        }
    }
    if (Calls().rename(replacement->name.c_str(), target.name.c_str()) != 0) return errno;
    replacement->name.clear();
    return 0;
}

// The folder that holds the name. One that cannot be opened or synced (no
// right to read it, a file system that does not sync folders) is left as it
// is.
int SyncName(const Target& target, Handle) {
    const std::size_t slash = target.name.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.name.substr(0, slash);
    const int fd = Calls().open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return 0;
    int error = Calls().fsync(fd) == 0 ? 0 : errno;
    Calls().close(fd);
    if (error == EINVAL || error == EROFS || error == EBADF || KindOf(error) == ErrorKind::unsupported) error = 0;
    return error;
}

std::string FullPathName(const std::string& name) {
    if (name.starts_with('/')) return name;
    char* directory = getcwd(nullptr, 0);
    if (directory == nullptr) return name;
    std::string result = std::string(directory) + "/" + name;
    std::free(directory);
    return result;
}

ErrorKind KindOf(int error) {
    if (error == ENOSPC || error == EDQUOT) return ErrorKind::noRoom;
    if (error == EOPNOTSUPP || error == ENOSYS) return ErrorKind::unsupported;
    return ErrorKind::other;
}

int InvalidArgumentError() { return EINVAL; }
int InvalidHandleError() { return EBADF; }
int NoRoomError() { return ENOSPC; }

}  // namespace fw::detail::files
