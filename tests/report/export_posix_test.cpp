// File > Save over the POSIX file code: modes, owners, ACLs and attributes,
// devices, size limits, small disks and pipes. The dialog's answers come from
// the test, the files are real.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <thread>

#include "tests/report/export.h"

using kalvex_test::FillWorkedExample;
using kalvex_test::Item;
using kalvex_test::ReadFile;
using kalvex_test::RunMainWindow;
using kalvex_test::Save;
using kalvex_test::WithCrLf;

namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;

// Root may write anything; permission tests act as an ordinary user then.
bool RunningAsRoot() { return geteuid() == 0; }

class Unprivileged {
public:
    Unprivileged() {
        if (RunningAsRoot()) {
            EXPECT_EQ(seteuid(kNobody), 0);
        }
        EXPECT_NE(geteuid(), 0u) << "permission test would run as root";
    }
    ~Unprivileged() {
        if (getuid() == 0) {
            EXPECT_EQ(seteuid(0), 0);
        }
    }
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;
};

// Files may grow to `bytes` only: a longer write raises SIGXFSZ, which the
// framework's start leaves without effect, and fails with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
};

// A folder of its own, open to the user that the permission tests act as.
class TempFolder : public kalvex_test::TemporaryFolder {
public:
    TempFolder() {
        fs::permissions(Path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
        if (RunningAsRoot()) {
            EXPECT_EQ(chown(Path().c_str(), kNobody, kNobody), 0);
        }
    }
    // A file or folder in it, owned by the user the permission tests act as.
    fs::path Make(const std::string& name, const char* content, fs::perms perms) const {
        const fs::path path = Path() / name;
        if (content != nullptr) {
            std::ofstream(path, std::ios::binary) << content;
        } else {
            fs::create_directory(path);
        }
        if (RunningAsRoot()) {
            EXPECT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
        }
        fs::permissions(path, perms);
        return path;
    }
};

constexpr auto kReadWrite = fs::perms::owner_read | fs::perms::owner_write;

ino_t Inode(const fs::path& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

}  // namespace

TEST(ReportExportPosix, ReplacingKeepsThePermissions) {
    struct Case {
        const char* name;
        bool workedExample;    // otherwise every field empty, no core selected
        const char* previous;  // content of an existing file, or nullptr
        fs::perms mode;        // of the existing file
        std::size_t bytes;
    };
    const Case cases[] = {
        {"keeps the replaced file's permissions", false, "old",
         fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read, 279},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fw::testing::FakeDesktop desktop;
        fw::testing::ScopedDesktop scoped(desktop);
        TempFolder folder;
        const fs::path path = folder.Path() / "Kalvex.TXT";
        if (c.previous != nullptr) folder.Make("Kalvex.TXT", c.previous, c.mode);
        RunMainWindow([&](CCoilDialog& dialog) {
            if (c.workedExample) {
                FillWorkedExample(dialog);
            } else {
                static_cast<CComboBox*>(dialog.GetDlgItem(IDC_CORE))->SetCurSel(-1);
            }
            Save(dialog, desktop, path);

            const std::optional<std::string> written = ReadFile(path);
            ASSERT_TRUE(written.has_value());
            EXPECT_EQ(*written, WithCrLf(dialog.BuildReport().Str()));
            EXPECT_EQ(written->size(), c.bytes);
            EXPECT_TRUE(written->ends_with("\r\n"));
            EXPECT_EQ(folder.Names(), std::vector<std::string>{"Kalvex.TXT"});
            if (c.previous != nullptr) {
                EXPECT_EQ(fs::status(path).permissions(), c.mode);
            }

            ASSERT_EQ(desktop.boxes.size(), 1u);
            EXPECT_EQ(desktop.boxes[0].text, "Salvato in\n\n" + path.string());
            EXPECT_EQ(desktop.boxes[0].caption, AfxGetAppName());
            EXPECT_EQ(desktop.boxes[0].type, MB_ICONINFORMATION);
        });
    }
}

TEST(ReportExportPosix, FailuresAreReportedAndLeaveNoPartialReport) {
    struct Case {
        const char* name;
        std::function<fs::path(const TempFolder&)> target;
        bool unprivileged;
        rlim_t sizeLimit;  // 0: none
        const char* text;  // %1 is the path
        UINT icon;
        std::optional<std::string> content;  // of the target afterwards
        std::vector<std::string> names;      // in the folder afterwards
        int (*lock)(int fd) = nullptr;       // held by another program on the target meanwhile
    };
    const auto previous = [](const TempFolder& f) { return f.Make("Kalvex.TXT", "previous", kReadWrite); };
    const auto withFlock = [](int fd) { return flock(fd, LOCK_EX | LOCK_NB); };
    const auto withLockf = [](int fd) { return lockf(fd, F_TLOCK, 0); };
    const Case cases[] = {
        {"read-only file",
         [](const TempFolder& f) { return f.Make("Kalvex.TXT", "previous", fs::perms::owner_read); },
         true,
         0,
         "Access to %1 was denied.",
         MB_ICONEXCLAMATION,
         "previous",
         {"Kalvex.TXT"}},
        {"read-only folder",
         [](const TempFolder& f) {
             return f.Make("locked", nullptr, fs::perms::owner_read | fs::perms::owner_exec) / "Kalvex.TXT";
         },
         true,
         0,
         "Access to %1 was denied.",
         MB_ICONEXCLAMATION,
         std::nullopt,
         {"locked"}},
        {"a full device",
         [](const TempFolder&) { return fs::path("/dev/full"); },
         false,
         0,
         "Disk full while accessing %1.",
         MB_ICONSTOP,
         std::nullopt,
         {}},
        {"writing fails over a previous file",
         previous,
         false,
         100,
         "Disk full while accessing %1.",
         MB_ICONSTOP,
         "previous",
         {"Kalvex.TXT"}},
        {"writing fails on a new file",
         [](const TempFolder& f) { return f.Path() / "Kalvex.TXT"; },
         false,
         100,
         "Disk full while accessing %1.",
         MB_ICONSTOP,
         std::nullopt,
         {}},
        {"a file another program locks with flock",
         previous,
         false,
         0,
         "A locking violation occurred while accessing %1.",
         MB_ICONEXCLAMATION,
         "previous",
         {"Kalvex.TXT"},
         withFlock},
        {"a file another program holds a record lock on",
         previous,
         false,
         0,
         "A locking violation occurred while accessing %1.",
         MB_ICONEXCLAMATION,
         "previous",
         {"Kalvex.TXT"},
         withLockf},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fw::testing::FakeDesktop desktop;
        fw::testing::ScopedDesktop scoped(desktop);
        TempFolder folder;
        const fs::path path = c.target(folder);
        // Locks of another open of the file are another program's.
        const int other = c.lock != nullptr ? open(path.c_str(), O_RDWR | O_CLOEXEC) : -1;
        if (c.lock != nullptr) {
            ASSERT_EQ(c.lock(other), 0);
        }
        RunMainWindow([&](CCoilDialog& dialog) {
            FillWorkedExample(dialog);
            {
                std::optional<Unprivileged> user;
                if (c.unprivileged) user.emplace();
                std::optional<FileSizeLimit> limit;
                if (c.sizeLimit != 0) limit.emplace(c.sizeLimit);
                Save(dialog, desktop, path);
            }
            ASSERT_EQ(desktop.boxes.size(), 1u);
            CString text = c.text;
            text.Replace("%1", path.string());
            EXPECT_EQ(desktop.boxes[0].text, text.Str());
            EXPECT_EQ(desktop.boxes[0].caption, AfxGetAppName());
            EXPECT_EQ(desktop.boxes[0].type, c.icon);
            if (path.parent_path() == folder.Path()) {
                EXPECT_EQ(ReadFile(path), c.content);
            }
            EXPECT_EQ(folder.Names(), c.names);
            // The program goes on.
            EXPECT_NE(dialog.m_hWnd, nullptr);
        });
        if (other >= 0) close(other);
    }
}

namespace {

// Sets "Numero spire" to `count` digits, for a report larger than a pipe's
// buffer or than the room left on a small disk.
void FillTurns(CCoilDialog& dialog, std::size_t count) {
    fw::testing::SetTextUtf8(Item(dialog, IDC_TURNS), std::string(count, '1'));
}

// What a command prints, or nothing when it cannot be run or fails.
std::optional<std::string> Output(const std::string& command) {
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    std::string output;
    char buffer[256];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, got);
    if (pclose(pipe) != 0) return std::nullopt;
    return output;
}

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

}  // namespace

