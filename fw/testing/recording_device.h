// A device context that draws nothing and records every call, for exact
// checks of drawing and print layout. For tests.
#pragma once

#include <string>
#include <vector>

#include "fw/qt/device.h"

namespace fw {

struct DeviceCall {
    enum class Op {
        SaveDC,
        RestoreDC,
        SetBkColor,
        SetBkMode,
        SetTextColor,
        SelectFont,
        ExtTextOut,
        TextOut,
        GetTextExtent,
        GetTextMetrics,
        DrawFocusRect,
        DrawIcon,
        FillSolidRect,
        StartDoc,
        StartPage,
        EndPage,
        EndDoc,
    };
    Op op = Op::SaveDC;
    int x = 0;
    int y = 0;
    int value = 0;  // saved-state number, mode, options
    COLORREF colour = 0;
    CRect rect;
    std::string text;  // text drawn or measured; the document name
    HFONT font = nullptr;
    // The state in force when the call was made.
    COLORREF textColour = 0;
    COLORREF bkColour = 0;
    int bkMode = 0;
};

// It starts as a printer's context does: black text on white, opaque, no font.
class RecordingDevice : public detail::Device {
public:
    struct Settings {
        int logPixelsX = 96;
        int logPixelsY = 96;
        int horzRes = 800;
        int vertRes = 1000;
        int charWidth = 8;  // every character measures this wide
        int tmHeight = 16;
        int tmInternalLeading = 3;
        int startDocResult = 1;  // <= 0: the document cannot begin
        int endDocResult = 1;
    };
    explicit RecordingDevice(Settings settings);
    RecordingDevice() : RecordingDevice(Settings{}) {}

    std::vector<DeviceCall> calls;
    // The calls of one kind, in order.
    std::vector<DeviceCall> Calls(DeviceCall::Op op) const;

    int SaveDC() override;
    BOOL RestoreDC(int nSavedDC) override;
    COLORREF SetBkColor(COLORREF colour) override;
    int SetBkMode(int mode) override;
    COLORREF SetTextColor(COLORREF colour) override;
    HFONT SelectFont(HFONT font) override;
    BOOL ExtTextOut(int x, int y, UINT options, const RECT* rect, std::string_view text) override;
    BOOL TextOut(int x, int y, std::string_view text) override;
    CSize GetTextExtent(std::string_view text) override;
    BOOL GetTextMetrics(TEXTMETRIC* metrics) override;
    BOOL DrawFocusRect(const RECT& rect) override;
    BOOL DrawIcon(int x, int y, HICON icon) override;
    BOOL FillSolidRect(const RECT& rect, COLORREF colour) override;
    int StartDoc(const DOCINFO& info) override;
    int StartPage() override;
    int EndPage() override;
    int EndDoc() override;

protected:
    Metrics DeviceMetrics() const override;

private:
    DeviceCall& Record(DeviceCall::Op op);

    Settings m_settings;
};

}  // namespace fw
