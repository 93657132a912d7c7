// fw::DialogTextToInt, as the turns field is read, against a reference
// written from the dialog manager's rule: blanks (space, tab), a minus sign
// for a signed read only, then decimal digits up to the first other
// character. No digits, or a value outside the type (int32 signed, uint32
// unsigned), gives 0 and FALSE; otherwise the value and TRUE.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/support.h"
#include "fw/dialog_int.h"

namespace {

struct Result {
    UINT value;
    BOOL translated;
};

Result Reference(std::string_view text, bool isSigned) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (isSigned && i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    // Leading zeros add nothing; more than eleven significant digits are out
    // of range whatever they are.
    std::size_t digits = 0;
    std::uint64_t magnitude = 0;
    bool tooLong = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        ++digits;
        if (magnitude == 0 && text[i] == '0') continue;
        if (magnitude >= 100'000'000'000ull) tooLong = true;
        if (!tooLong) magnitude = magnitude * 10 + static_cast<unsigned>(text[i] - '0');
    }
    if (digits == 0 || tooLong) return {0, FALSE};
    if (!isSigned) {
        if (magnitude > 0xFFFF'FFFFull) return {0, FALSE};
        return {static_cast<UINT>(magnitude), TRUE};
    }
    const std::int64_t value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (value < INT32_MIN || value > INT32_MAX) return {0, FALSE};
    return {static_cast<UINT>(static_cast<std::int32_t>(value)), TRUE};
}

void Check(std::string_view text, bool isSigned) {
    BOOL translated = 12345;  // must be overwritten
    const UINT value = fw::DialogTextToInt(text, &translated, isSigned ? TRUE : FALSE);
    const UINT withoutFlag = fw::DialogTextToInt(text, nullptr, isSigned ? TRUE : FALSE);
    const Result expected = Reference(text, isSigned);
    if (value != expected.value || translated != expected.translated || withoutFlag != value) {
        fuzz::Fail(std::string(isSigned ? "signed" : "unsigned") + " read of " + fuzz::Escaped(text) +
                   "\nDialogTextToInt " + std::to_string(value) + " translated " + std::to_string(translated) +
                   " (without flag " + std::to_string(withoutFlag) + ")\nexpected        " +
                   std::to_string(expected.value) + " translated " + std::to_string(expected.translated));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Check(text, true);
    Check(text, false);
    return 0;
}
