// Saving a file over the system's calls: the target's own errors, the
// replacement of an existing file, writing in place, and every call failing
// in turn through the framework's table of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "fw/file.h"
#include "fw/internal.h"
#include "fw/win32/system_calls.h"
#include "fw/win32/text.h"
#include "tests/support/temporary_folder.h"
#include "tests/win32/native_files.h"

namespace fs = std::filesystem;
using fw::detail::SystemCalls;
using Folder = kalvex_test::TemporaryFolder;

namespace {

// What a file holds, shortly: the old report, the new one, or how many
// other bytes.
std::string Holds(const std::optional<std::string>& content);

std::optional<std::string> Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in || fs::is_directory(path)) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Make(const fs::path& path, const std::string& content) { std::ofstream(path, std::ios::binary) << content; }

// The program's text for a path of the test's.
CString Named(const fs::path& path) {
    return fw::detail::FromNativeFileName(fw::win32::Utf8FromUtf16(path.u16string()));
}

std::string WithCrLf(const std::string& text) {
    std::string result;
    for (const char c : text) {
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}

constexpr char kOld[] = "the old report, which must stay whole\n";
// Longer than the old file, so that its room must grow.
const std::string kNew = "Numero spire: " + std::string(5000, '7') + "\nfine\n";

std::string Holds(const std::optional<std::string>& content) {
    if (!content) return "no file";
    if (*content == kOld) return "the old report";
    if (*content == WithCrLf(kNew)) return "the new report";
    return std::to_string(content->size()) + " other bytes";
}

// Writes kNew through the framework; answers the cause of the failure, if any.
std::optional<int> Save(const CString& name) {
    CStdioFile file;
    CFileException error;
    if (!file.Open(name, CFile::modeCreate | CFile::modeWrite, &error)) return error.m_cause;
    try {
        file.WriteString(kNew.c_str());
        file.Close();
    } catch (CFileException* thrown) {
        const int cause = thrown->m_cause;
        thrown->Delete();
        return cause;
    }
    return std::nullopt;
}

}  // namespace

