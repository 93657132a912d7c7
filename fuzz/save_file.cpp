// CStdioFile saving a file under a random name with random content, into a
// folder of its own: once as it is, then once for each call to the operating
// system that the save made, with that call failing.
//
// Input: flags, mode, error, name length, name, old length, old content,
// then the new content. Flags: 1 a file of that name is there (with the old
// content, the mode and, for 16, a user attribute), 2 it has a second name,
// 4 a file of the name's '?' form is there, 8 binary mode, 32 the name is
// written twice (past the longest name a folder takes).
//
// Checked after every save: a save that succeeded wrote exactly the content
// (LF as CR LF in text mode), kept the old file's permissions and attribute
// and its second name; a save that failed left the old file as it was, or no
// file where there was none; the '?' form is untouched; nothing else is left
// in the folder. While the old file is written in place, none of its bytes
// may be overwritten before room for the whole new content is reserved (or,
// where the file system cannot reserve, found free), it never shows more
// than the old content and the new content written so far (no padding), and
// it may be cut only to the new length once all of it was written: a failure
// after that point (a failing device) is the one that may leave it changed.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/support.h"
#include "fw/file.h"
#include "fw/internal.h"
#include "fw/posix/system_calls.h"

namespace fs = std::filesystem;
using fw::detail::RealCalls;

