#include "fw/win32/native_fonts.h"

#include <windows.h>

#include <algorithm>

#include "fw/win32/dialog_template.h"
#include "fw/win32/text.h"

namespace fw::win32 {

HFONT CreateNativeFont(const FontDescription& d) {
    LOGFONTW lf{};
    lf.lfHeight = d.height;
    lf.lfWidth = d.width;
    lf.lfEscapement = d.escapement;
    lf.lfOrientation = d.orientation;
    lf.lfWeight = d.weight;
    lf.lfItalic = d.italic;
    lf.lfUnderline = d.underline;
    lf.lfStrikeOut = d.strikeOut;
    lf.lfCharSet = d.charSet;
    lf.lfOutPrecision = d.outPrecision;
    lf.lfClipPrecision = d.clipPrecision;
    lf.lfQuality = d.quality;
    lf.lfPitchAndFamily = d.pitchAndFamily;
    // As the A function takes it: at most LF_FACESIZE - 1 characters.
    const std::u16string face = Utf16FromWindows1252(d.face);
    std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), lf.lfFaceName);
    return CreateFontIndirectW(&lf);
}

void DeleteNativeFont(HFONT font) {
    if (font != nullptr) DeleteObject(font);
}

bool DescribeNativeFont(HFONT font, FontDescription* d) {
    LOGFONTW lf{};
    if (font == nullptr || GetObjectW(font, sizeof lf, &lf) != sizeof lf) return false;
    d->height = lf.lfHeight;
    d->width = lf.lfWidth;
    d->escapement = lf.lfEscapement;
    d->orientation = lf.lfOrientation;
    d->weight = lf.lfWeight;
    d->italic = lf.lfItalic;
    d->underline = lf.lfUnderline;
    d->strikeOut = lf.lfStrikeOut;
    d->charSet = lf.lfCharSet;
    d->outPrecision = lf.lfOutPrecision;
    d->clipPrecision = lf.lfClipPrecision;
    d->quality = lf.lfQuality;
    d->pitchAndFamily = lf.lfPitchAndFamily;
    const auto* face = reinterpret_cast<const char16_t*>(lf.lfFaceName);
    d->face = Windows1252FromUtf16(std::u16string_view(face, std::char_traits<char16_t>::length(face)));
    return true;
}

std::string FaceInUse(HFONT font) {
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) return {};
    const HGDIOBJ previous = SelectObject(dc, font);
    WCHAR face[LF_FACESIZE] = {};
    const int length = GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return length > 0 ? Windows1252FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(face)))
                      : std::string();
}

int ScreenLogPixelsY() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return dpi;
}

HBRUSH NativeNullBrush() { return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)); }

}  // namespace fw::win32
