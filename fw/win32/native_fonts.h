// Fonts and brushes of the system, over plain values. Plain header: no
// Windows header, no framework header.
#pragma once

#include <cstdint>
#include <string>

struct HFONT__;
struct HBRUSH__;

namespace fw::win32 {

// A logical font, as LOGFONT describes it; the face in Windows-1252.
struct FontDescription {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string face;
};

// CreateFontIndirect; nullptr when the system refuses.
HFONT__* CreateNativeFont(const FontDescription& description);
void DeleteNativeFont(HFONT__* font);
// GetObject on a font; false for a handle that names no font.
bool DescribeNativeFont(HFONT__* font, FontDescription* description);
// The face that the system actually uses for a font: the name of the font
// that a context selects for it.
std::string FaceInUse(HFONT__* font);
// The screen's vertical resolution (LOGPIXELSY).
int ScreenLogPixelsY();
// The stock hollow brush (NULL_BRUSH).
HBRUSH__* NativeNullBrush();

}  // namespace fw::win32