namespace {

constexpr int kErrors[] = {ENOSPC, EIO, EACCES, EPERM, ENOTSUP, EDQUOT, EINTR, EFBIG, EMFILE, EWOULDBLOCK};
constexpr mode_t kModes[] = {0600, 0640, 0644, 0660, 0400, 0604, 0666, 0620};
constexpr char kLinkName[] = ".second-name";

// What the calls did so far in this save.
struct Calls {
    int made = 0;
    int failAt = -1;  // the call that fails, or none
    int error = 0;
    // The old file, while it is watched.
    bool watching = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t oldSize = 0;
    off_t newSize = 0;
    off_t writtenUpTo = 0;       // new bytes written over it from the start
    bool givenUp = false;        // some of its old bytes were overwritten or cut
    bool cannotReserve = false;  // the file system said so
    std::string broken;          // the first rule broken
} g;

bool Fails() {
    if (g.made++ != g.failAt) return false;
    errno = g.error;
    return true;
}

void Broke(const std::string& rule) {
    if (g.broken.empty()) g.broken = rule;
}

bool IsOldFile(int fd) {
    struct stat status {};
    return g.watching && RealCalls().fstat(fd, &status) == 0 && status.st_dev == g.device && status.st_ino == g.inode;
}

// Before bytes from `offset` on are written over the old file.
void BeforeWriting(int fd, off_t offset) {
    if (offset >= g.oldSize) return;  // past its old end: no old byte changes
    struct stat status {};
    RealCalls().fstat(fd, &status);
    if (status.st_blocks * 512 < g.newSize && !g.cannotReserve) {
        Broke("an old byte was overwritten before room for the new content was reserved");
    }
}

// After a call on the old file: it shows no byte beyond both the old content
// and the new content written so far.
void NoPadding(int fd) {
    struct stat status {};
    RealCalls().fstat(fd, &status);
    if (status.st_size > std::max(g.oldSize, g.writtenUpTo))
        Broke("the old file showed bytes that neither content has");
}

void AfterWriting(int fd, off_t offset, ssize_t written) {
    if (written > 0) {
        if (offset <= g.writtenUpTo) g.writtenUpTo = std::max<off_t>(g.writtenUpTo, offset + written);
        if (offset < g.oldSize) g.givenUp = true;
    }
    NoPadding(fd);
}

ssize_t Write(int fd, const void* data, std::size_t count) {
    if (Fails()) return -1;
    if (!IsOldFile(fd)) return RealCalls().write(fd, data, count);
    const off_t offset = lseek(fd, 0, SEEK_CUR);
    BeforeWriting(fd, offset);
    const ssize_t written = RealCalls().write(fd, data, count);
    AfterWriting(fd, offset, written);
    return written;
}

ssize_t PWrite(int fd, const void* data, std::size_t count, off_t offset) {
    if (Fails()) return -1;
    if (!IsOldFile(fd)) return RealCalls().pwrite(fd, data, count, offset);
    BeforeWriting(fd, offset);
    const ssize_t written = RealCalls().pwrite(fd, data, count, offset);
    AfterWriting(fd, offset, written);
    return written;
}

int Truncate(int fd, off_t length) {
    if (Fails()) return -1;
    const bool cuts = IsOldFile(fd) && length < g.oldSize;
    if (cuts && (length != g.newSize || g.writtenUpTo < g.newSize)) {
        Broke("the old file was cut before all the new content was written");
    }
    const int result = RealCalls().ftruncate(fd, length);
    if (cuts && result == 0) g.givenUp = true;
    if (IsOldFile(fd)) NoPadding(fd);
    return result;
}

// Every call can fail but the removal of what the save made: when that
// fails, nothing can be done about it.
const fw::detail::SystemCalls kInjecting = {
    [](const char* path, int flags, mode_t mode) { return Fails() ? -1 : RealCalls().open(path, flags, mode); },
    [](int fd) {
        if (!Fails()) return RealCalls().close(fd);
        // The descriptor is gone all the same, as after a real failure.
        const int error = errno;
        RealCalls().close(fd);
        errno = error;
        return -1;
    },
    Write,
    PWrite,
    [](int fd) { return Fails() ? -1 : RealCalls().fsync(fd); },
    Truncate,
    [](int fd, int mode, off_t offset, off_t length) {
        const int result = Fails() ? -1 : RealCalls().fallocate(fd, mode, offset, length);
        if (result != 0 && IsOldFile(fd) && (errno == EOPNOTSUPP || errno == ENOSYS)) g.cannotReserve = true;
        if (IsOldFile(fd)) NoPadding(fd);
        return result;
    },
    [](int fd, struct stat* status) { return Fails() ? -1 : RealCalls().fstat(fd, status); },
    [](int fd, struct statvfs* status) { return Fails() ? -1 : RealCalls().fstatvfs(fd, status); },
    [](int fd, int operation) { return Fails() ? -1 : RealCalls().flock(fd, operation); },
    [](int fd, int command, int argument) { return Fails() ? -1 : RealCalls().fcntl(fd, command, argument); },
    [](int fd, int command, struct flock* lock) { return Fails() ? -1 : RealCalls().fcntlLock(fd, command, lock); },
    [](char* pattern, int flags) { return Fails() ? -1 : RealCalls().mkostemp(pattern, flags); },
    [](int fd, mode_t mode) { return Fails() ? -1 : RealCalls().fchmod(fd, mode); },
    [](int fd, uid_t owner, gid_t group) { return Fails() ? -1 : RealCalls().fchown(fd, owner, group); },
    [](int fromFolder, const char* from, int toFolder, const char* to, int flags) {
        return Fails() ? -1 : RealCalls().linkat(fromFolder, from, toFolder, to, flags);
    },
    [](const char* from, const char* to) { return Fails() ? -1 : RealCalls().rename(from, to); },
    RealCalls().unlink,
    [](int fd, char* names, std::size_t size) -> ssize_t {
        return Fails() ? -1 : RealCalls().flistxattr(fd, names, size);
    },
    [](int fd, const char* name, void* value, std::size_t size) -> ssize_t {
        return Fails() ? -1 : RealCalls().fgetxattr(fd, name, value, size);
    },
    [](int fd, const char* name, const void* value, std::size_t size, int flags) {
        return Fails() ? -1 : RealCalls().fsetxattr(fd, name, value, size, flags);
    },
    [](int fd, const char* name) { return Fails() ? -1 : RealCalls().fremovexattr(fd, name); },
};

struct Setup {
    bool old = false;
    bool secondName = false;
    bool questionMarks = false;
    bool binary = false;
    bool attribute = false;
    mode_t mode = 0600;
    std::size_t errorChoice = 0;
    std::string name;   // as the file system spells it
    std::string shown;  // as the program shows it
    std::string oldContent;
    std::string content;
    std::string expected;  // the file after a save
};

std::optional<Setup> Parse(std::string_view input) {
    if (input.size() < 4) return std::nullopt;
    Setup s;
    const auto flags = static_cast<unsigned char>(input[0]);
    s.old = flags & 1;
    s.secondName = s.old && (flags & 2);
    s.questionMarks = flags & 4;
    s.binary = flags & 8;
    s.attribute = s.old && (flags & 16);
    s.mode = kModes[static_cast<unsigned char>(input[1]) % std::size(kModes)];
    s.errorChoice = static_cast<unsigned char>(input[2]);
    // A length byte, then up to that many bytes.
    std::string_view rest = input.substr(3);
    const auto take = [&rest] {
        if (rest.empty()) return std::string();
        const std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(rest[0]), rest.size() - 1);
        std::string taken(rest.substr(1, length));
        rest.remove_prefix(1 + length);
        return taken;
    };
    s.name = take();
    s.oldContent = take();
    s.content = std::string(rest);

