// The desktop's opener as the system runs it: what it is handed, the
// program started in a session of its own, and how it ended.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace fw::detail {

// What the opener is handed for `name` (the file system's bytes): an address
// ("scheme:...") as it is; a document named relative to the current folder
// looked up there first and then in the data folder of the program's
// installation, found from where the program file is (<prefix>/bin/NAME
// reads <prefix>/share/NAME/), so that a document installed with the
// program opens whichever folder it was started in. Nothing when there is
// no such document.
std::optional<std::string> OpenerTarget(std::string_view name);

// Starts xdg-open on `target` in a session of its own, so that it outlives
// the program. Answers its process id, or -1 when it cannot be started.
int StartOpener(const std::string& target);

enum class OpenerState { Running, Opened, Failed };
// How a started opener is doing: still running, or ended with success or
// failure (an opener that ended is reaped).
OpenerState CheckOpener(int process);

}  // namespace fw::detail
