// What a device context is where there is no Windows: a device that draws
// (with the toolkit on a screen, an image or a printer) or that records every
// call for tests. The system's drawing functions of the framework's own
// vocabulary (fw/qt/vocabulary.h) go to it. Toolkit-free.
#pragma once

#include <string_view>
#include <vector>

#include "fw/types.h"

namespace fw::detail {

// What a device context draws on. One implementation paints with the
// toolkit (screen, image, printer); another records every call for tests.
// The drawing state (colours, background mode, font) and its saved copies
// are kept here, once for every kind of device.
class Device {
public:
    // The state a context starts with.
    Device(COLORREF textColour, COLORREF backgroundColour, HFONT font);
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;
    virtual ~Device();

    // The state. A device that watches its calls overrides these and passes
    // each on to the base.
    virtual int SaveDC();
    virtual BOOL RestoreDC(int nSavedDC);  // a saved number, or -1 for the last
    virtual COLORREF SetBkColor(COLORREF colour);
    virtual int SetBkMode(int mode);
    virtual COLORREF SetTextColor(COLORREF colour);
    virtual HFONT SelectFont(HFONT font);  // answers the font selected before; nullptr selects nothing
    COLORREF GetBkColor() const { return m_state.bkColour; }
    int GetBkMode() const { return m_state.bkMode; }
    COLORREF GetTextColor() const { return m_state.textColour; }
    HFONT GetCurrentFont() const { return m_state.font; }
    int SavedDepth() const { return static_cast<int>(m_saved.size()); }

    // Drawing and measuring.
    virtual BOOL ExtTextOut(int x, int y, UINT options, const RECT* rect, std::string_view text) = 0;
    virtual BOOL TextOut(int x, int y, std::string_view text) = 0;
    virtual CSize GetTextExtent(std::string_view text) = 0;
    virtual BOOL GetTextMetrics(TEXTMETRIC* metrics) = 0;
    virtual BOOL DrawFocusRect(const RECT& rect) = 0;
    virtual BOOL DrawIcon(int x, int y, HICON icon) = 0;
    virtual BOOL FillSolidRect(const RECT& rect, COLORREF colour) = 0;

    // LOGPIXELSX, LOGPIXELSY, HORZRES or VERTRES of the device; 0 for any other index.
    int GetDeviceCaps(int index) const;

    // Printing; a device that does not print answers failure (<= 0).
    virtual int StartDoc(const DOCINFOA& info);
    virtual int StartPage();
    virtual int EndPage();
    virtual int EndDoc();

protected:
    // Resolution in dots per inch and size in device units.
    struct Metrics {
        int logPixelsX = 0;
        int logPixelsY = 0;
        int width = 0;
        int height = 0;
    };
    virtual Metrics DeviceMetrics() const = 0;
    // The selected font changed: selected, or brought back by RestoreDC.
    virtual void FontChanged() {}

private:
    struct State {
        COLORREF textColour;
        COLORREF bkColour;
        int bkMode;
        HFONT font;
    };

    State m_state;
    std::vector<State> m_saved;
};

}  // namespace fw::detail