    // A name of one folder entry.
    for (char& c : s.name) {
        if (c == '/' || c == '\0') c = '_';
    }
    if (flags & 32) s.name += s.name;
    if (s.name.empty() || s.name == "." || s.name == ".." || s.name == kLinkName) s.name += "n";
    s.shown = fw::detail::FromNativeFileName(s.name);
    // Nothing can be there under a name too long for a folder.
    if (s.name.size() > NAME_MAX) s.old = s.secondName = s.attribute = false;
    if (s.shown == s.name || s.shown == kLinkName || s.shown.size() > NAME_MAX) s.questionMarks = false;

    for (const char c : s.content) {
        if (c == '\n' && !s.binary) s.expected += '\r';
        s.expected += c;
    }
    return s;
}

// Made once, removed at the end of the run (kept for that, never freed).
const std::string& Folder() {
    static const std::string& folder = *new std::string([] {
        // A tmpfs when there is one: the saves sync their files.
        const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : nullptr;
        std::string pattern = (base != nullptr ? fs::path(base) : fs::temp_directory_path()) / "kalvex-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) fuzz::Fail("no folder for the saves");
        std::atexit([] { fs::remove_all(Folder()); });
        return pattern;
    }());
    return folder;
}

mode_t NewFileMode() {
    static const mode_t mode = [] {
        const mode_t mask = umask(0);
        umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    return mode;
}

std::optional<std::string> Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::optional<std::string> Attribute(const std::string& path) {
    char value[64];
    const ssize_t size = getxattr(path.c_str(), "user.tag", value, sizeof value);
    if (size < 0) return std::nullopt;
    return std::string(value, static_cast<std::size_t>(size));
}

mode_t ModeOf(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Folder())) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Lays out the folder for a save; answers whether the old file carries the
// attribute (the file system may keep none).
bool Prepare(const Setup& s) {
    for (const auto& entry : fs::directory_iterator(Folder())) fs::remove_all(entry.path());
    const std::string target = Folder() + "/" + s.name;
    bool attribute = false;
    if (s.old) {
        std::ofstream(target, std::ios::binary) << s.oldContent;
        chmod(target.c_str(), s.mode);
        if (s.secondName) link(target.c_str(), (Folder() + "/" + kLinkName).c_str());
        attribute = s.attribute && setxattr(target.c_str(), "user.tag", "kalvex", 6, 0) == 0;
    }
    if (s.questionMarks) std::ofstream(Folder() + "/" + s.shown, std::ios::binary) << "the '?' form";
    return attribute;
}

