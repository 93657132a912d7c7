// Saving a file, on every platform, over the operations of fw/file_system.h.
//
// Opening works on the target itself first, so that its own errors decide (a
// missing folder, a read-only file or folder, a folder as the target, a file
// another program is writing) and nothing is written when it fails. The
// target stays open, kept from other writers, until the file is finished.
//
// A device or a pipe is written directly, and so is a file that this open
// created (it is removed again when it cannot be finished). An existing file
// is not touched until the end: everything is kept in memory until the file
// is closed, then written to a replacement beside it, which takes the file's
// owner, permissions, ACL and other attributes, and last its name, in one
// step, so that the name always holds the old file or the new one.
//
// Where no such replacement can be made (several names for one file, a
// folder without room or rights for another file, a disk without room for
// both, an attribute that the replacement cannot take, a replacement that
// the system will not put in place), the file is written in place: room for
// all of it is reserved on the file without showing it longer, and only then
// are the old bytes overwritten. When the room cannot be had, the old file
// stays as it was.
#include "fw/file.h"

#include <memory>
#include <random>
#include <string>

#include "fw/file_system.h"
#include "fw/internal.h"

namespace fw::detail {

using files::kNoHandle;

struct OpenFile {
    OpenFile() = default;
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() { Discard(); }

    // Each answers 0 or the system's error code.
    int Open(const std::string& name) { return files::OpenTarget(name, &m_target); }
    int Write(const char* data, std::size_t count);
    int Finish();
    // Removes what is unfinished and closes everything.
    void Discard();

private:
    bool Direct() const { return !m_target.regular || m_target.created; }
    int Replace(bool* inPlace);
    int WriteInPlace();
    int Reserve(std::int64_t size);
    void DiscardReplacement();

    files::Target m_target;
    files::Replacement m_replacement;
    std::string m_pending;  // an existing file's new content
};

int OpenFile::Write(const char* data, std::size_t count) {
    if (Direct()) return files::WriteAll(m_target.handle, data, count, -1);
    m_pending.append(data, count);
    return 0;
}

int OpenFile::Finish() {
    int error = 0;
    if (Direct()) {
        // A device's or a pipe's last word may come with closing it.
        if (m_target.regular) error = files::Sync(m_target.handle);
        if (m_target.regular && error == 0) error = files::SyncName(m_target, m_target.handle);
        const int closed = files::Close(m_target.handle);
        m_target.handle = kNoHandle;
        if (error == 0) error = closed;
    } else {
        bool inPlace = m_target.linked;
        if (!inPlace) error = Replace(&inPlace);
        if (inPlace) error = WriteInPlace();
    }
    if (error == 0) m_target.created = false;  // finished: nothing is removed from here on
    Discard();
    return error;
}

// Answers 0 once the replacement has the target's name, and closes the old
// file. A replacement that cannot be made sets `inPlace` and answers 0, the
// old file as it was; any other error is the save's.
int OpenFile::Replace(bool* inPlace) {
    if (files::CreateReplacement(m_target, &m_replacement) != 0 ||
        files::CarryAttributes(m_target, m_replacement) != 0) {
        DiscardReplacement();
        *inPlace = true;
        return 0;
    }
    int error = files::WriteAll(m_replacement.handle, m_pending.data(), m_pending.size(), 0);
    if (error == 0) error = files::Sync(m_replacement.handle);
    if (error != 0) {
        // A disk without room for both files may still have it in the old one.
        *inPlace = files::KindOf(error) == files::ErrorKind::noRoom;
        if (*inPlace) DiscardReplacement();
        return *inPlace ? 0 : error;
    }
    // The old file is let go (and other writers with it) just before the
    // name passes to the new one; should that fail, it is taken up again.
    files::Close(m_target.handle);
    m_target.handle = kNoHandle;
    error = files::Replace(m_target, &m_replacement);
    if (error != 0) {
        DiscardReplacement();
        error = files::ReopenTarget(&m_target);
        *inPlace = error == 0;
        return error;
    }
    // Without this, a power cut could bring the old file back although the
    // save said it was done. The name is the new file's now, which nothing
    // can undo: should making it durable fail, or closing the file, the save
    // is done all the same.
    files::SyncName(m_target, m_replacement.handle);
    files::Close(m_replacement.handle);
    m_replacement.handle = kNoHandle;
    return 0;
}

// Written from the start, the file shows at any instant the new content's
// first part over the old content's rest, never a byte that neither has,
// and it is cut to the new length only once all of it is there.
int OpenFile::WriteInPlace() {
    const auto size = static_cast<std::int64_t>(m_pending.size());
    if (const int error = Reserve(size); error != 0) return error;
    // The old content is given up from here on. Should writing fail all the
    // same (a failing device), the file gets its old length back, and keeps
    // those of its old bytes that were not written over yet.
    int error = files::WriteAll(m_target.handle, m_pending.data(), m_pending.size(), 0);
    if (error == 0) error = files::SetLength(m_target.handle, size);
    if (error == 0) error = files::Sync(m_target.handle);
    if (error != 0 && size > m_target.size) files::SetLength(m_target.handle, m_target.size);
    // Synced: what closing it says no longer matters.
    return error;
}

// Where the file system cannot reserve room, the disk must have it free,
// with some to spare for the file system's own blocks.
int OpenFile::Reserve(std::int64_t size) {
    const int error = files::Reserve(m_target, size);
    if (error == 0 || files::KindOf(error) != files::ErrorKind::unsupported) return error;
    constexpr std::int64_t kSpare = 64 * 1024;
    std::int64_t free = 0;
    if (const int failed = files::FreeSpace(m_target, &free); failed != 0) return failed;
    return size <= m_target.size || free >= size - m_target.size + kSpare ? 0 : files::NoRoomError();
}

void OpenFile::DiscardReplacement() {
    if (m_replacement.handle != kNoHandle) files::Close(m_replacement.handle);
    if (!m_replacement.name.empty()) files::Remove(m_replacement.name);
    m_replacement = {};
}

void OpenFile::Discard() {
    DiscardReplacement();
    if (m_target.handle != kNoHandle) files::Close(m_target.handle);
    if (m_target.created) files::Remove(m_target.name);
    m_target = {};
    m_pending.clear();
}

}  // namespace fw::detail

std::string fw::detail::files::NameBeside(const std::string& path, const char* separators, const char* prefix,
                                          const char* suffix) {
    static std::mt19937 random{std::random_device{}()};
    const auto separator = path.find_last_of(separators);
    std::string name = separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
    name += prefix;
    for (int letter = 0; letter < 8; ++letter) name += static_cast<char>('a' + random() % 26);
    return name + suffix;
}

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
    if ((nOpenFlags & modeCreate) == 0 || (nOpenFlags & modeAccessMask) != modeWrite) {
        return fail(fw::detail::files::InvalidArgumentError());
    }

    // A name chosen in the file dialog goes to the file system as it was
    // chosen, whatever the program's text shows of it.
    const std::string* spelling = fw::detail::NativeSpelling(strFileName);
    const std::string native = spelling != nullptr ? *spelling : fw::detail::NativeFileName(strFileName.View());
    auto file = std::make_unique<fw::detail::OpenFile>();
    if (const int error = file->Open(native); error != 0) return fail(error);
    m_file = std::move(file);
    m_strFileName = spelling != nullptr
                        ? strFileName
                        : CString(fw::detail::FromNativeFileName(fw::detail::files::FullPathName(native)));
    return TRUE;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
    if (m_file == nullptr) {
        AfxThrowFileException(CFileException::invalidFile, fw::detail::files::InvalidHandleError(), m_strFileName);
    }
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
