// File > "Salva...": the report into a text file that the user names.
#pragma once

#include <functional>
#include <optional>

#include "fw/cstring.h"

namespace report {

// Asks for the file in the save dialog over the main window: ".TXT" added to
// a name typed without one, "Kalvex" proposed, the overwrite question asked.
// Nothing when the user cancelled.
std::optional<CString> ChooseReportFile();

// Opens `path` (created, or replaced as a whole), then composes the report
// with `compose` and writes it with CR LF line ends, and tells the user where
// it went. A file that cannot be opened is reported and nothing is composed;
// an error while writing or closing leaves as a file exception, which the
// framework reports, and the file that was there stays as it was.
void SaveReportTo(const CString& path, const std::function<CString()>& compose);

}  // namespace report