TEST(Win32FileNames, ConvertBetweenTheCodePageAndUtf16) {
    struct Case {
        const char* name;
        std::string program;  // Windows-1252
        std::string native;   // the UTF-16 as bytes
    };
    const Case cases[] = {
        {"ASCII", "C:\\Temp\\Kalvex.TXT", "C:\\Temp\\Kalvex.TXT"},
        {"Latin-1", "\xB5H \xE0", "\xC2\xB5H \xC3\xA0"},
        {"the euro sign and the quotes above 0x7F", "\x80\x93\x94\x9F", "\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D\xC5\xB8"},
        {"bytes without a character", "\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fw::detail::NativeFileName(c.program), c.native);
        EXPECT_EQ(fw::detail::FromNativeFileName(c.native), c.program);
    }
    // Characters without a byte, one '?' each, a surrogate pair as one.
    const std::pair<std::u16string, std::string> shown[] = {
        {u"\u0395\u03BB\u03BB\u03AC\u03B4\u03B1.txt", "??????.txt"},
        {u"rep\U0001F600.txt", "rep?.txt"},
        {u"a\xD800"
         "b\xDC00",
         "a?b?"},  // surrogates alone
    };
    for (const auto& [native, program] : shown) {
        EXPECT_EQ(fw::detail::FromNativeFileName(fw::win32::Utf8FromUtf16(native)), program);
    }
}

// A name on Windows is any sequence of UTF-16 units, well formed or not: it
// must come back exactly from the bytes it is kept in.
TEST(Win32FileNames, EveryNameComesBackExactly) {
    const std::u16string names[] = {
        u"C:\\Users\\\u00C9lodie\\r\u00E9sum\u00E9.txt",
        u"\u65E5\u672C\u8A9E\\\u5831\u544A.txt",
        u"rep\U0001F600.txt",
        u"lone \xD83D high, lone \xDE00 low, reversed \xDE00\xD83D",
        std::u16string(u"\x0001\x007F\x0080\x07FF\x0800\xFFFF", 6),
    };
    for (const std::u16string& name : names) {
        EXPECT_EQ(fw::win32::Utf16FromUtf8(fw::win32::Utf8FromUtf16(name)), name);
    }
    // Bytes that are no UTF-8 still name something, one unit a byte.
    EXPECT_EQ(fw::win32::Utf16FromUtf8("a\xFF\xC3"), std::u16string(u"a\u00FF\u00C3"));
}

TEST(Win32File, TheTargetsOwnErrorsDecideAndNothingIsWritten) {
    struct Case {
        const char* name;
        std::function<fs::path(const Folder&)> target;
        int cause;
        std::optional<std::string> content;  // of the target afterwards
    };
    const auto readOnly = [](const Folder& f) {
        Make(f / "report.txt", kOld);
        SetFileAttributesW((f / "report.txt").c_str(), FILE_ATTRIBUTE_READONLY);
        return f / "report.txt";
    };
    // Under Wine, root writes a read-only file all the same.
    const bool readOnlyHonoured = [] {
        Folder folder;
        Make(folder / "probe.txt", "");
        SetFileAttributesW((folder / "probe.txt").c_str(), FILE_ATTRIBUTE_READONLY);
        return !kalvex_test::HeldOpen(folder / "probe.txt").IsOpen();
    }();
    const Case cases[] = {
        {"missing folder", [](const Folder& f) { return f / "missing" / "report.txt"; }, CFileException::badPath,
         std::nullopt},
        {"a name that cannot be one", [](const Folder& f) { return f / "a<b>.txt"; }, CFileException::badPath,
         std::nullopt},
        {"read-only file", readOnly, CFileException::accessDenied, kOld},
        {"a folder as the target",
         [](const Folder& f) {
             fs::create_directory(f / "report.txt");
             return f / "report.txt";
         },
         CFileException::accessDenied, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.content == kOld && !readOnlyHonoured) {
            std::cout << "[ skipped ] " << c.name << ": this system lets this user write read-only files\n";
            continue;
        }
        Folder folder;
        const fs::path path = c.target(folder);
        const std::vector<std::string> before = folder.Names();
        CStdioFile file;
        CFileException error;
        const CString name = Named(path);
        EXPECT_FALSE(file.Open(name, CFile::modeCreate | CFile::modeWrite, &error));
        EXPECT_EQ(error.m_cause, c.cause) << "system error " << error.m_lOsError;
        EXPECT_EQ(error.m_strFileName, name);
        EXPECT_EQ(Holds(Read(path)), Holds(c.content));
        EXPECT_EQ(folder.Names(), before);
    }
}

TEST(Win32File, AFileAnotherProgramWritesIsASharingViolation) {
    Folder folder;
    const fs::path path = folder / "report.txt";
    Make(path, kOld);
    kalvex_test::HeldOpen other(path);
    ASSERT_TRUE(other.IsOpen());
    EXPECT_EQ(Save(Named(path)), std::optional<int>(CFileException::sharingViolation));
    EXPECT_EQ(Holds(Read(path)), "the old report");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"report.txt"});
}

