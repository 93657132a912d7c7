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

// Both directions walk raw buffers: fields may hold megabytes.
QString ToQt(std::string_view text) {
    QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const char16_t mapped = byte >= 0x80 && byte <= 0x9F ? kHigh[byte - 0x80] : 0;
        *out++ = mapped != 0 ? mapped : char16_t{byte};
    }
    return result;
}

namespace {

// The byte of a character beyond Latin-1 or in its C1 range, or '?'.
char ByteOfSpecial(char32_t code) {
    for (std::size_t k = 0; k < kHigh.size(); ++k) {
        const char32_t mapped = kHigh[k] != 0 ? kHigh[k] : 0x80 + k;
        if (mapped == code) return static_cast<char>(0x80 + k);
    }
    return '?';
}

}  // namespace

std::string FromQt(const QString& text) {
    const char16_t* in = reinterpret_cast<const char16_t*>(text.utf16());
    const char16_t* const end = in + text.size();
    std::string result(static_cast<std::size_t>(text.size()), '\0');
    char* out = result.data();
    for (; in != end; ++in) {
        char32_t code = *in;
        if (QChar::isHighSurrogate(code) && in + 1 != end && QChar::isLowSurrogate(in[1])) {
            code = QChar::surrogateToUcs4(*in, in[1]);  // one character, two halves
            ++in;
        }
        *out++ = code < 0x80 || (code >= 0xA0 && code <= 0xFF) ? static_cast<char>(code) : ByteOfSpecial(code);
    }
    result.resize(static_cast<std::size_t>(out - result.data()));
    return result;
}

}  // namespace fw::detail
