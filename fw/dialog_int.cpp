#include "fw/dialog_int.h"

#include <cstdint>
#include <limits>

namespace fw {

UINT DialogTextToInt(std::string_view text, BOOL* translated, BOOL isSigned) {
    if (translated != nullptr) *translated = FALSE;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const bool negative = isSigned && i < text.size() && text[i] == '-';
    if (negative) ++i;
    if (i == text.size() || text[i] < '0' || text[i] > '9') return 0;

    const std::int64_t limit = !isSigned  ? std::numeric_limits<UINT>::max()
                               : negative ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                                          : std::numeric_limits<int>::max();
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) return 0;
    }
    if (translated != nullptr) *translated = TRUE;
    return static_cast<UINT>(negative ? -magnitude : magnitude);
}

}  // namespace fw
