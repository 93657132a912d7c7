// Help files named .HLP, on the Windows of today.
#pragma once

#include <string>

namespace fw::win32 {

// What the shell is to open for `file`, a path absolute or relative to the
// current folder: `file` itself, unless it is named .HLP. A .HLP file is
// looked for in the current folder only, and answered by its full path; if
// the shell would give it to WinHelp (or to no program) and an HTML page of
// the same name (.HTM) lies beside it, that page instead. WinHelp reads only
// its own old format, and Windows 10 and later no longer have it at all; the
// program's help is HTML, and a web browser shows the page.
std::wstring HelpDocument(const std::wstring& file);

}  // namespace fw::win32
