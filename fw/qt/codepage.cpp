// Windows-1252 <-> Unicode at the toolkit boundary.
#include "fw/codepage.h"
#include "fw/qt/backend.h"

namespace fw::detail {

// The toolkit's string is filled in place: fields may hold megabytes.
QString ToQt(std::string_view text) {
    QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(result.data());
    for (const char c : text) *out++ = static_cast<char16_t>(CharacterOfByte(c));
    return result;
}

std::string FromQt(const QString& text) {
    return Windows1252FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                    static_cast<std::size_t>(text.size())));
}

}  // namespace fw::detail
