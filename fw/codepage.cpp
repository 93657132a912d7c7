#include "fw/codepage.h"

namespace fw::detail {

std::u16string Utf16FromWindows1252(std::string_view text) {
    std::u16string result(text.size(), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) result[i] = static_cast<char16_t>(CharacterOfByte(text[i]));
    return result;
}

std::string Windows1252FromUtf16(std::u16string_view text) {
    std::string result(text.size(), '\0');
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);  // one character, two halves
            ++i;
        }
        result[length++] = ByteOfCharacter(code);
    }
    result.resize(length);
    return result;
}

}  // namespace fw::detail
