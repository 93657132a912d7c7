// Windows-1252 <-> Unicode at the toolkit boundary.
#include <array>

#include "fw/qt/backend.h"

namespace fw::detail {
namespace {

// 0x80 to 0x9F; 0 marks the five bytes that have no character.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

}  // namespace

QString ToQt(std::string_view text) {
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F) {
            const char16_t mapped = kHigh[byte - 0x80];
            result += QChar(mapped != 0 ? mapped : char16_t{byte});
        } else {
            result += QChar(char16_t{byte});
        }
    }
    return result;
}

std::string FromQt(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char32_t code = text[i].isHighSurrogate() && i + 1 < text.size()
                                  ? QChar::surrogateToUcs4(text[i], text[i + 1])
                                  : text[i].unicode();
        if (code > 0xFFFF) ++i;  // one character, two halves
        char byte = '?';
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            byte = static_cast<char>(code);
        } else {
            for (std::size_t k = 0; k < kHigh.size(); ++k) {
                const char32_t mapped = kHigh[k] != 0 ? kHigh[k] : 0x80 + k;
                if (mapped == code) byte = static_cast<char>(0x80 + k);
            }
        }
        result += byte;
    }
    return result;
}

}  // namespace fw::detail