// A disk without room for the replacement (no free file, or no free bytes):
// the report goes in place, and only when all of it fits; otherwise the old
// report stays whole, under every name it has.
TEST(ReportExportPosix, InPlaceOnAFullDiskLeavesTheOldReport) {
    if (!RunningAsRoot()) GTEST_SKIP() << "mounting a small tmpfs needs root";
    struct Case {
        const char* name;
        bool hardLinked;
        bool diskFull;
        bool spareFile;        // the disk has a free file, but no free bytes
        std::size_t oldBytes;  // of the old report
        bool saved;
    };
    const Case cases[] = {
        {"one name, disk full", false, true, false, 0, false},
        {"two names, disk full", true, true, false, 0, false},
        {"one name, room enough", false, false, false, 0, true},
        {"two names, room enough", true, false, false, 0, true},
        {"a free file, no free bytes, the new report longer", false, true, true, 0, false},
        {"a free file, no free bytes, the new report fits the old", false, true, true, 40000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fw::testing::FakeDesktop desktop;
        fw::testing::ScopedDesktop scoped(desktop);
        TempFolder folder;
        const fs::path disk = folder.Path() / "disk";
        fs::create_directory(disk);
        // 64 KB and room for the folder, the old report (a second name takes
        // room too), one more file which fills the disk or not, and maybe one
        // for the replacement.
        const std::string options =
            "size=64k,nr_inodes=" + std::to_string(3 + (c.hardLinked ? 1 : 0) + (c.spareFile ? 1 : 0));
        if (mount("tmpfs", disk.c_str(), "tmpfs", 0, options.c_str()) != 0) {
            GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
        }
        const fs::path path = disk / "old.txt";
        const std::string old = c.oldBytes == 0 ? "the old report" : std::string(c.oldBytes, 'o');
        std::ofstream(path, std::ios::binary) << old;
        if (c.hardLinked) fs::create_hard_link(path, disk / "link.txt");
        {
            std::ofstream filler(disk / "filler", std::ios::binary);
            const std::string block(4096, 'x');
            for (int i = 0; i < (c.diskFull ? 100 : 2); ++i) filler << block;
        }
        const ino_t inode = Inode(path);

        RunMainWindow([&](CCoilDialog& dialog) {
            FillWorkedExample(dialog);
            FillTurns(dialog, 20000);
            Save(dialog, desktop, path);

            ASSERT_EQ(desktop.boxes.size(), 1u);
            const std::string report = WithCrLf(dialog.BuildReport().Str());
            if (c.saved) {
                EXPECT_EQ(desktop.boxes[0].text, "Salvato in\n\n" + path.string());
            } else {
                EXPECT_EQ(desktop.boxes[0].text, "Disk full while accessing " + path.string() + ".");
                EXPECT_EQ(desktop.boxes[0].type, MB_ICONSTOP);
            }
            const std::string expected = c.saved ? report : old;
            EXPECT_EQ(ReadFile(path), expected);
            EXPECT_EQ(Inode(path), inode);
            if (c.hardLinked) {
                EXPECT_EQ(ReadFile(disk / "link.txt"), expected);
            }
        });
        EXPECT_EQ(umount2(disk.c_str(), MNT_DETACH), 0);
    }
}

// The replacement carries the old file's ACL and attributes, and takes none
// from its folder that the old file did not have.
TEST(ReportExportPosix, ReplacingKeepsTheAclAndAttributes) {
    if (!Output("command -v setfacl && command -v getfacl")) GTEST_SKIP() << "setfacl/getfacl are not installed";
    struct Case {
        const char* name;
        const char* onFile;    // setfacl arguments for the old file, or nullptr
        const char* onFolder;  // setfacl arguments for the folder, after the file was made
        bool userAttribute;
        const char* expected;  // getfacl's entries afterwards
    };
    const Case cases[] = {
        {"a named user, group read only", "-m u:daemon:rw", nullptr, false,
         "user::rw-\nuser:daemon:rw-\ngroup::r--\nmask::rw-\nother::---\n"},
        {"a user attribute", nullptr, nullptr, true, "user::rw-\ngroup::r--\nother::---\n"},
        {"the folder's default ACL is not taken", nullptr, "-d -m u:daemon:rwx", true,
         "user::rw-\ngroup::r--\nother::---\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fw::testing::FakeDesktop desktop;
        fw::testing::ScopedDesktop scoped(desktop);
        TempFolder folder;
        const fs::path path =
            folder.Make("Kalvex.TXT", "old", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        if (c.onFile != nullptr && !Output(std::string("setfacl ") + c.onFile + " " + Quoted(path))) {
            GTEST_SKIP() << "the temporary folder's file system keeps no ACL";
        }
        if (c.onFolder != nullptr && !Output(std::string("setfacl ") + c.onFolder + " " + Quoted(folder.Path()))) {
            GTEST_SKIP() << "the temporary folder's file system keeps no ACL";
        }
        if (c.userAttribute && setxattr(path.c_str(), "user.tag", "kalvex", 6, 0) != 0) {
            GTEST_SKIP() << "the temporary folder's file system keeps no user attributes";
        }

        RunMainWindow([&](CCoilDialog& dialog) {
            FillWorkedExample(dialog);
            Save(dialog, desktop, path);
            EXPECT_EQ(ReadFile(path), WithCrLf(dialog.BuildReport().Str()));
        });
        EXPECT_EQ(Output("getfacl --omit-header --absolute-names " + Quoted(path)), std::string(c.expected) + "\n");
        char value[16] = {};
        if (c.userAttribute) {
            EXPECT_EQ(getxattr(path.c_str(), "user.tag", value, sizeof value), 6);
            EXPECT_STREQ(value, "kalvex");
        }
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"Kalvex.TXT"});
    }
}

// A pipe's reader that goes away, or none at all: an error box naming the
// pipe, and the program goes on.
TEST(ReportExportPosix, APipeThatTakesNothingIsReported) {
    struct Case {
        const char* name;
        bool reader;
        const char* text;
        UINT icon;
    };
    const Case cases[] = {
        {"reader stops early", true, "Disk full while accessing %1.", MB_ICONSTOP},
        {"no reader", false, "%1 contains an invalid path.", MB_ICONEXCLAMATION},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fw::testing::FakeDesktop desktop;
        fw::testing::ScopedDesktop scoped(desktop);
        TempFolder folder;
        const fs::path pipe = folder.Path() / "pipe";
        ASSERT_EQ(mkfifo(pipe.c_str(), 0666), 0);
        std::thread reader;
        int writer = -1;
        if (c.reader) {
            // Opened before the save, so that it finds a reader, which waits
            // for the report (the test's own writer keeps it from reading an
            // end before), takes a few bytes of it and goes. The report does
            // not fit the pipe's small buffer.
            const int fd = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
            ASSERT_GE(fd, 0);
            writer = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
            ASSERT_GE(writer, 0);
            ASSERT_GE(fcntl(fd, F_SETPIPE_SZ, 4096), 0);
            ASSERT_EQ(fcntl(fd, F_SETFL, 0), 0);
            reader = std::thread([fd] {
                char some[16];
                EXPECT_GT(read(fd, some, sizeof some), 0);
                close(fd);
            });
        }
        RunMainWindow([&](CCoilDialog& dialog) {
            FillWorkedExample(dialog);
            FillTurns(dialog, 20000);
            Save(dialog, desktop, pipe);
            ASSERT_EQ(desktop.boxes.size(), 1u);
            CString text = c.text;
            text.Replace("%1", pipe.string());
            EXPECT_EQ(desktop.boxes[0].text, text.Str());
            EXPECT_EQ(desktop.boxes[0].type, c.icon);
        });
        if (reader.joinable()) reader.join();
        if (writer >= 0) close(writer);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"pipe"});
    }
}
