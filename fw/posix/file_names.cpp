// File names between the program's Windows-1252 text and the file system.
//
// The file system's names are taken to be UTF-8: every Debian desktop
// locale uses it, and so does the toolkit for the names its file dialog
// hands over. A name that the file dialog chose carries its own bytes and is
// not converted at all (see fw::detail::NativeSpelling); these conversions
// serve names typed into the program and folders that it shows.
#include "fw/codepage.h"
#include "fw/internal.h"

namespace fw::detail {
namespace {

// The code page's characters all lie below U+10000.
void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character that starts at `at`, and how many bytes it takes; a byte
// that starts no well-formed character counts alone and reads as none.
struct Decoded {
    char32_t code;
    std::size_t length;
    bool valid;
};

Decoded DecodeUtf8(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return {lead, 1, true};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return {0, 1, false};
    }
    if (text.size() - at < length) return {0, 1, false};
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) return {0, 1, false};
        code = (code << 6) | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {0, 1, false};
    return {code, length, true};
}

}  // namespace

std::string NativeFileName(std::string_view name) {
    std::string result;
    result.reserve(name.size());
    for (const char c : name) AppendUtf8(result, CharacterOfByte(c));
    return result;
}

std::string FromNativeFileName(std::string_view name) {
    std::string result;
    result.reserve(name.size());
    for (std::size_t at = 0; at < name.size();) {
        const Decoded decoded = DecodeUtf8(name, at);
        result += decoded.valid ? ByteOfCharacter(decoded.code) : '?';
        at += decoded.length;
    }
    return result;
}

}  // namespace fw::detail
