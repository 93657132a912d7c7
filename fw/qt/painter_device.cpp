#include "fw/qt/painter_device.h"

#include <QFontMetrics>
#include <QPaintDevice>

#include "fw/qt/backend.h"
#include "fw/wnd.h"

namespace fw::detail {

PainterDevice::PainterDevice(QPainter* painter, HFONT font, COLORREF textColour, COLORREF backgroundColour)
    : Device(textColour, backgroundColour, font), m_painter(painter) {
    FontChanged();
}

QFont PainterDevice::currentQFont() const {
    return GetCurrentFont() != nullptr ? ToQFont(GetCurrentFont()) : (m_painter ? m_painter->font() : QFont());
}

void PainterDevice::FontChanged() {
    if (m_painter != nullptr && m_painter->isActive() && GetCurrentFont() != nullptr) {
        m_painter->setFont(QFont(ToQFont(GetCurrentFont()), m_painter->device()));
    }
}

BOOL PainterDevice::ExtTextOut(int x, int y, UINT options, const RECT* rect, std::string_view text) {
    if ((options & ETO_OPAQUE) != 0 && rect != nullptr) FillSolidRect(*rect, GetBkColor());
    return text.empty() ? TRUE : TextOut(x, y, text);
}

BOOL PainterDevice::TextOut(int x, int y, std::string_view text) {
    if (m_painter == nullptr || !m_painter->isActive()) return FALSE;
    if (text.empty()) return TRUE;
    const QString qtext = ToQt(text);
    const QFontMetrics metrics(m_painter->font(), m_painter->device());
    if (GetBkMode() == OPAQUE) {
        m_painter->fillRect(QRect(x, y, metrics.horizontalAdvance(qtext), metrics.height()), ToQColor(GetBkColor()));
    }
    // Only the glyphs: the cell was filled above if the mode asks for it.
    m_painter->save();
    m_painter->setBackgroundMode(Qt::TransparentMode);
    m_painter->setPen(ToQColor(GetTextColor()));
    // The point is the top left corner of the text.
    m_painter->drawText(QPoint(x, y + metrics.ascent()), qtext);
    m_painter->restore();
    return TRUE;
}

CSize PainterDevice::GetTextExtent(std::string_view text) {
    if (m_painter == nullptr) return {};
    const QFontMetrics metrics(m_painter->font(), m_painter->device());
    return CSize{text.empty() ? 0 : metrics.horizontalAdvance(ToQt(text)), metrics.height()};
}

BOOL PainterDevice::GetTextMetrics(TEXTMETRIC* tm) {
    if (m_painter == nullptr || tm == nullptr) return FALSE;
    Measure(m_painter->font(), m_painter->device(), tm);
    return TRUE;
}

void PainterDevice::Measure(const QFont& font, const QPaintDevice* device, TEXTMETRIC* tm) {
    const QFontMetrics metrics(font, device);
    tm->tmAscent = metrics.ascent();
    tm->tmDescent = metrics.descent();
    tm->tmHeight = tm->tmAscent + tm->tmDescent;
    // What the cell holds above the em: the internal leading.
    const int em = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    tm->tmInternalLeading = std::max(0, static_cast<int>(tm->tmHeight) - em);
    tm->tmExternalLeading = metrics.leading();
    tm->tmAveCharWidth = metrics.averageCharWidth();
    tm->tmMaxCharWidth = metrics.maxWidth();
}

BOOL PainterDevice::DrawFocusRect(const RECT& rect) {
    if (m_painter == nullptr || !m_painter->isActive()) return FALSE;
    // Every other pixel of the border, as the platform's focus rectangle.
    m_painter->save();
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::black, 1);
    pen.setDashPattern({1.0, 1.0});
    m_painter->setPen(pen);
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawRect(QRect(rect.left, rect.top, rect.right - rect.left - 1, rect.bottom - rect.top - 1));
    m_painter->restore();
    return TRUE;
}

BOOL PainterDevice::DrawIcon(int x, int y, HICON icon) {
    if (m_painter == nullptr || !m_painter->isActive() || icon == nullptr) return FALSE;
    m_painter->drawPixmap(x, y, IconPixmap(icon));
    return TRUE;
}

BOOL PainterDevice::FillSolidRect(const RECT& rect, COLORREF colour) {
    if (m_painter == nullptr || !m_painter->isActive()) return FALSE;
    m_painter->fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top), ToQColor(colour));
    return TRUE;
}

PainterDevice::Metrics PainterDevice::DeviceMetrics() const {
    const QPaintDevice* device = m_painter != nullptr ? m_painter->device() : nullptr;
    if (device == nullptr) return {};
    return {device->logicalDpiX(), device->logicalDpiY(), device->width(), device->height()};
}

}  // namespace fw::detail

namespace {

// A device with a painter of its own, on a widget being painted.
class WidgetPaintDevice : public fw::detail::PainterDevice {
public:
    explicit WidgetPaintDevice(fw::detail::Window* window)
        : PainterDevice(nullptr, window->font, 0, 0), m_painter(window->widget) {
        setPainter(&m_painter);
        const QPalette palette = window->widget->palette();
        SetTextColor(fw::detail::FromQColor(palette.color(QPalette::WindowText)));
        SetBkColor(fw::detail::FromQColor(palette.color(QPalette::Window)));
    }

private:
    QPainter m_painter;
};

}  // namespace

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    *paint = PAINTSTRUCT{};
    if (window == nullptr) return nullptr;
    paint->hdc = new WidgetPaintDevice(window);
    paint->rcPaint = RECT{0, 0, window->widget->width(), window->widget->height()};
    return paint->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint) {
    delete paint->hdc;
    return TRUE;
}
