// The operating system's calls that the file code makes (see
// fw/system_calls.h). Not for the program's use.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/types.h>

#include <cstddef>

namespace fw::detail {

struct SystemCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    int (*close)(int fd);
    ssize_t (*write)(int fd, const void* data, std::size_t count);
    ssize_t (*pwrite)(int fd, const void* data, std::size_t count, off_t offset);
    int (*fsync)(int fd);
    int (*ftruncate)(int fd, off_t length);
    int (*fallocate)(int fd, int mode, off_t offset, off_t length);
    int (*fstat)(int fd, struct stat* status);
    int (*fstatvfs)(int fd, struct statvfs* status);
    int (*flock)(int fd, int operation);
    int (*fcntl)(int fd, int command, int argument);
    // fcntl with a record lock (F_OFD_SETLK).
    int (*fcntlLock)(int fd, int command, struct flock* lock);
    int (*mkostemp)(char* pattern, int flags);
    int (*fchmod)(int fd, mode_t mode);
    int (*fchown)(int fd, uid_t owner, gid_t group);
    int (*linkat)(int fromFolder, const char* from, int toFolder, const char* to, int flags);
    int (*rename)(const char* from, const char* to);
    int (*unlink)(const char* path);
    ssize_t (*flistxattr)(int fd, char* names, std::size_t size);
    ssize_t (*fgetxattr)(int fd, const char* name, void* value, std::size_t size);
    int (*fsetxattr)(int fd, const char* name, const void* value, std::size_t size, int flags);
    int (*fremovexattr)(int fd, const char* name);
};

}  // namespace fw::detail

#include "fw/system_calls.h"
