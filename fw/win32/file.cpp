// The file operations over the system's calls. Names are kept as the bytes
// of their UTF-16 (fw/win32/text.h).
#include <algorithm>
#include <cstdint>
#include <string>

#include "fw/file_system.h"
#include "fw/win32/system_calls.h"
#include "fw/win32/text.h"

namespace fw::detail::files {
namespace {

HANDLE Native(Handle file) { return reinterpret_cast<HANDLE>(file); }
Handle Own(HANDLE file) { return reinterpret_cast<Handle>(file); }

// A name as the system takes it, and its file name for the calls.
struct Wide {
    explicit Wide(const std::string& name) : text(win32::Utf16FromUtf8(name)) {}
    const wchar_t* get() const { return reinterpret_cast<const wchar_t*>(text.c_str()); }
    std::u16string text;
};

bool Exists(DWORD error) { return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS; }

// Takes the open file as the target's and learns what it is; closes it
// again if that fails.
int Take(Target* target, HANDLE file) {
    FileFacts facts;
    if (const DWORD error = Calls().facts(file, &facts); error != 0) {
        Calls().close(file);
        return static_cast<int>(error);
    }
    target->handle = Own(file);
    target->regular = facts.disk;
    target->linked = facts.links > 1;
    target->size = facts.size;
    return 0;
}

}  // namespace

int OpenTarget(const std::string& name, Target* target) {
    target->name = FullPathName(name);
    const Wide wide(target->name);
    HANDLE file = nullptr;
    DWORD error = Calls().create(wide.get(), Creation::existing, 0, &file);
    if (error == ERROR_FILE_NOT_FOUND) {
        error = Calls().create(wide.get(), Creation::created, 0, &file);
        target->created = error == 0;
        // A file made meanwhile.
        if (Exists(error)) error = Calls().create(wide.get(), Creation::existing, 0, &file);
    }
    if (error != 0) return static_cast<int>(error);
    const int failed = Take(target, file);
    if (failed != 0 && target->created) Calls().remove(wide.get());
    if (failed != 0) target->created = false;
    return failed;
}

int ReopenTarget(Target* target) {
    HANDLE file = nullptr;
    const DWORD error = Calls().create(Wide(target->name).get(), Creation::existing, 0, &file);
    return error != 0 ? static_cast<int>(error) : Take(target, file);
}

int WriteAll(Handle file, const char* data, std::size_t count, std::int64_t offset) {
    while (count > 0) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(count, 1u << 30));
        DWORD written = 0;
        if (const DWORD error = Calls().write(Native(file), data, chunk, offset, &written); error != 0) {
            return static_cast<int>(error);
        }
        if (written == 0) return ERROR_WRITE_FAULT;
        data += written;
        count -= written;
        if (offset >= 0) offset += written;
    }
    return 0;
}

int Sync(Handle file) { return static_cast<int>(Calls().flush(Native(file))); }
int Close(Handle file) { return static_cast<int>(Calls().close(Native(file))); }
int Remove(const std::string& name) { return static_cast<int>(Calls().remove(Wide(name).get())); }

int SetLength(Handle file, std::int64_t size) { return static_cast<int>(Calls().setLength(Native(file), size)); }
int Reserve(const Target& target, std::int64_t size) {
    return static_cast<int>(Calls().reserve(Native(target.handle), size));
}

int FreeSpace(const Target& target, std::int64_t* bytes) {
    const std::string folder = target.name.substr(0, target.name.find_last_of("\\/") + 1);
    std::uint64_t free = 0;
    const DWORD error = Calls().freeSpace(Wide(folder).get(), &free);
    *bytes = static_cast<std::int64_t>(std::min<std::uint64_t>(free, INT64_MAX));
    return static_cast<int>(error);
}

// The replacement has the old file's attributes (hidden, system, not
// indexed, ...) from the start.
int CreateReplacement(const Target& target, Replacement* replacement) {
    FileFacts facts;
    if (const DWORD error = Calls().facts(Native(target.handle), &facts); error != 0) {
        return static_cast<int>(error);
    }
    DWORD error = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = NameBeside(target.name, "\\/", "~kalvex-new-", ".tmp");
        HANDLE file = nullptr;
        error = Calls().create(Wide(name).get(), Creation::replacement, facts.attributes, &file);
        if (error == 0) {
            // It goes with its handle until it is complete, so that a save
            // cut short leaves nothing behind; where the system cannot say
            // so, it is removed as before.
            Calls().dispose(file, true);
            replacement->handle = Own(file);
            replacement->name = std::move(name);
            return 0;
        }
        if (!Exists(error)) break;
    }
    return static_cast<int>(error);
}

// The DACL; a file of another owner, or with streams besides its data, is
// not replaced.
int CarryAttributes(const Target& target, const Replacement& replacement) {
    const Wide name(target.name);
    bool streams = false;
    DWORD error = Calls().namedStreams(name.get(), &streams);
    if (error == 0 && streams) error = ERROR_NOT_SUPPORTED;
    if (error == 0) error = Calls().carrySecurity(name.get(), Native(replacement.handle));
    return static_cast<int>(error);
}

int Replace(const Target& target, Replacement* replacement) {
    DWORD error = Calls().dispose(Native(replacement->handle), false);
    if (error == 0) error = Calls().rename(Native(replacement->handle), Wide(target.name).get());
    if (error == 0) replacement->name.clear();
    return static_cast<int>(error);
}

// Flushing a file once more after it was renamed writes its new name
// through; a new file's first flush did that already.
int SyncName(const Target& target, Handle file) { return target.created ? 0 : Sync(file); }

std::string FullPathName(const std::string& name) {
    return win32::Utf8FromUtf16(detail::FullPathName(win32::Utf16FromUtf8(name)));
}

ErrorKind KindOf(int error) {
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case kErrorDiskQuotaExceeded:
        return ErrorKind::noRoom;
    case ERROR_CALL_NOT_IMPLEMENTED:
    case ERROR_INVALID_FUNCTION:
    case ERROR_INVALID_PARAMETER:
    case ERROR_NOT_SUPPORTED:
        return ErrorKind::unsupported;
    default:
        return ErrorKind::other;
    }
}

int InvalidArgumentError() { return ERROR_INVALID_PARAMETER; }
int InvalidHandleError() { return ERROR_INVALID_HANDLE; }
int NoRoomError() { return ERROR_DISK_FULL; }

}  // namespace fw::detail::files
