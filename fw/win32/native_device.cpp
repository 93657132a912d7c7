#include "fw/win32/native_device.h"

#include "fw/win32/backend.h"
#include "fw/win32/native_dc.h"
#include "fw/win32/window.h"

namespace fw::detail {
namespace {

win32::Box ToBox(const CRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

NativeDevice::NativeDevice(HDC__* dc, bool owned, bool withFont)
    : NativeDevice(dc, owned, withFont, dc != nullptr ? win32::StateOf(dc) : win32::DcState{}) {}

NativeDevice::NativeDevice(HDC__* dc, bool owned, bool withFont, const win32::DcState& state)
    : Device(state.textColour, state.bkColour, withFont ? WrapNativeFont(state.font) : nullptr),
      m_dc(dc),
      m_owned(owned),
      m_firstFont(state.font) {
    // The base starts opaque; the context may not be.
    if (dc != nullptr) Device::SetBkMode(state.bkMode);
}

NativeDevice::~NativeDevice() {
    if (m_owned) win32::DeleteContext(m_dc);
}

BOOL NativeDevice::RestoreDC(int nSavedDC) {
    if (!Device::RestoreDC(nSavedDC)) return FALSE;
    ApplyState();
    return TRUE;
}

COLORREF NativeDevice::SetBkColor(COLORREF colour) {
    win32::ApplyBkColour(m_dc, colour);
    return Device::SetBkColor(colour);
}

int NativeDevice::SetBkMode(int mode) {
    win32::ApplyBkMode(m_dc, mode);
    return Device::SetBkMode(mode);
}

COLORREF NativeDevice::SetTextColor(COLORREF colour) {
    win32::ApplyTextColour(m_dc, colour);
    return Device::SetTextColor(colour);
}

void NativeDevice::FontChanged() {
    win32::ApplyFont(m_dc, GetCurrentFont() != nullptr ? NativeFont(GetCurrentFont()) : m_firstFont);
}

void NativeDevice::ApplyState() {
    win32::ApplyTextColour(m_dc, GetTextColor());
    win32::ApplyBkColour(m_dc, GetBkColor());
    win32::ApplyBkMode(m_dc, GetBkMode());
    FontChanged();
}

BOOL NativeDevice::ExtTextOut(int x, int y, UINT options, const CRect* rect, std::string_view text) {
    if (m_dc == nullptr) return FALSE;
    const win32::Box box = rect != nullptr ? ToBox(*rect) : win32::Box{};
    return win32::TextInBox(m_dc, x, y, options, rect != nullptr ? &box : nullptr, text) ? TRUE : FALSE;
}

BOOL NativeDevice::TextOut(int x, int y, std::string_view text) {
    if (m_dc == nullptr) return FALSE;
    return win32::TextAt(m_dc, x, y, text) ? TRUE : FALSE;
}

CSize NativeDevice::GetTextExtent(std::string_view text) {
    CSize size;
    if (m_dc == nullptr || !win32::MeasureText(m_dc, text, &size.cx, &size.cy)) return {};
    return size;
}

BOOL NativeDevice::GetTextMetrics(TEXTMETRIC* metrics) {
    win32::FontMetrics measured;
    if (m_dc == nullptr || metrics == nullptr || !win32::MeasureFont(m_dc, &measured)) return FALSE;
    metrics->tmHeight = measured.height;
    metrics->tmAscent = measured.ascent;
    metrics->tmDescent = measured.descent;
    metrics->tmInternalLeading = measured.internalLeading;
    metrics->tmExternalLeading = measured.externalLeading;
    metrics->tmAveCharWidth = measured.aveCharWidth;
    metrics->tmMaxCharWidth = measured.maxCharWidth;
    return TRUE;
}

BOOL NativeDevice::DrawFocusRect(const CRect& rect) {
    return m_dc != nullptr && win32::DrawFocusBox(m_dc, ToBox(rect)) ? TRUE : FALSE;
}

BOOL NativeDevice::DrawIcon(int x, int y, HICON icon) {
    return m_dc != nullptr && win32::DrawIconAt(m_dc, x, y, NativeIcon(icon)) ? TRUE : FALSE;
}

BOOL NativeDevice::FillSolidRect(const CRect& rect, COLORREF colour) {
    return m_dc != nullptr && win32::FillBox(m_dc, ToBox(rect), colour) ? TRUE : FALSE;
}

Device::Metrics NativeDevice::DeviceMetrics() const {
    if (m_dc == nullptr) return {};
    const win32::Caps caps = win32::CapsOf(m_dc);
    return {caps.logPixelsX, caps.logPixelsY, caps.horzRes, caps.vertRes};
}

HICON__* NativeIcon(IconObject* icon) { return icon != nullptr ? icon->native : nullptr; }

Device* DeviceOnNativeDC(HDC__* dc) { return dc != nullptr ? new NativeDevice(dc, false) : nullptr; }

}  // namespace fw::detail