TEST(Win32File, WritesTheWholeFileWithCrLfAndLeavesNothingElse) {
    struct Case {
        const char* name;
        std::function<void(const Folder&)> prepare;
        bool sameFile;                   // written in place rather than replaced
        std::vector<std::string> names;  // in the folder afterwards
    };
    const Case cases[] = {
        {"a new file", [](const Folder&) {}, false, {"report.txt"}},
        {"an existing, longer file",
         [](const Folder& f) { Make(f / "report.txt", std::string(20000, 'x')); },
         false,
         {"report.txt"}},
        {"an existing, shorter file", [](const Folder& f) { Make(f / "report.txt", kOld); }, false, {"report.txt"}},
        {"a file with a second name, written in place",
         [](const Folder& f) {
             Make(f / "report.txt", kOld);
             fs::create_hard_link(f / "report.txt", f / "other name.txt");
         },
         true,
         {"other name.txt", "report.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Folder folder;
        c.prepare(folder);
        const fs::path path = folder / "report.txt";
        const std::uint64_t before = kalvex_test::FileIdOf(path);
        EXPECT_EQ(Save(Named(path)), std::nullopt);
        if (before != 0) {
            EXPECT_EQ(kalvex_test::FileIdOf(path) == before, c.sameFile);
        }
        EXPECT_EQ(folder.Names(), c.names);
        for (const std::string& name : c.names) EXPECT_EQ(Holds(Read(folder / name)), "the new report") << name;
    }
}

// The replacement takes the old file's attributes and DACL; the old file's
// place stays its own.
TEST(Win32File, ReplacingKeepsTheAttributesAndTheDacl) {
    Folder folder;
    const fs::path path = folder / "report.txt";
    Make(path, kOld);
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    // Everyone may write it, which a new file in that folder would not allow.
    ASSERT_TRUE(kalvex_test::SetDacl(path, "D:P(A;;FA;;;WD)"));
    const std::string dacl = kalvex_test::DaclOf(path);
    EXPECT_EQ(Save(Named(path)), std::nullopt);
    EXPECT_EQ(Holds(Read(path)), "the new report");
    EXPECT_EQ(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(kalvex_test::DaclOf(path), dacl);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"report.txt"});
}

TEST(Win32File, ADeviceIsWrittenDirectly) { EXPECT_EQ(Save("NUL"), std::nullopt); }

namespace {

// Calls that count, and the one numbered g_failAt fails as a full disk does.
int g_calls = 0;
int g_failAt = 0;
bool g_wrote = false;         // bytes went out before the failure
bool g_removeFailed = false;  // what failed was removing a file
constexpr DWORD kDiskFull = ERROR_DISK_FULL;

template <auto A, auto B>
constexpr bool kSame = false;
template <auto A>
constexpr bool kSame<A, A> = true;

struct Counted {
    template <auto kCall, class... Args>
    static DWORD Call(Args... args) {
        const bool fails = ++g_calls == g_failAt;
        if constexpr (kSame<kCall, &SystemCalls::close>) {
            // A handle is closed even when closing reports an error.
            const DWORD error = (fw::detail::RealCalls().*kCall)(args...);
            return fails ? kDiskFull : error;
        }
        if (kSame<kCall, &SystemCalls::remove> && fails) g_removeFailed = true;
        if (kSame<kCall, &SystemCalls::write> && g_calls < g_failAt) g_wrote = true;
        return fails ? kDiskFull : (fw::detail::RealCalls().*kCall)(args...);
    }
};

// Every call of the table through `Hook::Call`.
template <class Hook>
SystemCalls Through() {
    SystemCalls calls{};
    calls.create = Hook::template Call<&SystemCalls::create>;
    calls.facts = Hook::template Call<&SystemCalls::facts>;
    calls.write = Hook::template Call<&SystemCalls::write>;
    calls.setLength = Hook::template Call<&SystemCalls::setLength>;
    calls.reserve = Hook::template Call<&SystemCalls::reserve>;
    calls.freeSpace = Hook::template Call<&SystemCalls::freeSpace>;
    calls.flush = Hook::template Call<&SystemCalls::flush>;
    calls.close = Hook::template Call<&SystemCalls::close>;
    calls.dispose = Hook::template Call<&SystemCalls::dispose>;
    calls.rename = Hook::template Call<&SystemCalls::rename>;
    calls.carrySecurity = Hook::template Call<&SystemCalls::carrySecurity>;
    calls.namedStreams = Hook::template Call<&SystemCalls::namedStreams>;
    calls.remove = Hook::template Call<&SystemCalls::remove>;
    return calls;
}

}  // namespace

// Whichever call fails, a save either reports success with the whole new
// report in the file, or reports the failure with the old file as it was (or
// no file, where there was none); nothing of ours stays behind, unless
// removing it was what failed.
TEST(Win32File, EachCallFailingInTurnKeepsTheOldFileOrWritesTheNew) {
    struct Case {
        const char* name;
        const char* previous;  // nullptr: no file there
        bool hardLinked;
    };
    const Case cases[] = {
        {"a new file", nullptr, false},
        {"replacing a file", kOld, false},
        {"a file with a second name, written in place", kOld, true},
    };
    // Written in place, the old bytes are given up once the new ones begin to
    // go out; the failure is reported all the same.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool reachedTheEnd = false;
        for (g_failAt = 1; !reachedTheEnd && g_failAt < 100; ++g_failAt) {
            SCOPED_TRACE("failing call " + std::to_string(g_failAt));
            Folder folder;
            const fs::path path = folder / "report.txt";
            std::vector<std::string> names;
            if (c.previous != nullptr) {
                Make(path, c.previous);
                names.push_back("report.txt");
            }
            if (c.hardLinked) {
                fs::create_hard_link(path, folder / "link.txt");
                names.insert(names.begin(), "link.txt");
            }
            g_calls = 0;
            g_removeFailed = false;
            g_wrote = false;
            std::optional<int> cause;
            {
                fw::detail::ScopedSystemCalls counted(Through<Counted>());
                cause = Save(Named(path));
            }
            reachedTheEnd = g_calls < g_failAt;
            const std::optional<std::string> expected =
                cause ? (c.previous != nullptr ? std::optional<std::string>(c.previous) : std::nullopt)
                      : WithCrLf(kNew);
            if (cause) {
                EXPECT_EQ(cause, std::optional<int>(CFileException::diskFull));
            }
            if (!(cause && c.hardLinked && g_wrote)) {
                EXPECT_EQ(Holds(Read(path)), Holds(expected));
                if (c.hardLinked) {
                    EXPECT_EQ(Holds(Read(folder / "link.txt")), Holds(expected));
                }
            }
            if (!cause && c.previous == nullptr) names = {"report.txt"};
            if (!g_removeFailed) {
                EXPECT_EQ(folder.Names(), names);
            }
        }
        EXPECT_TRUE(reachedTheEnd);
    }
}

