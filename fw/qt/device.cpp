// The device base (the drawing state, once for every kind of device) and the
// system's drawing functions of the framework's own vocabulary over it.
#include "fw/qt/device.h"

#include <utility>

#include "fw/diagnostics.h"
#include "fw/internal.h"

namespace fw::detail {
namespace {

int g_liveDevices = 0;

std::string_view Text(const char* text, int count) {
    return std::string_view(text != nullptr ? text : "", text != nullptr && count > 0 ? count : 0);
}

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

int Device::StartDoc(const DOCINFOA&) { return -1; }
int Device::StartPage() { return -1; }
int Device::EndPage() { return -1; }
int Device::EndDoc() { return -1; }

void DeleteContext(HDC dc) { delete dc; }

}  // namespace fw::detail

int fw::LiveDeviceContextCount() { return fw::detail::g_liveDevices; }

int SaveDC(HDC dc) { return dc->SaveDC(); }
BOOL RestoreDC(HDC dc, int saved) { return dc->RestoreDC(saved); }
COLORREF SetBkColor(HDC dc, COLORREF colour) { return dc->SetBkColor(colour); }
int SetBkMode(HDC dc, int mode) { return dc->SetBkMode(mode); }
COLORREF SetTextColor(HDC dc, COLORREF colour) { return dc->SetTextColor(colour); }
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) { return dc->SelectFont(static_cast<HFONT>(object)); }
HGDIOBJ GetCurrentObject(HDC dc, UINT type) { return type == OBJ_FONT ? dc->GetCurrentFont() : nullptr; }
COLORREF GetTextColor(HDC dc) { return dc->GetTextColor(); }
int GetBkMode(HDC dc) { return dc->GetBkMode(); }

BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count, const int*) {
    return dc->ExtTextOut(x, y, options, rect, fw::detail::Text(text, static_cast<int>(count)));
}

BOOL TextOutA(HDC dc, int x, int y, const char* text, int count) {
    return dc->TextOut(x, y, fw::detail::Text(text, count));
}

BOOL GetTextExtentPoint32A(HDC dc, const char* text, int count, SIZE* size) {
    *size = dc->GetTextExtent(fw::detail::Text(text, count));
    return TRUE;
}

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics) { return dc->GetTextMetrics(metrics); }
int DrawFocusRect(HDC dc, const RECT* rect) { return dc->DrawFocusRect(*rect); }
BOOL DrawIcon(HDC dc, int x, int y, HICON icon) { return dc->DrawIcon(x, y, icon); }
int GetDeviceCaps(HDC dc, int index) { return dc->GetDeviceCaps(index); }
int StartDocA(HDC dc, const DOCINFOA* info) { return dc->StartDoc(*info); }
int StartPage(HDC dc) { return dc->StartPage(); }
int EndPage(HDC dc) { return dc->EndPage(); }
int EndDoc(HDC dc) { return dc->EndDoc(); }
