#include "fw/testing/recording_device.h"

namespace fw {

RecordingDevice::RecordingDevice(Settings settings) : Device(0x000000, 0xFFFFFF, nullptr), m_settings(settings) {}

DeviceCall& RecordingDevice::Record(DeviceCall::Op op) {
    DeviceCall call;
    call.op = op;
    call.textColour = GetTextColor();
    call.bkColour = GetBkColor();
    call.bkMode = GetBkMode();
    call.font = GetCurrentFont();
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

// Each call is recorded with the state in force before it; the base keeps the state.
int RecordingDevice::SaveDC() {
    DeviceCall& call = Record(DeviceCall::Op::SaveDC);
    call.value = Device::SaveDC();
    return call.value;
}

BOOL RecordingDevice::RestoreDC(int nSavedDC) {
    Record(DeviceCall::Op::RestoreDC).value = nSavedDC;
    return Device::RestoreDC(nSavedDC);
}

COLORREF RecordingDevice::SetBkColor(COLORREF colour) {
    Record(DeviceCall::Op::SetBkColor).colour = colour;
    return Device::SetBkColor(colour);
}

int RecordingDevice::SetBkMode(int mode) {
    Record(DeviceCall::Op::SetBkMode).value = mode;
    return Device::SetBkMode(mode);
}

COLORREF RecordingDevice::SetTextColor(COLORREF colour) {
    Record(DeviceCall::Op::SetTextColor).colour = colour;
    return Device::SetTextColor(colour);
}

HFONT RecordingDevice::SelectFont(HFONT font) {
    if (font == nullptr) return nullptr;
    Record(DeviceCall::Op::SelectFont).font = font;
    return Device::SelectFont(font);
}

BOOL RecordingDevice::ExtTextOut(int x, int y, UINT options, const RECT* rect, std::string_view text) {
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

BOOL RecordingDevice::DrawFocusRect(const RECT& rect) {
    Record(DeviceCall::Op::DrawFocusRect).rect = rect;
    return TRUE;
}

BOOL RecordingDevice::DrawIcon(int x, int y, HICON) {
    DeviceCall& call = Record(DeviceCall::Op::DrawIcon);
    call.x = x;
    call.y = y;
    return TRUE;
}

BOOL RecordingDevice::FillSolidRect(const RECT& rect, COLORREF colour) {
    DeviceCall& call = Record(DeviceCall::Op::FillSolidRect);
    call.rect = rect;
    call.colour = colour;
    return TRUE;
}

RecordingDevice::Metrics RecordingDevice::DeviceMetrics() const {
    return {m_settings.logPixelsX, m_settings.logPixelsY, m_settings.horzRes, m_settings.vertRes};
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
