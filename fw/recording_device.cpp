#include "fw/recording_device.h"

#include <utility>

namespace fw {

RecordingDevice::RecordingDevice(Settings settings) : m_settings(settings) {}

DeviceCall& RecordingDevice::Record(DeviceCall::Op op) {
    DeviceCall call;
    call.op = op;
    call.textColour = m_state.textColour;
    call.bkColour = m_state.bkColour;
    call.bkMode = m_state.bkMode;
    call.font = m_state.font;
    calls.push_back(call);
    return calls.back();
}

std::vector<DeviceCall> RecordingDevice::Calls(DeviceCall::Op op) const {
    std::vector<DeviceCall> result;
    for (const DeviceCall& call : calls) {
        if (call.op == op) result.push_back(call);
    }
    return result;
}

int RecordingDevice::SaveDC() {
    m_saved.push_back(m_state);
    Record(DeviceCall::Op::SaveDC).value = static_cast<int>(m_saved.size());
    return static_cast<int>(m_saved.size());
}

BOOL RecordingDevice::RestoreDC(int nSavedDC) {
    Record(DeviceCall::Op::RestoreDC).value = nSavedDC;
    const int count = static_cast<int>(m_saved.size());
    const int target = nSavedDC < 0 ? count + nSavedDC + 1 : nSavedDC;
    if (target < 1 || target > count) return FALSE;
    m_state = m_saved[static_cast<std::size_t>(target - 1)];
    m_saved.resize(static_cast<std::size_t>(target - 1));
    return TRUE;
}

COLORREF RecordingDevice::SetBkColor(COLORREF colour) {
    Record(DeviceCall::Op::SetBkColor).colour = colour;
    return std::exchange(m_state.bkColour, colour);
}

int RecordingDevice::SetBkMode(int mode) {
    Record(DeviceCall::Op::SetBkMode).value = mode;
    return std::exchange(m_state.bkMode, mode);
}

COLORREF RecordingDevice::SetTextColor(COLORREF colour) {
    Record(DeviceCall::Op::SetTextColor).colour = colour;
    return std::exchange(m_state.textColour, colour);
}

HFONT RecordingDevice::SelectFont(HFONT font) {
    if (font == nullptr) return nullptr;
    Record(DeviceCall::Op::SelectFont).font = font;
    return std::exchange(m_state.font, font);
}

BOOL RecordingDevice::ExtTextOut(int x, int y, UINT options, const CRect* rect, std::string_view text) {
    DeviceCall& call = Record(DeviceCall::Op::ExtTextOut);
    call.x = x;
    call.y = y;
    call.value = static_cast<int>(options);
    if (rect != nullptr) call.rect = *rect;
    call.text = text;
    return TRUE;
}

BOOL RecordingDevice::TextOut(int x, int y, std::string_view text) {
    DeviceCall& call = Record(DeviceCall::Op::TextOut);
    call.x = x;
    call.y = y;
    call.text = text;
    return TRUE;
}

CSize RecordingDevice::GetTextExtent(std::string_view text) {
    Record(DeviceCall::Op::GetTextExtent).text = text;
    return CSize{static_cast<int>(text.size()) * m_settings.charWidth, m_settings.tmHeight};
}

BOOL RecordingDevice::GetTextMetrics(TEXTMETRIC* metrics) {
    Record(DeviceCall::Op::GetTextMetrics);
    if (metrics == nullptr) return FALSE;
    *metrics = TEXTMETRIC{};
    metrics->tmHeight = m_settings.tmHeight;
    metrics->tmInternalLeading = m_settings.tmInternalLeading;
    metrics->tmAscent = m_settings.tmHeight * 4 / 5;
    metrics->tmDescent = m_settings.tmHeight - metrics->tmAscent;
    metrics->tmAveCharWidth = m_settings.charWidth;
    metrics->tmMaxCharWidth = m_settings.charWidth;
    return TRUE;
}

BOOL RecordingDevice::DrawFocusRect(const CRect& rect) {
    Record(DeviceCall::Op::DrawFocusRect).rect = rect;
    return TRUE;
}

BOOL RecordingDevice::DrawIcon(int x, int y, HICON) {
    DeviceCall& call = Record(DeviceCall::Op::DrawIcon);
    call.x = x;
    call.y = y;
    return TRUE;
}

BOOL RecordingDevice::FillSolidRect(const CRect& rect, COLORREF colour) {
    DeviceCall& call = Record(DeviceCall::Op::FillSolidRect);
    call.rect = rect;
    call.colour = colour;
    return TRUE;
}

int RecordingDevice::GetDeviceCaps(int index) const {
    switch (index) {
    case LOGPIXELSX:
        return m_settings.logPixelsX;
    case LOGPIXELSY:
        return m_settings.logPixelsY;
    case HORZRES:
        return m_settings.horzRes;
    case VERTRES:
        return m_settings.vertRes;
    default:
        return 0;
    }
}

int RecordingDevice::StartDoc(const DOCINFO& info) {
    Record(DeviceCall::Op::StartDoc).text = info.lpszDocName != nullptr ? info.lpszDocName : "";
    return m_settings.startDocResult;
}

int RecordingDevice::StartPage() {
    Record(DeviceCall::Op::StartPage);
    return 1;
}

int RecordingDevice::EndPage() {
    Record(DeviceCall::Op::EndPage);
    return 1;
}

int RecordingDevice::EndDoc() {
    Record(DeviceCall::Op::EndDoc);
    return m_settings.endDocResult;
}

}  // namespace fw
