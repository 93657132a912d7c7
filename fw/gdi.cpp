// Device contexts and fonts over the system's drawing functions.
#include "fw/gdi.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <memory>
#include <string_view>

#include "fw/diagnostics.h"
#include "fw/internal.h"
#include "fw/wnd.h"

namespace fw::detail {
namespace {

int g_liveFonts = 0;

// Wrappers of contexts that nobody attached, until the message that made
// them is handled.
std::map<HDC, std::unique_ptr<CDC>>& Temporary() {
    static auto* const temporary = new std::map<HDC, std::unique_ptr<CDC>>;
    return *temporary;
}

}  // namespace

void FreeTemporaryDCs() { Temporary().clear(); }

}  // namespace fw::detail

int fw::LiveFontCount() { return fw::detail::g_liveFonts; }

CDC::~CDC() { DeleteDC(); }

CDC* CDC::FromHandle(HDC hDC) {
    if (hDC == nullptr) return nullptr;
    std::unique_ptr<CDC>& wrapper = fw::detail::Temporary()[hDC];
    if (!wrapper) {
        wrapper = std::make_unique<CDC>();
        wrapper->m_hDC = hDC;
    }
    return wrapper.get();
}

BOOL CDC::Attach(HDC hDC) {
    if (m_hDC != nullptr || hDC == nullptr) return FALSE;
    m_hDC = hDC;
    m_owned = true;
    return TRUE;
}

BOOL CDC::DeleteDC() {
    if (m_hDC == nullptr) return FALSE;
    if (m_owned) fw::detail::DeleteContext(m_hDC);
    m_hDC = nullptr;
    m_owned = false;
    return TRUE;
}

int CDC::SaveDC() { return ::SaveDC(m_hDC); }
BOOL CDC::RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }
COLORREF CDC::SetBkColor(COLORREF colour) { return ::SetBkColor(m_hDC, colour); }
int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
COLORREF CDC::SetTextColor(COLORREF colour) { return ::SetTextColor(m_hDC, colour); }
HFONT CDC::SelectObject(CFont* font) { return SelectObject(font != nullptr ? font->m_hObject : nullptr); }

HFONT CDC::SelectObject(HFONT font) {
    if (font == nullptr) return nullptr;
    return static_cast<HFONT>(::SelectObject(m_hDC, font));
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, const RECT* rect, const char* text, UINT count, const int* dx) {
    return ::ExtTextOutA(m_hDC, x, y, options, rect, text, text != nullptr ? count : 0, dx);
}

BOOL CDC::TextOut(int x, int y, const char* text, int count) {
    return ::TextOutA(m_hDC, x, y, text != nullptr ? text : "", text != nullptr && count > 0 ? count : 0);
}

BOOL CDC::TextOut(int x, int y, const CString& text) { return TextOut(x, y, text, text.GetLength()); }

CSize CDC::GetTextExtent(const char* text, int count) {
    CSize size;
    if (!::GetTextExtentPoint32A(m_hDC, text != nullptr ? text : "", text != nullptr && count > 0 ? count : 0,
                                 &size)) {
        return {};
    }
    return size;
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* metrics) { return ::GetTextMetricsA(m_hDC, metrics); }
void CDC::DrawFocusRect(const RECT* rect) { ::DrawFocusRect(m_hDC, rect); }
BOOL CDC::DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }

// A solid fill as the system's own code does it: an opaque text output of
// nothing, in the colour as the background colour, which is then restored.
void CDC::FillSolidRect(const RECT* rect, COLORREF colour) {
    const COLORREF previous = ::SetBkColor(m_hDC, colour);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}

int CDC::GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
int CDC::StartDoc(DOCINFO* info) { return ::StartDocA(m_hDC, info); }
int CDC::StartPage() { return ::StartPage(m_hDC); }
int CDC::EndPage() { return ::EndPage(m_hDC); }
int CDC::EndDoc() { return ::EndDoc(m_hDC); }

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd != nullptr ? wnd->m_hWnd : nullptr) {
    if (m_hWnd != nullptr) m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC() {
    if (m_hDC != nullptr) ::EndPaint(m_hWnd, &m_ps);
    m_hDC = nullptr;
}

CFont::~CFont() { DeleteObject(); }

BOOL CFont::CreatePointFont(int nPointSize, const char* faceName, CDC* pDC) {
    const int logPixelsY = pDC != nullptr ? pDC->GetDeviceCaps(LOGPIXELSY) : fw::detail::ScreenLogPixelsY();
    LOGFONT lf{};
    lf.lfHeight = -(logPixelsY * nPointSize / 720);  // tenths of a point, truncated
    lf.lfCharSet = DEFAULT_CHARSET;
    if (faceName != nullptr) std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}

namespace {

// The faces of fixed pitch that the program asks for by name alone. Asked
// for with a fixed pitch and the modern family as well, a missing one is
// stood in for by a face of fixed pitch, in which the lists' rows and the
// printed report still line up; where the face is there, it is the one
// taken.
bool IsFixedPitchFace(std::string_view face) {
    const auto sameLetters = [face](std::string_view fixed) {
        return std::ranges::equal(face, fixed, [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
    };
    return sameLetters("Courier New") || sameLetters("Fixedsys");
}

}  // namespace

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) {
    if (m_hObject != nullptr || logFont == nullptr) return FALSE;
    LOGFONT asked = *logFont;
    if ((asked.lfPitchAndFamily & 0x3) == DEFAULT_PITCH &&
        IsFixedPitchFace(std::string_view(asked.lfFaceName, strnlen(asked.lfFaceName, LF_FACESIZE)))) {
        asked.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    }
    m_hObject = ::CreateFontIndirectA(&asked);
    if (m_hObject == nullptr) return FALSE;
    ++fw::detail::g_liveFonts;
    return TRUE;
}

BOOL CFont::DeleteObject() {
    if (m_hObject == nullptr) return FALSE;
    ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    --fw::detail::g_liveFonts;
    return TRUE;
}
