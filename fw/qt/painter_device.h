// A device that paints with a QPainter: on a widget, an image or a printer.
#pragma once

#include <QPainter>

#include "fw/qt/device.h"

namespace fw::detail {

class PainterDevice : public Device {
public:
    // The painter must outlive the device. Text starts in `textColour` on
    // `backgroundColour`, opaque, in `font`.
    PainterDevice(QPainter* painter, HFONT font, COLORREF textColour, COLORREF backgroundColour);

    BOOL ExtTextOut(int x, int y, UINT options, const RECT* rect, std::string_view text) override;
    BOOL TextOut(int x, int y, std::string_view text) override;
    CSize GetTextExtent(std::string_view text) override;
    BOOL GetTextMetrics(TEXTMETRIC* metrics) override;
    BOOL DrawFocusRect(const RECT& rect) override;
    BOOL DrawIcon(int x, int y, HICON icon) override;
    BOOL FillSolidRect(const RECT& rect, COLORREF colour) override;

    QPainter* painter() const { return m_painter; }
    // The toolkit font the device paints with now.
    QFont currentQFont() const;

protected:
    void setPainter(QPainter* painter) { m_painter = painter; }
    Metrics DeviceMetrics() const override;
    // Gives the painter the selected font, once it paints.
    void FontChanged() override;
    // The metrics of `font` on `device`.
    static void Measure(const QFont& font, const QPaintDevice* device, TEXTMETRIC* metrics);

private:
    QPainter* m_painter;
};

}  // namespace fw::detail
