// Files over the system's calls.
//
// Opening works on the target itself first, so that its own errors decide (a
// missing folder, a read-only file, a folder as the target, a file another
// program is writing) and nothing is written when it fails. The target stays
// open, shared with readers but with no other writer, until the file is
// finished.
//
// An existing file is then not touched until the end: the bytes go to a
// temporary file beside it, which replaces it (ReplaceFileW, which gives the
// new file the old one's attributes, ACL and streams) only once everything
// was written and flushed. The old file passes through a backup name on the
// way, so that a replacement that breaks off halfway can put it back.
//
// Where no such replacement can be made (several names for one file, a
// folder without room or rights for another file, a replacement the system
// refuses), the file is written in place: everything is kept in memory until
// it is closed, room for all of it is reserved on the file, and only then are
// the old bytes overwritten. When the room cannot be had, the old file stays
// as it was.
//
// Devices and pipes are written directly, and so is a file that this open
// created (it is removed again when it cannot be finished).
#include <algorithm>
#include <random>
#include <string>

#include "fw/file.h"
#include "fw/internal.h"
#include "fw/win32/system_calls.h"
#include "fw/win32/text.h"

namespace fw::detail {
namespace {

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// Writes all of `data` at the file's position; answers 0 or the error code.
std::uint32_t WriteAll(FileHandle file, const char* data, std::size_t count) {
    while (count > 0) {
        const auto chunk = static_cast<std::uint32_t>(std::min<std::size_t>(count, 1u << 30));
        std::uint32_t written = 0;
        if (const std::uint32_t error = Calls().write(file, data, chunk, &written); error != 0) return error;
        if (written == 0) return kErrorWriteFault;
        data += written;
        count -= written;
    }
    return 0;
}

// A name for a file of ours beside `path`, that no file has yet.
std::u16string NameBeside(const std::u16string& path, const char16_t* kind) {
    static std::mt19937 random{std::random_device{}()};
    const auto slash = path.find_last_of(u"\\/");
    std::u16string name = slash == std::u16string::npos ? std::u16string() : path.substr(0, slash + 1);
    name += u"~kalvex-";
    name += kind;
    for (int digit = 0; digit < 8; ++digit) name += static_cast<char16_t>(u'a' + random() % 26);
    name += u".tmp";
    return name;
}

}  // namespace

struct OpenFile {
    OpenFile() = default;
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() { Discard(); }

    // Answer 0 or the system's error code.
    std::uint32_t Open(const std::u16string& name);
    std::uint32_t Write(const char* data, std::size_t count);
    std::uint32_t Finish();
    // Removes what is unfinished and closes everything.
    void Discard();

private:
    std::uint32_t Fail(std::uint32_t error) {
        Discard();
        return error;
    }
    bool PrepareReplacement(std::uint32_t attributes);
    std::uint32_t Replace();
    std::uint32_t FinishInPlace();
    std::uint32_t Reserve(std::int64_t size);
    void CloseOutput();

    FileHandle m_target = nullptr;  // the file named; keeps other writers out
    FileHandle m_output = nullptr;  // the replacement being written, if any
    bool m_created = false;         // this open created the target: removed if unfinished
    bool m_existing = false;        // an existing file on a disk: replaced or written in place
    std::int64_t m_previousSize = 0;
    std::string m_pending;       // everything written, for a file written in place
    std::u16string m_name;       // the target, in full
    std::u16string m_temporary;  // the replacement's name
};

std::uint32_t OpenFile::Open(const std::u16string& name) {
    m_name = FullPathName(name);
    std::uint32_t error = Calls().create(Wide(m_name), false, 0, &m_target);
    if (error == kErrorFileNotFound) {
        error = Calls().create(Wide(m_name), true, 0, &m_target);
        m_created = error == 0;
        // A file made meanwhile.
        if (error == kErrorFileExists || error == kErrorAlreadyExists)
            error = Calls().create(Wide(m_name), false, 0, &m_target);
    }
    if (error != 0) return Fail(error);

    FileFacts facts;
    if (const std::uint32_t failed = Calls().facts(m_target, &facts); failed != 0) return Fail(failed);
    if (!facts.disk || m_created) return 0;
    m_existing = true;
    m_previousSize = facts.size;
    if (facts.links == 1) PrepareReplacement(facts.attributes);
    return 0;
}

bool OpenFile::PrepareReplacement(std::uint32_t attributes) {
    // The replacement has the old file's attributes from the start (hidden,
    // system, not indexed, ...), whatever the replacing carries over.
    constexpr std::uint32_t kKept = 0x2 | 0x4 | 0x20 | 0x2000;  // hidden, system, archive, not indexed
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::u16string temporary = NameBeside(m_name, u"new-");
        const std::uint32_t error = Calls().create(Wide(temporary), true, attributes & kKept, &m_output);
        if (error == 0) {
            m_temporary = std::move(temporary);
            return true;
        }
        if (error != kErrorFileExists && error != kErrorAlreadyExists) break;
    }
    m_output = nullptr;
    return false;
}

std::uint32_t OpenFile::Write(const char* data, std::size_t count) {
    if (m_existing) m_pending.append(data, count);
    if (m_existing && m_output == nullptr) return 0;
    return WriteAll(m_output != nullptr ? m_output : m_target, data, count);
}

std::uint32_t OpenFile::Finish() {
    std::uint32_t error = 0;
    if (m_output != nullptr) {
        error = Replace();
    } else if (m_existing) {
        error = FinishInPlace();
    } else {
        // A device, or the file this open created.
        if (m_created) error = Calls().flush(m_target);
        const std::uint32_t closed = Calls().close(m_target);
        m_target = nullptr;
        if (error == 0) error = closed;
    }
    if (error != 0) return Fail(error);
    // Finished: nothing is removed from here on.
    m_created = false;
    Discard();
    return 0;
}

