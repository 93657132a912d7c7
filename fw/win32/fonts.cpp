// Fonts and brushes: the framework's objects over the system's.
#include <cstring>
#include <map>
#include <memory>

#include "fw/diagnostics.h"
#include "fw/gdi.h"
#include "fw/internal.h"
#include "fw/win32/backend.h"
#include "fw/win32/native_fonts.h"

namespace fw::detail {

// A font the framework made (owned: deleted with the object), or one the
// system made that the framework was handed (a dialog's template font).
struct FontObject {
    FontObject(HFONT__* font, bool isOwned) : native(font), owned(isOwned) {
        if (owned) ++live;
    }
    ~FontObject() {
        if (!owned) return;
        fw::win32::DeleteNativeFont(native);
        --live;
    }
    FontObject(const FontObject&) = delete;
    FontObject& operator=(const FontObject&) = delete;

    HFONT__* native;
    bool owned;
    static inline int live = 0;
};

struct BrushObject {
    HBRUSH__* native;
};

namespace {

// The framework's fonts by their native handles.
std::map<HFONT__*, FontObject*>& Made() {
    static auto* const made = new std::map<HFONT__*, FontObject*>;
    return *made;
}

// Objects for the system's own fonts. They own nothing and are kept for the
// rest of the run; a handle the system reuses for another font still names
// that font, since everything about it is asked of the system.
std::map<HFONT__*, std::unique_ptr<FontObject>>& Foreign() {
    static auto* const foreign = new std::map<HFONT__*, std::unique_ptr<FontObject>>;
    return *foreign;
}

fw::win32::FontDescription Describe(const LOGFONT& lf) {
    fw::win32::FontDescription d;
    d.height = lf.lfHeight;
    d.width = lf.lfWidth;
    d.escapement = lf.lfEscapement;
    d.orientation = lf.lfOrientation;
    d.weight = lf.lfWeight;
    d.italic = lf.lfItalic;
    d.underline = lf.lfUnderline;
    d.strikeOut = lf.lfStrikeOut;
    d.charSet = lf.lfCharSet;
    d.outPrecision = lf.lfOutPrecision;
    d.clipPrecision = lf.lfClipPrecision;
    d.quality = lf.lfQuality;
    d.pitchAndFamily = lf.lfPitchAndFamily;
    d.face.assign(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
    return d;
}

}  // namespace

HFONT__* NativeFont(FontObject* font) { return font != nullptr ? font->native : nullptr; }

FontObject* FontOf(HFONT__* native) {
    const auto found = Made().find(native);
    return found != Made().end() ? found->second : nullptr;
}

FontObject* WrapNativeFont(HFONT__* native) {
    if (native == nullptr) return nullptr;
    if (FontObject* made = FontOf(native)) return made;
    std::unique_ptr<FontObject>& wrapper = Foreign()[native];
    if (!wrapper) wrapper = std::make_unique<FontObject>(native, false);
    return wrapper.get();
}

int ScreenLogPixelsY() { return win32::ScreenLogPixelsY(); }

HBRUSH__* NativeBrush(BrushObject* brush) { return brush != nullptr ? brush->native : nullptr; }

}  // namespace fw::detail

using fw::detail::FontObject;

int fw::LiveFontCount() { return FontObject::live; }

CFont::~CFont() { DeleteObject(); }

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) {
    if (m_hObject != nullptr || logFont == nullptr) return FALSE;
    HFONT__* native = fw::win32::CreateNativeFont(fw::detail::Describe(*logFont));
    if (native == nullptr) return FALSE;
    m_hObject = new FontObject(native, true);
    fw::detail::Made()[native] = m_hObject;
    return TRUE;
}

BOOL CFont::DeleteObject() {
    if (m_hObject == nullptr) return FALSE;
    fw::detail::Made().erase(m_hObject->native);
    delete m_hObject;
    m_hObject = nullptr;
    return TRUE;
}

int GetObject(HFONT font, int size, LOGFONT* logFont) {
    fw::win32::FontDescription d;
    if (font == nullptr || logFont == nullptr || size < static_cast<int>(sizeof(LOGFONT)) ||
        !fw::win32::DescribeNativeFont(font->native, &d)) {
        return 0;
    }
    *logFont = LOGFONT{};
    logFont->lfHeight = d.height;
    logFont->lfWidth = d.width;
    logFont->lfEscapement = d.escapement;
    logFont->lfOrientation = d.orientation;
    logFont->lfWeight = d.weight;
    logFont->lfItalic = d.italic;
    logFont->lfUnderline = d.underline;
    logFont->lfStrikeOut = d.strikeOut;
    logFont->lfCharSet = d.charSet;
    logFont->lfOutPrecision = d.outPrecision;
    logFont->lfClipPrecision = d.clipPrecision;
    logFont->lfQuality = d.quality;
    logFont->lfPitchAndFamily = d.pitchAndFamily;
    std::strncpy(logFont->lfFaceName, d.face.c_str(), LF_FACESIZE - 1);
    return sizeof(LOGFONT);
}

HBRUSH GetStockObject(int index) {
    // Only the hollow brush is offered: it paints no background.
    static fw::detail::BrushObject hollow{fw::win32::NativeNullBrush()};
    return index == NULL_BRUSH ? &hollow : nullptr;
}
