// The Windows-1252 code page: each byte's character, and the byte of a
// character. Plain C++, shared by the toolkit's text and the file names.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace fw::detail {

// 0x80 to 0x9F; 0 marks the five bytes that have no character, which stand
// for the control characters of the same number.
inline constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

inline char32_t CharacterOfByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    const char16_t mapped = value >= 0x80 && value <= 0x9F ? kWindows1252High[value - 0x80] : 0;
    return mapped != 0 ? mapped : char32_t{value};
}

// The byte of a character, or '?' when the code page has none.
inline char ByteOfCharacter(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    for (std::size_t k = 0; k < kWindows1252High.size(); ++k) {
        const char32_t mapped = kWindows1252High[k] != 0 ? kWindows1252High[k] : 0x80 + k;
        if (mapped == code) return static_cast<char>(0x80 + k);
    }
    return '?';
}

// Whole texts between Windows-1252 and UTF-16. To UTF-16 the five bytes
// without a character stand for the C1 controls of the same number, as the
// system's own conversion has them; from UTF-16 a character without a byte
// becomes '?', as does a surrogate that is not part of a pair (one '?' for a
// pair).
std::u16string Utf16FromWindows1252(std::string_view text);
std::string Windows1252FromUtf16(std::u16string_view text);

}  // namespace fw::detail