std::uint32_t OpenFile::Replace() {
    std::uint32_t error = Calls().flush(m_output);
    const std::uint32_t closed = Calls().close(m_output);
    m_output = nullptr;
    if (error == 0) error = closed;
    if (error != 0) return error;

    const std::u16string backup = NameBeside(m_name, u"old-");
    error = Calls().replace(Wide(m_name), Wide(m_temporary), Wide(backup));
    if (error == 0) {
        // The open target is the old file under its backup name now.
        Calls().close(m_target);
        m_target = nullptr;
        Calls().remove(Wide(backup));
        m_temporary.clear();
        return 0;
    }
    if (error == kErrorReplacedRenamed) {
        // The old file went to the backup name and the new one could not
        // take its place: the old one goes back.
        if (Calls().move(Wide(backup), Wide(m_name)) != 0) return error;
    } else if (error == kErrorFileNotFound) {
        // The target went away meanwhile: the new file takes its name.
        if (Calls().move(Wide(m_temporary), Wide(m_name)) == 0) {
            m_temporary.clear();
            return 0;
        }
    }
    // Both files are as they were: the system would not replace the target
    // (its rights, its folder's, its place); written in place instead.
    CloseOutput();
    return FinishInPlace();
}

std::uint32_t OpenFile::FinishInPlace() {
    const auto size = static_cast<std::int64_t>(m_pending.size());
    if (const std::uint32_t error = Reserve(size); error != 0) return error;
    // The old content is given up from here on. Should writing fail all the
    // same (a failing device), the file gets its old length back.
    std::uint32_t error = Calls().seek(m_target, 0);
    if (error == 0) error = WriteAll(m_target, m_pending.data(), m_pending.size());
    if (error == 0 && size < m_previousSize) {
        error = Calls().seek(m_target, size);
        if (error == 0) error = Calls().setEnd(m_target);
    }
    if (error == 0) error = Calls().flush(m_target);
    if (error != 0 && size > m_previousSize && Calls().seek(m_target, m_previousSize) == 0) Calls().setEnd(m_target);
    if (error != 0) return error;
    const std::uint32_t closed = Calls().close(m_target);
    m_target = nullptr;
    return closed;
}

// Makes sure that the file holds room for `size` bytes, without changing a
// byte of what it holds; when that fails, it keeps its old length too.
std::uint32_t OpenFile::Reserve(std::int64_t size) {
    if (size <= m_previousSize) return 0;
    std::uint32_t error = Calls().seek(m_target, size);
    if (error == 0) error = Calls().setEnd(m_target);
    if (error != 0 && Calls().seek(m_target, m_previousSize) == 0) Calls().setEnd(m_target);
    return error;
}

void OpenFile::CloseOutput() {
    if (m_output != nullptr) Calls().close(m_output);
    m_output = nullptr;
    if (!m_temporary.empty()) Calls().remove(Wide(m_temporary));
    m_temporary.clear();
}

void OpenFile::Discard() {
    CloseOutput();
    if (m_target != nullptr) Calls().close(m_target);
    m_target = nullptr;
    if (m_created) Calls().remove(Wide(m_name));
    m_created = false;
    m_existing = false;
    m_pending.clear();
}

}  // namespace fw::detail

CFile::CFile() = default;
CFile::~CFile() = default;

BOOL CFile::Open(const CString& strFileName, UINT nOpenFlags, CFileException* pError) {
    Abort();
    const auto fail = [&](std::uint32_t error) {
        if (pError != nullptr) {
            pError->m_cause = CFileException::OsErrorToException(static_cast<LONG>(error));
            pError->m_lOsError = static_cast<LONG>(error);
            pError->m_strFileName = strFileName;
        }
        return FALSE;
    };
    if ((nOpenFlags & modeCreate) == 0 || (nOpenFlags & modeAccessMask) != modeWrite) {
        return fail(fw::detail::kErrorInvalidParameter);
    }

    // A name chosen in the file dialog goes to the file system as it was
    // chosen, whatever the program's text shows of it.
    const std::string* spelling = fw::detail::NativeSpelling(strFileName);
    const std::u16string native =
        fw::win32::Utf16FromUtf8(spelling != nullptr ? *spelling : fw::detail::NativeFileName(strFileName.View()));
    auto file = std::make_unique<fw::detail::OpenFile>();
    if (const std::uint32_t error = file->Open(native); error != 0) return fail(error);
    m_file = std::move(file);
    m_strFileName =
        spelling != nullptr ? strFileName : CString(fw::win32::Windows1252FromUtf16(fw::detail::FullPathName(native)));
    return TRUE;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
    if (m_file == nullptr) {
        AfxThrowFileException(CFileException::invalidFile, fw::detail::kErrorInvalidHandle, m_strFileName);
    }
    if (const std::uint32_t error = m_file->Write(static_cast<const char*>(lpBuf), nCount); error != 0) {
        Abort();
        AfxThrowFileException(CFileException::diskFull, static_cast<LONG>(error), m_strFileName);
    }
}

void CFile::Close() {
    if (m_file == nullptr) return;
    const auto file = std::move(m_file);
    if (const std::uint32_t error = file->Finish(); error != 0) {
        AfxThrowFileException(CFileException::diskFull, static_cast<LONG>(error), m_strFileName);
    }
}

void CFile::Abort() { m_file.reset(); }