// Answers whether the save succeeded; a failure names the path as shown.
bool Save(const Setup& s, const std::string& describe) {
    const std::string target = Folder() + "/" + s.name;
    const CString path = fw::detail::WithNativeSpelling(fw::detail::FromNativeFileName(target), target);
    const CString shown = fw::detail::FromNativeFileName(target);
    CStdioFile file;
    CFileException error;
    const UINT flags = CFile::modeCreate | CFile::modeWrite | (s.binary ? CFile::typeBinary : 0);
    if (!file.Open(path, flags, &error)) {
        if (error.m_strFileName != shown) fuzz::Fail("the open error names another file" + describe);
        return false;
    }
    try {
        file.Write(s.content.data(), static_cast<UINT>(s.content.size()));
        file.Close();
    } catch (CFileException* thrown) {
        const bool named = thrown->m_strFileName == shown && thrown->m_cause == CFileException::diskFull;
        thrown->Delete();
        if (!named) fuzz::Fail("the write error is not disk full on the file as shown" + describe);
        return false;
    }
    return true;
}

void Check(const Setup& s, bool attribute, bool saved, const std::string& describe) {
    const auto fail = [&](const std::string& what) { fuzz::Fail(what + describe); };
    if (!g.broken.empty()) fail(g.broken);
    const std::string target = Folder() + "/" + s.name;

    std::vector<std::string> names;
    if (saved || s.old) names.push_back(s.name);
    if (s.secondName) names.push_back(kLinkName);
    if (s.questionMarks) names.push_back(s.shown);
    std::sort(names.begin(), names.end());
    if (Names() != names) fail("the folder holds other files than it should");
    if (s.questionMarks && Read(Folder() + "/" + s.shown) != "the '?' form") fail("the '?' form was written");

    if (saved || s.old) {
        const std::optional<std::string> content = Read(target);
        if (saved && content != s.expected) fail("the saved file does not hold the content");
        if (!saved && !g.givenUp && content != s.oldContent) fail("a failed save changed the old file");
        if (ModeOf(target) != (s.old ? s.mode : NewFileMode())) fail("the file's permissions changed");
        if (attribute && Attribute(target) != "kalvex") fail("the file lost its attribute");
        if (s.secondName && Read(Folder() + "/" + kLinkName) != content) fail("the second name lost the file");
    }
}

void Watch(const Setup& s) {
    g = Calls{};
    struct stat status {};
    const std::string target = Folder() + "/" + s.name;
    if (s.old && stat(target.c_str(), &status) == 0) {
        g.watching = true;
        g.device = status.st_dev;
        g.inode = status.st_ino;
        g.oldSize = status.st_size;
    }
    g.newSize = static_cast<off_t>(s.expected.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto setup = Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!setup) return 0;
    const Setup& s = *setup;
    // Saved without failures, unless the name is too long for a folder or
    // the old file is not ours to write.
    const bool savable = s.name.size() <= NAME_MAX && (!s.old || geteuid() == 0 || (s.mode & S_IWUSR) != 0);
    const fw::detail::ScopedSystemCalls injecting(kInjecting);
    std::string describe = "\nname " + fuzz::Escaped(s.name) + (s.old ? ", over an old file" : ", new") +
                           (s.secondName ? " with a second name" : "") + (s.binary ? ", binary" : ", text") +
                           "\ncontent " + fuzz::Escaped(s.content);

    bool attribute = Prepare(s);
    Watch(s);
    const bool saved = Save(s, describe);
    if (saved != savable) fuzz::Fail(std::string(saved ? "saved where it cannot be" : "not saved") + describe);
    Check(s, attribute, saved, describe);
    const int calls = g.made;

    for (int failAt = 0; failAt < calls; ++failAt) {
        attribute = Prepare(s);
        Watch(s);
        g.failAt = failAt;
        g.error = kErrors[(s.errorChoice + static_cast<std::size_t>(failAt)) % std::size(kErrors)];
        const std::string failing = describe + "\ncall " + std::to_string(failAt) + " of " + std::to_string(calls) +
                                    " failing with errno " + std::to_string(g.error);
        Check(s, attribute, Save(s, failing), failing);
    }
    return 0;
}
