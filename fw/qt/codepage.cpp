// Windows-1252 <-> Unicode at the toolkit boundary.
#include "fw/codepage.h"
#include "fw/qt/backend.h"

namespace fw::detail {

// Both directions walk raw buffers: fields may hold megabytes.
QString ToQt(std::string_view text) {
    QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    for (const char c : text) *out++ = static_cast<char16_t>(CharacterOfByte(c));
    return result;
}

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
        *out++ = ByteOfCharacter(code);
    }
    result.resize(static_cast<std::size_t>(out - result.data()));
    return result;
}

}  // namespace fw::detail
