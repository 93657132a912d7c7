// File names between the program's Windows-1252 text and the file system's
// UTF-16, which the framework keeps as bytes (see text.h): a name that the
// file dialog chose carries those bytes as its native spelling, and every
// other name is converted from the program's text.
#include "fw/internal.h"
#include "fw/win32/text.h"

namespace fw::detail {

std::string NativeFileName(std::string_view name) { return win32::Utf8FromUtf16(win32::Utf16FromWindows1252(name)); }

std::string FromNativeFileName(std::string_view name) {
    return win32::Windows1252FromUtf16(win32::Utf16FromUtf8(name));
}

}  // namespace fw::detail
