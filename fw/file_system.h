// What a platform gives the framework's file code (fw/file.cpp): a few
// operations on files over the system's calls, in standard types. Each
// answers 0 or the system's error code (errno, GetLastError). Not for the
// program's use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fw::detail::files {

// A file descriptor or a Windows handle.
using Handle = std::intptr_t;
inline constexpr Handle kNoHandle = -1;

// The file the user named, open for writing and kept from other writers.
struct Target {
    Handle handle = kNoHandle;
    std::string name;      // in full, as the file system spells it
    bool created = false;  // this open made it
    bool regular = false;  // a file on a disk, not a device or a pipe
    bool linked = false;   // it has other names too
    std::int64_t size = 0;
};

// A new file beside the target, written whole and then given its name.
struct Replacement {
    Handle handle = kNoHandle;
    std::string name;  // empty while it has none
};

// Opens an existing file as it is, without cutting it, or creates it; a
// device or a pipe does not block the open. `name` as the file system
// spells it.
int OpenTarget(const std::string& name, Target* target);
// Opens the target's file again, after it was closed to be replaced.
int ReopenTarget(Target* target);

// Writes all of `data` at `offset`, or at the file's position when the
// offset is negative.
int WriteAll(Handle file, const char* data, std::size_t count, std::int64_t offset);
// Makes what was written durable.
int Sync(Handle file);
int Close(Handle file);
int Remove(const std::string& name);

// Makes sure that the target holds room for `size` bytes, without changing
// its length or a byte of what it holds.
int Reserve(const Target& target, std::int64_t size);
// The bytes free for this user on the target's file system.
int FreeSpace(const Target& target, std::int64_t* bytes);
int SetLength(Handle file, std::int64_t size);

// A new file in the target's folder.
int CreateReplacement(const Target& target, Replacement* replacement);
// Gives the replacement the target's owner, permissions, ACL and other
// attributes; fails when it cannot take them all.
int CarryAttributes(const Target& target, const Replacement& replacement);
// Gives the replacement the target's name, in place of the file that has
// it, in one step: the name never stands empty. The target is closed
// before; on failure both are as they were.
int Replace(const Target& target, Replacement* replacement);

// Makes the target's name durable, now that `file` has it: the name given
// to a new file, or to the replacement.
int SyncName(const Target& target, Handle file);

// A name for a file of ours in the folder of `path` (up to the last of
// `separators`): `prefix`, random letters, `suffix`.
std::string NameBeside(const std::string& path, const char* separators, const char* prefix, const char* suffix);

// The full form of a name, as the file system spells it.
std::string FullPathName(const std::string& name);

// What an error code means to the file code.
enum class ErrorKind {
    other,
    noRoom,       // the disk or the user's quota is full
    unsupported,  // the file system cannot do that
};
ErrorKind KindOf(int error);

// Error codes that the file code gives of its own: flags it does not
// support, a file that is not open, a disk without the room needed.
int InvalidArgumentError();
int InvalidHandleError();
int NoRoomError();

}  // namespace fw::detail::files
