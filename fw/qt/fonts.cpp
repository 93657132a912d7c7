// Fonts: logical font descriptions and the toolkit fonts made from them.
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <array>
#include <cstring>
#include <iterator>
#include <optional>

#include "fw/gdi.h"
#include "fw/qt/backend.h"

namespace fw::detail {

struct FontObject {
    LOGFONT logFont;
};

namespace {

struct Substitute {
    const char* face;
    const char* replacement;
};

// Faces of the original platform, and the metric-compatible ones that stand
// in for them where they are missing.
constexpr Substitute kSubstitutes[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},
    {"Fixedsys", "Liberation Mono"},
};

// Whether a face is installed, asked once per substitute: every control's
// font and every painting of a static text would ask again. The answer is
// read from the toolkit's list of installed families, which it has made for
// its first font anyway; asking the toolkit whether it "has" the family would
// also run the name through fontconfig's substitution rules first, for each
// face, which costs more than the rest of the window's fonts.
bool HasFace(std::size_t substitute) {
    static std::array<std::optional<bool>, std::size(kSubstitutes)> known;
    std::optional<bool>& answer = known[substitute];
    if (!answer) {
        answer = QFontDatabase::families().contains(QLatin1String(kSubstitutes[substitute].face), Qt::CaseInsensitive);
    }
    return *answer;
}

int MulDiv(int number, int numerator, int denominator) {
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

QFont ToQFont(HFONT font) {
    QFont result;
    if (font == nullptr) return result;
    const LOGFONT& lf = font->logFont;
    QString face = QString::fromLatin1(lf.lfFaceName);
    for (std::size_t i = 0; i < std::size(kSubstitutes); ++i) {
        const Substitute& s = kSubstitutes[i];
        if (face.compare(QLatin1String(s.face), Qt::CaseInsensitive) == 0 && !HasFace(i)) {
            face = QLatin1String(s.replacement);
        }
    }
    result.setFamily(face);
    if ((lf.lfPitchAndFamily & 0x3) == FIXED_PITCH) {
        result.setStyleHint(QFont::TypeWriter);
        result.setFixedPitch(true);
    }
    if (lf.lfHeight < 0) {
        result.setPixelSize(-lf.lfHeight);  // character height: the em
    } else if (lf.lfHeight > 0) {
        // Cell height: scale the em so that ascent + descent fill the cell.
        result.setPixelSize(lf.lfHeight);
        const int cell = QFontMetrics(result).height();
        result.setPixelSize(std::max(1, MulDiv(lf.lfHeight, lf.lfHeight, std::max(1, cell))));
    }
    result.setWeight(lf.lfWeight >= 600 ? QFont::Bold : QFont::Normal);
    result.setItalic(lf.lfItalic != 0);
    result.setUnderline(lf.lfUnderline != 0);
    result.setStrikeOut(lf.lfStrikeOut != 0);
    return result;
}

int ScreenLogPixelsY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? qRound(screen->logicalDotsPerInchY()) : 96;
}

HFONT CreateFontFor(const char* face, int pointSize, int logPixelsY) {
    LOGFONT lf{};
    lf.lfHeight = -MulDiv(pointSize, logPixelsY, 72);
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return new FontObject{lf};
}

void DeleteFont(HFONT font) { delete font; }

}  // namespace fw::detail

using fw::detail::FontObject;

HFONT CreateFontIndirectA(const LOGFONTA* logFont) { return logFont != nullptr ? new FontObject{*logFont} : nullptr; }

BOOL DeleteObject(HGDIOBJ object) {
    delete static_cast<HFONT>(object);
    return object != nullptr;
}

int GetObject(HGDIOBJ object, int size, void* description) {
    auto* font = static_cast<HFONT>(object);
    if (font == nullptr || description == nullptr || size < static_cast<int>(sizeof(LOGFONT))) return 0;
    *static_cast<LOGFONT*>(description) = font->logFont;
    return sizeof(LOGFONT);
}

HGDIOBJ GetStockObject(int index) {
    // Only the hollow brush is offered: it paints no background.
    static fw::detail::BrushObject hollow{true, 0};
    return index == NULL_BRUSH ? &hollow : nullptr;
}
