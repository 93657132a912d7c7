// Saving a file when the replacement cannot be made, its room cannot be had
// or the file's attributes cannot be carried: the operating system's calls
// are made to fail through the framework's table of them.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "fw/file.h"
#include "fw/internal.h"
#include "fw/posix/system_calls.h"
#include "tests/support/temporary_folder.h"

namespace fs = std::filesystem;
using fw::detail::SystemCalls;
using Folder = kalvex_test::TemporaryFolder;

namespace {

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Make(const fs::path& path, const std::string& content) { std::ofstream(path, std::ios::binary) << content; }

ino_t Inode(const fs::path& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

// Calls that fail the way a full disk, a file system without some feature or
// a refused permission makes them fail.
// No temporary file, with a name or without.
int NoTemporary(char*, int) {
    errno = ENOSPC;
    return -1;
}
int NoTemporaryWithoutName(const char* path, int flags, mode_t mode) {
    if ((flags & O_TMPFILE) != O_TMPFILE) return fw::detail::RealCalls().open(path, flags, mode);
    errno = ENOSPC;
    return -1;
}
int NoRoom(int, int, off_t, off_t) {
    errno = ENOSPC;
    return -1;
}
int CannotReserve(int, int, off_t, off_t) {
    errno = EOPNOTSUPP;
    return -1;
}
// Grows the file, then runs out of room, as a file system may.
int RoomRunsOut(int fd, int, off_t, off_t length) {
    fw::detail::RealCalls().ftruncate(fd, length);
    errno = ENOSPC;
    return -1;
}
ssize_t NoRoomToWrite(int, const void*, std::size_t, off_t) {
    errno = ENOSPC;
    return -1;
}
int ModeRefused(int, mode_t) {
    errno = EPERM;
    return -1;
}
int AttributeRefused(int, const char*, const void*, std::size_t, int) {
    errno = ENOTSUP;
    return -1;
}
// The old file's attributes are listed first: that listing answers as on a
// file system without attributes, the replacement's does not.
int g_listings = 0;
ssize_t OldFileListsNone(int fd, char* names, std::size_t size) {
    if (g_listings++ == 0) {
        errno = ENOTSUP;
        return -1;
    }
    return fw::detail::RealCalls().flistxattr(fd, names, size);
}

constexpr char kOld[] = "the old report, which must stay whole\n";
// Longer than the old file, so that its room must grow.
const std::string kNew = "Numero spire: " + std::string(5000, '7') + "\nfine\n";

std::string WithCrLf(const std::string& text) {
    std::string result;
    for (const char c : text) {
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}

// Writes kNew over `path`, the system's calls being `calls`.
void SaveNew(const fs::path& path, const SystemCalls& calls) {
    fw::detail::ScopedSystemCalls scoped(calls);
    CStdioFile file;
    ASSERT_TRUE(file.Open(path.string(), CFile::modeCreate | CFile::modeWrite));
    file.WriteString(kNew.c_str());
    file.Close();
}

}  // namespace

TEST(FileNames, NativeSpellingTravelsWithCopiesOnly) {
    const CString chosen = fw::detail::WithNativeSpelling("/tmp/?.txt", "/tmp/\xCE\xB1.txt");
    struct Case {
        const char* name;
        CString (*change)(CString);
        bool keeps;
    };
    const Case cases[] = {
        {"copy", [](CString s) { return s; }, true},
        {"replace finding nothing", [](CString s) { return s.Replace("#", "y"), s; }, true},
        {"replace", [](CString s) { return s.Replace("?", "a"), s; }, false},
        {"append", [](CString s) { return s += ".bak", s; }, false},
        {"operator +", [](CString s) { return s + ""; }, false},
        {"assign other text", [](CString s) { return s = "/tmp/?.txt", s; }, false},
        {"empty", [](CString s) { return s.Empty(), s; }, false},
        {"part", [](CString s) { return s.Mid(0); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CString changed = c.change(chosen);
        const std::string* spelling = fw::detail::NativeSpelling(changed);
        if (c.keeps) {
            ASSERT_NE(spelling, nullptr);
            EXPECT_EQ(*spelling, "/tmp/\xCE\xB1.txt");
        } else {
            EXPECT_EQ(spelling, nullptr);
        }
    }
    EXPECT_EQ(fw::detail::NativeSpelling(CString("/tmp/a.txt")), nullptr);
}

TEST(FileNames, ConvertBetweenTheCodePageAndUtf8) {
    struct Case {
        const char* name;
        std::string program;  // Windows-1252
        std::string native;   // UTF-8
    };
    const Case cases[] = {
        {"ASCII", "/tmp/Kalvex.TXT", "/tmp/Kalvex.TXT"},
        {"Latin-1", "\xB5H \xE0", "\xC2\xB5H \xC3\xA0"},
        {"the euro sign and the quotes above 0x7F", "\x80\x93\x94\x9F", "\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D\xC5\xB8"},
        {"bytes without a character", "\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fw::detail::NativeFileName(c.program), c.native);
        EXPECT_EQ(fw::detail::FromNativeFileName(c.native), c.program);
    }

    // Characters without a byte, one '?' each; bytes that are not UTF-8 too.
    const std::pair<std::string, std::string> shown[] = {
        {"\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1.txt", "??????.txt"},  // Greek
        {"\xD0\x94\xD0\xBE\xD0\xBA", "???"},                                     // Cyrillic
        {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", "???"},                         // CJK
        {"rep\xF0\x9F\x98\x80.txt", "rep?.txt"},                                 // emoji
        {"a\xFF"
         "b\xC3",
         "a?b?"},
        {"\xC0\xAF\xED\xA0\x80", "?????"},  // an overlong '/', a surrogate
    };
    for (const auto& [native, program] : shown) EXPECT_EQ(fw::detail::FromNativeFileName(native), program);
}

// A file that cannot be replaced by a new one is written in place, and only
// once all of it is known and its room is had.
TEST(FileInPlace, WritesOnlyWhatFitsAndOtherwiseKeepsTheOldFile) {
    struct Case {
        const char* name;
        bool hardLinked;
        int (*mkostemp)(char*, int);
        int (*fchmod)(int, mode_t);
        int (*fallocate)(int, int, off_t, off_t);
        ssize_t (*pwrite)(int, const void*, std::size_t, off_t);
        bool written;
    };
    const SystemCalls& real = fw::detail::RealCalls();
    const Case cases[] = {
        {"hard-linked, room enough", true, real.mkostemp, real.fchmod, real.fallocate, real.pwrite, true},
        {"hard-linked, disk full", true, real.mkostemp, real.fchmod, NoRoom, real.pwrite, false},
        {"no temporary file, disk full", false, NoTemporary, real.fchmod, NoRoom, real.pwrite, false},
        {"no temporary file, room runs out on the way", false, NoTemporary, real.fchmod, RoomRunsOut, real.pwrite,
         false},
        {"temporary cannot take the mode, room enough", false, real.mkostemp, ModeRefused, real.fallocate, real.pwrite,
         true},
        {"no reservation on this file system, room enough", true, real.mkostemp, real.fchmod, CannotReserve,
         real.pwrite, true},
        {"no reservation on this file system, disk full", true, real.mkostemp, real.fchmod, CannotReserve,
         NoRoomToWrite, false},
        {"room reserved, then the device fails", true, real.mkostemp, real.fchmod, real.fallocate, NoRoomToWrite,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Folder folder;
        const fs::path path = folder / "report.txt";
        Make(path, kOld);
        chmod(path.c_str(), 0640);
        if (c.hardLinked) fs::create_hard_link(path, folder / "other name.txt");
        const ino_t inode = Inode(path);

        SystemCalls calls = real;
        calls.mkostemp = c.mkostemp;
        if (c.mkostemp == NoTemporary) calls.open = NoTemporaryWithoutName;
        calls.fchmod = c.fchmod;
        calls.fallocate = c.fallocate;
        calls.pwrite = c.pwrite;
        fw::detail::ScopedSystemCalls scoped(calls);
        CStdioFile file;
        ASSERT_TRUE(file.Open(path.string(), CFile::modeCreate | CFile::modeWrite));
        file.WriteString(kNew.c_str());
        // Nothing of the old file is given up before the end.
        EXPECT_EQ(Read(path), kOld);
        std::optional<int> cause;
        try {
            file.Close();
        } catch (CFileException* error) {
            cause = error->m_cause;
            EXPECT_EQ(error->m_lOsError, ENOSPC);
            EXPECT_EQ(error->m_strFileName, path.string());
            error->Delete();
        }

        const std::string expected = c.written ? WithCrLf(kNew) : kOld;
        EXPECT_EQ(cause, c.written ? std::nullopt : std::optional<int>(CFileException::diskFull));
        EXPECT_EQ(Read(path), expected);
        EXPECT_EQ(fs::file_size(path), expected.size());
        EXPECT_EQ(Inode(path), inode);
        EXPECT_EQ(fs::status(path).permissions(), static_cast<fs::perms>(0640));
        if (c.hardLinked) {
            EXPECT_EQ(Read(folder / "other name.txt"), expected);
            EXPECT_EQ(folder.Names(), (std::vector<std::string>{"other name.txt", "report.txt"}));
        } else {
            EXPECT_EQ(folder.Names(), std::vector<std::string>{"report.txt"});
        }
    }
}

// Attributes that the replacement cannot take, or that cannot be read: the
// file is written in place and keeps them, rather than being replaced by one
// without them.
TEST(FileInPlace, KeepsAttributesThatTheReplacementCannotTake) {
    struct Case {
        const char* name;
        ssize_t (*flistxattr)(int, char*, std::size_t);
        int (*fsetxattr)(int, const char*, const void*, std::size_t, int);
    };
    const SystemCalls& real = fw::detail::RealCalls();
    const Case cases[] = {
        {"the replacement refuses one", real.flistxattr, AttributeRefused},
        {"the old file's cannot be listed", OldFileListsNone, real.fsetxattr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Folder folder;
        const fs::path path = folder / "report.txt";
        Make(path, kOld);
        if (setxattr(path.c_str(), "user.tag", "kalvex", 6, 0) != 0) {
            GTEST_SKIP() << "the temporary folder's file system keeps no user attributes: " << std::strerror(errno);
        }
        const ino_t inode = Inode(path);

        SystemCalls calls = real;
        calls.flistxattr = c.flistxattr;
        calls.fsetxattr = c.fsetxattr;
        g_listings = 0;
        SaveNew(path, calls);

        EXPECT_EQ(Read(path), WithCrLf(kNew));
        EXPECT_EQ(Inode(path), inode);
        char value[16] = {};
        EXPECT_EQ(getxattr(path.c_str(), "user.tag", value, sizeof value), 6);
        EXPECT_STREQ(value, "kalvex");
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"report.txt"});
    }
}

namespace {

// What a kill would leave of a file written in place, looked at after each
// call on it: the old content, the new one, or the new one's first part over
// the old one's rest, never a byte that neither has.
struct Watch {
    fs::path path;
    std::string old;
    std::string updated;
    std::vector<std::string> broken;  // the calls after which it held something else

    bool Sound(const std::string& content) const {
        if (content == updated) return true;
        std::size_t same = 0;
        while (same < content.size() && same < updated.size() && content[same] == updated[same]) ++same;
        if (same >= old.size()) return content.size() == same;
        return content.size() == old.size() && content.compare(same, std::string::npos, old, same) == 0;
    }
    void After(const char* call) {
        if (!Sound(Read(path))) broken.push_back(call);
    }
} g_watch;

int WatchedFallocate(int fd, int mode, off_t offset, off_t length) {
    const int result = fw::detail::RealCalls().fallocate(fd, mode, offset, length);
    g_watch.After("fallocate");
    return result;
}
// Writes half of what it is given, at most, as a write cut short does.
ssize_t WatchedPwrite(int fd, const void* data, std::size_t count, off_t offset) {
    const ssize_t written = fw::detail::RealCalls().pwrite(fd, data, (count + 1) / 2, offset);
    g_watch.After("pwrite");
    return written;
}
int WatchedFtruncate(int fd, off_t length) {
    const int result = fw::detail::RealCalls().ftruncate(fd, length);
    g_watch.After("ftruncate");
    return result;
}

}  // namespace

// A save killed while the file is written in place (after its room was
// reserved, in the middle of writing, before its length is set) leaves no
// byte that neither the old nor the new content has.
TEST(FileInPlace, InterruptedItHoldsOnlyOldAndNewBytes) {
    struct Case {
        const char* name;
        std::string old;
        int (*fallocate)(int, int, off_t, off_t);
    };
    const Case cases[] = {
        {"growing, room reserved", kOld, WatchedFallocate},
        {"growing, no reservation on this file system", kOld, CannotReserve},
        {"shrinking, room reserved", std::string(12000, 'o'), WatchedFallocate},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Folder folder;
        const fs::path path = folder / "report.txt";
        Make(path, c.old);
        fs::create_hard_link(path, folder / "other name.txt");
        g_watch = Watch{path, c.old, WithCrLf(kNew), {}};

        SystemCalls calls = fw::detail::RealCalls();
        calls.fallocate = c.fallocate;
        calls.pwrite = WatchedPwrite;
        calls.ftruncate = WatchedFtruncate;
        SaveNew(path, calls);
        EXPECT_EQ(Read(path), WithCrLf(kNew));
        EXPECT_EQ(g_watch.broken, std::vector<std::string>{});
    }
}

namespace {

// The calls that make a save durable, in their order: the file's data
// synced, its name given, the folder that holds the name synced; and any
// file of the save's that a kill would leave behind.
std::vector<std::string> g_log;
std::string g_folder;
std::vector<int> g_folders;  // descriptors open on the folder

int LoggedOpen(const char* path, int flags, mode_t mode) {
    const int fd = fw::detail::RealCalls().open(path, flags, mode);
    // A file without a name is opened on its folder too.
    if (fd >= 0 && (flags & O_TMPFILE) != O_TMPFILE && fs::path(path) == fs::path(g_folder)) g_folders.push_back(fd);
    return fd;
}
int LoggedFsync(int fd) {
    const bool folder = std::find(g_folders.begin(), g_folders.end(), fd) != g_folders.end();
    g_log.push_back(folder ? "sync the folder" : "sync a file");
    // A kill here leaves nothing of the save behind.
    for (const auto& entry : fs::directory_iterator(g_folder)) {
        if (entry.path().filename() != "report.txt") g_log.push_back("another name in the folder");
    }
    return fw::detail::RealCalls().fsync(fd);
}
int LoggedRename(const char* from, const char* to) {
    g_log.push_back("rename");
    return fw::detail::RealCalls().rename(from, to);
}

}  // namespace

TEST(FileDurability, TheFolderIsSyncedOnceTheNameIsGiven) {
    struct Case {
        const char* name;
        bool existing;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"a new file", false, {"sync a file", "sync the folder"}},
        {"replacing a file", true, {"sync a file", "rename", "sync the folder"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Folder folder;
        const fs::path path = folder / "report.txt";
        if (c.existing) Make(path, kOld);
        g_folder = folder.Path().string();
        g_log.clear();
        g_folders.clear();
        SystemCalls calls = fw::detail::RealCalls();
        calls.open = LoggedOpen;
        calls.fsync = LoggedFsync;
        calls.rename = LoggedRename;
        SaveNew(path, calls);
        EXPECT_EQ(Read(path), WithCrLf(kNew));
        EXPECT_EQ(g_log, c.log);
    }
}
