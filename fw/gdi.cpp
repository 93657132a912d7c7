// Device contexts forward to their device; the device does the drawing.
#include "fw/gdi.h"

#include <cstring>
#include <utility>

#include "fw/diagnostics.h"
#include "fw/internal.h"

namespace fw::detail {
namespace {

int g_liveDevices = 0;

}  // namespace

Device::Device(COLORREF textColour, COLORREF backgroundColour, HFONT font)
    : m_state{textColour, backgroundColour, OPAQUE, font} {
    ++g_liveDevices;
}

Device::~Device() { --g_liveDevices; }

int Device::SaveDC() {
    m_saved.push_back(m_state);
    return static_cast<int>(m_saved.size());
}

BOOL Device::RestoreDC(int nSavedDC) {
    const int count = static_cast<int>(m_saved.size());
    const int target = nSavedDC < 0 ? count + nSavedDC + 1 : nSavedDC;
    if (target < 1 || target > count) return FALSE;
    m_state = m_saved[static_cast<std::size_t>(target - 1)];
    m_saved.resize(static_cast<std::size_t>(target - 1));
    FontChanged();
    return TRUE;
}

COLORREF Device::SetBkColor(COLORREF colour) { return std::exchange(m_state.bkColour, colour); }
int Device::SetBkMode(int mode) { return std::exchange(m_state.bkMode, mode); }
COLORREF Device::SetTextColor(COLORREF colour) { return std::exchange(m_state.textColour, colour); }

HFONT Device::SelectFont(HFONT font) {
    if (font == nullptr) return nullptr;
    HFONT previous = std::exchange(m_state.font, font);
    FontChanged();
    return previous;
}

int Device::GetDeviceCaps(int index) const {
    const Metrics metrics = DeviceMetrics();
    switch (index) {
    case LOGPIXELSX:
        return metrics.logPixelsX;
    case LOGPIXELSY:
        return metrics.logPixelsY;
    case HORZRES:
        return metrics.width;
    case VERTRES:
        return metrics.height;
    default:
        return 0;
    }
}

int Device::StartDoc(const DOCINFO&) { return -1; }
int Device::StartPage() { return -1; }
int Device::EndPage() { return -1; }
int Device::EndDoc() { return -1; }

CDC& Device::Wrapper() {
    if (!m_wrapper) {
        m_wrapper = std::make_unique<CDC>();
        m_wrapper->m_hDC = this;
    }
    return *m_wrapper;
}

}  // namespace fw::detail

int fw::LiveDeviceContextCount() { return fw::detail::g_liveDevices; }

CDC::~CDC() { DeleteDC(); }

CDC* CDC::FromHandle(HDC hDC) { return hDC != nullptr ? &hDC->Wrapper() : nullptr; }

BOOL CDC::Attach(HDC hDC) {
    if (m_hDC != nullptr || hDC == nullptr) return FALSE;
    m_hDC = hDC;
    m_owned = true;
    return TRUE;
}

BOOL CDC::DeleteDC() {
    if (m_hDC == nullptr) return FALSE;
    if (m_owned) delete m_hDC;
    m_hDC = nullptr;
    m_owned = false;
    return TRUE;
}

int CDC::SaveDC() { return m_hDC->SaveDC(); }
BOOL CDC::RestoreDC(int nSavedDC) { return m_hDC->RestoreDC(nSavedDC); }
COLORREF CDC::SetBkColor(COLORREF colour) { return m_hDC->SetBkColor(colour); }
int CDC::SetBkMode(int mode) { return m_hDC->SetBkMode(mode); }
COLORREF CDC::SetTextColor(COLORREF colour) { return m_hDC->SetTextColor(colour); }
HFONT CDC::SelectObject(CFont* font) { return m_hDC->SelectFont(font ? font->m_hObject : nullptr); }
HFONT CDC::SelectObject(HFONT font) { return m_hDC->SelectFont(font); }

BOOL CDC::ExtTextOut(int x, int y, UINT options, const CRect* rect, const char* text, UINT count, const int*) {
    return m_hDC->ExtTextOut(x, y, options, rect, std::string_view(text ? text : "", text ? count : 0));
}

BOOL CDC::TextOut(int x, int y, const char* text, int count) {
    return m_hDC->TextOut(x, y, std::string_view(text ? text : "", text && count > 0 ? count : 0));
}

BOOL CDC::TextOut(int x, int y, const CString& text) { return m_hDC->TextOut(x, y, text.View()); }

CSize CDC::GetTextExtent(const char* text, int count) {
    return m_hDC->GetTextExtent(std::string_view(text ? text : "", text && count > 0 ? count : 0));
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* metrics) { return m_hDC->GetTextMetrics(metrics); }
void CDC::DrawFocusRect(const CRect* rect) { m_hDC->DrawFocusRect(*rect); }
BOOL CDC::DrawIcon(int x, int y, HICON icon) { return m_hDC->DrawIcon(x, y, icon); }
void CDC::FillSolidRect(const CRect* rect, COLORREF colour) { m_hDC->FillSolidRect(*rect, colour); }
int CDC::GetDeviceCaps(int index) const { return m_hDC->GetDeviceCaps(index); }
int CDC::StartDoc(DOCINFO* info) { return m_hDC->StartDoc(*info); }
int CDC::StartPage() { return m_hDC->StartPage(); }
int CDC::EndPage() { return m_hDC->EndPage(); }
int CDC::EndDoc() { return m_hDC->EndDoc(); }

BOOL CFont::CreatePointFont(int nPointSize, const char* faceName, CDC* pDC) {
    const int logPixelsY = pDC != nullptr ? pDC->GetDeviceCaps(LOGPIXELSY) : fw::detail::ScreenLogPixelsY();
    LOGFONT lf{};
    lf.lfHeight = -(logPixelsY * nPointSize / 720);  // tenths of a point, truncated
    lf.lfCharSet = DEFAULT_CHARSET;
    if (faceName != nullptr) std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&lf);
}
