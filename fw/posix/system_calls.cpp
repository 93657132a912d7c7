#include "fw/posix/system_calls.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace fw::detail {
namespace {

constexpr SystemCalls kReal = {
    [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
    ::close,
    ::write,
    ::pwrite,
    ::fsync,
    ::ftruncate,
    ::fallocate,
    [](int fd, struct stat* status) { return ::fstat(fd, status); },
    ::fstatvfs,
    ::flock,
    [](int fd, int command, int argument) { return ::fcntl(fd, command, argument); },
    [](int fd, int command, struct flock* lock) { return ::fcntl(fd, command, lock); },
    ::mkostemp,
    ::fchmod,
    ::fchown,
    ::linkat,
    ::rename,
    ::unlink,
    ::flistxattr,
    ::fgetxattr,
    ::fsetxattr,
    ::fremovexattr,
};

}  // namespace

const SystemCalls& RealCalls() { return kReal; }

}  // namespace fw::detail
