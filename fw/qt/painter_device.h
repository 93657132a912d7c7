// A device that paints with a QPainter: on a widget, an image or a printer.
#pragma once

#include <QPainter>

#include <vector>

#include "fw/gdi.h"

namespace fw::detail {

class PainterDevice : public Device {
public:
    // The painter must outlive the device. Text starts in `textColour` on
    // `backgroundColour`, opaque, in `font`.
    PainterDevice(QPainter* painter, HFONT font, COLORREF textColour, COLORREF backgroundColour);

    int SaveDC() override;
    BOOL RestoreDC(int nSavedDC) override;
    COLORREF SetBkColor(COLORREF colour) override;
    COLORREF GetBkColor() const override { return m_state.bkColour; }
    int SetBkMode(int mode) override;
    int GetBkMode() const override { return m_state.bkMode; }
    COLORREF SetTextColor(COLORREF colour) override;
    COLORREF GetTextColor() const override { return m_state.textColour; }
    HFONT SelectFont(HFONT font) override;
    HFONT GetCurrentFont() const override { return m_state.font; }
    BOOL ExtTextOut(int x, int y, UINT options, const CRect* rect, std::string_view text) override;
    BOOL TextOut(int x, int y, std::string_view text) override;
    CSize GetTextExtent(std::string_view text) override;
    BOOL GetTextMetrics(TEXTMETRIC* metrics) override;
    BOOL DrawFocusRect(const CRect& rect) override;
    BOOL DrawIcon(int x, int y, HICON icon) override;
    BOOL FillSolidRect(const CRect& rect, COLORREF colour) override;
    int GetDeviceCaps(int index) const override;

    QPainter* painter() const { return m_painter; }
    // The toolkit font the device paints with now.
    QFont currentQFont() const;

protected:
    void setPainter(QPainter* painter) { m_painter = painter; }
    // Gives the painter the selected font, once it paints.
    void applyFont();
    // The metrics of `font` on `device`.
    static void Measure(const QFont& font, const QPaintDevice* device, TEXTMETRIC* metrics);

private:
    struct State {
        COLORREF bkColour;
        COLORREF textColour;
        int bkMode;
        HFONT font;
    };

    QPainter* m_painter;
    State m_state;
    std::vector<State> m_saved;
};

}  // namespace fw::detail
