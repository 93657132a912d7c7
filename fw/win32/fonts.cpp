// The program's font requests (CreateFontIndirectA, through its import slot:
// imports.cpp).
//
// The faces of fixed pitch that the program asks for by name alone, Courier
// New and Fixedsys, are asked for with a fixed pitch and the modern family as
// well. Where such a face is missing, the font mapper takes whatever the pitch
// and family ask for, by default a proportional face; asked for so, it takes
// a face of fixed pitch, in which the lists' rows and the printed report
// still line up. Where the face is there, it is the one taken, as before.
#include <cstring>
#include <string_view>

#include "fw/win32/backend.h"

namespace fw::win32 {
namespace {

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool IsFixedPitchFace(const LOGFONTA& font) {
    const std::string_view face(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
    return SameLetters(face, "Courier New") || SameLetters(face, "Fixedsys");
}

}  // namespace

HFONT WINAPI CreateFontAsAsked(const LOGFONTA* logFont) {
    static const auto create = SystemFunction<decltype(&::CreateFontIndirectA)>(L"gdi32.dll", "CreateFontIndirectA");
    if (create == nullptr || logFont == nullptr) return nullptr;
    if ((logFont->lfPitchAndFamily & 0x3) != DEFAULT_PITCH || !IsFixedPitchFace(*logFont)) return create(logFont);
    LOGFONTA fixed = *logFont;
    fixed.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    return create(&fixed);
}

}  // namespace fw::win32