namespace {

// The system refusing to rename over the old file (another program has it
// open, say): both files as they were.
DWORD Refuses(HANDLE, const wchar_t*) { return ERROR_ACCESS_DENIED; }

}  // namespace

// A replacement the system will not put in place leaves the old file in its
// place, which is then written in place.
TEST(Win32File, AReplacementThatIsRefusedLeavesTheOldFileToBeWrittenInPlace) {
    Folder folder;
    const fs::path path = folder / "report.txt";
    Make(path, kOld);
    const std::uint64_t before = kalvex_test::FileIdOf(path);
    SystemCalls calls = fw::detail::RealCalls();
    calls.rename = Refuses;
    {
        fw::detail::ScopedSystemCalls scoped(calls);
        EXPECT_EQ(Save(Named(path)), std::nullopt);
    }
    EXPECT_EQ(Holds(Read(path)), "the new report");
    EXPECT_EQ(kalvex_test::FileIdOf(path), before);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"report.txt"});
}

namespace {

// The steps at which a kill would have left the name without the old or the
// new report.
std::vector<std::string> g_emptyAt;
fs::path g_watched;

struct Watched {
    template <auto kCall, class... Args>
    static DWORD Call(Args... args) {
        const DWORD result = (fw::detail::RealCalls().*kCall)(args...);
        // A name that the save alone holds open is not empty either.
        const std::optional<std::string> content = Read(g_watched);
        const std::string held = content || !fs::exists(g_watched) ? Holds(content) : "the new report";
        if (held != "the old report" && held != "the new report") g_emptyAt.push_back(held);
        return result;
    }
};

}  // namespace

// A save can stop at any step (a kill, a power cut): the name holds the old
// report or the new one after each.
TEST(Win32File, AtEveryStepTheNameHoldsTheOldOrTheNewReport) {
    Folder folder;
    g_watched = folder / "report.txt";
    Make(g_watched, kOld);
    g_emptyAt.clear();
    const SystemCalls calls = Through<Watched>();
    {
        fw::detail::ScopedSystemCalls scoped(calls);
        EXPECT_EQ(Save(Named(g_watched)), std::nullopt);
    }
    EXPECT_EQ(Holds(Read(g_watched)), "the new report");
    EXPECT_EQ(g_emptyAt, std::vector<std::string>{});
}

namespace {

// The calls that make a save durable, in their order.
std::vector<std::string> g_log;

DWORD LoggedFlush(HANDLE file) {
    g_log.push_back("flush");
    return fw::detail::RealCalls().flush(file);
}
DWORD LoggedRename(HANDLE file, const wchar_t* to) {
    g_log.push_back("rename");
    return fw::detail::RealCalls().rename(file, to);
}

}  // namespace

// The file's data is flushed before it takes the name, and the file again
// after, which makes the system write its new name through.
TEST(Win32File, TheNewNameIsFlushedOnceItIsGiven) {
    struct Case {
        const char* name;
        bool existing;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"a new file", false, {"flush"}},
        {"replacing a file", true, {"flush", "rename", "flush"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Folder folder;
        const fs::path path = folder / "report.txt";
        if (c.existing) Make(path, kOld);
        g_log.clear();
        SystemCalls calls = fw::detail::RealCalls();
        calls.flush = LoggedFlush;
        calls.rename = LoggedRename;
        {
            fw::detail::ScopedSystemCalls scoped(calls);
            EXPECT_EQ(Save(Named(path)), std::nullopt);
        }
        EXPECT_EQ(Holds(Read(path)), "the new report");
        EXPECT_EQ(g_log, c.log);
    }
}
