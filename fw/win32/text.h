// Text between the program's Windows-1252 and the system's UTF-16, and the
// UTF-16 of file names kept as bytes. Plain C++ (no Windows header).
// Windows-1252 to UTF-16 is Utf16FromWindows1252 (dialog_template.h).
#pragma once

#include <string>
#include <string_view>

namespace fw::win32 {

// UTF-16 to Windows-1252: a character without a byte becomes '?', as does
// a surrogate that is not part of a pair (one '?' for a pair).
std::string Windows1252FromUtf16(std::u16string_view text);

// File names are UTF-16 on Windows and need not be well formed: a surrogate
// may stand alone. They are kept as bytes in the generalised UTF-8 that
// encodes such a surrogate like any other character (WTF-8), so that every
// name comes back exactly.
std::string Utf8FromUtf16(std::u16string_view text);
// The reverse; a byte that starts no character stands for the character of
// the same number, so that any bytes give some name.
std::u16string Utf16FromUtf8(std::string_view text);

}  // namespace fw::win32
