// The UTF-16 of file names kept as bytes. Plain C++ (no Windows header).
// Between the program's Windows-1252 and UTF-16: fw/codepage.h.
#pragma once

#include <string>
#include <string_view>

#include "fw/codepage.h"

namespace fw::win32 {

using detail::Utf16FromWindows1252;
using detail::Windows1252FromUtf16;

// File names are UTF-16 on Windows and need not be well formed: a surrogate
// may stand alone. They are kept as bytes in the generalised UTF-8 that
// encodes such a surrogate like any other character (WTF-8), so that every
// name comes back exactly.
std::string Utf8FromUtf16(std::u16string_view text);
// The reverse; a byte that starts no character stands for the character of
// the same number, so that any bytes give some name.
std::u16string Utf16FromUtf8(std::string_view text);

}  // namespace fw::win32
