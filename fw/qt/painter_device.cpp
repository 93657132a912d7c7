#include "fw/qt/painter_device.h"

#include <QFontMetrics>
#include <QPaintDevice>

#include "fw/qt/backend.h"
#include "fw/wnd.h"

namespace fw::detail {

PainterDevice::PainterDevice(QPainter* painter, HFONT font, COLORREF textColour, COLORREF backgroundColour)
    : m_painter(painter), m_state{backgroundColour, textColour, OPAQUE, font} {
    applyFont();
}

QFont PainterDevice::currentQFont() const {
    return m_state.font != nullptr ? ToQFont(m_state.font) : (m_painter ? m_painter->font() : QFont());
}

void PainterDevice::applyFont() {
    if (m_painter != nullptr && m_painter->isActive() && m_state.font != nullptr) {
        m_painter->setFont(QFont(ToQFont(m_state.font), m_painter->device()));
    }
}

int PainterDevice::SaveDC() {
    m_saved.push_back(m_state);
    return static_cast<int>(m_saved.size());
}

BOOL PainterDevice::RestoreDC(int nSavedDC) {
    const int count = static_cast<int>(m_saved.size());
    const int target = nSavedDC < 0 ? count + nSavedDC + 1 : nSavedDC;
    if (target < 1 || target > count) return FALSE;
    m_state = m_saved[static_cast<std::size_t>(target - 1)];
    m_saved.resize(static_cast<std::size_t>(target - 1));
    applyFont();
    return TRUE;
}

COLORREF PainterDevice::SetBkColor(COLORREF colour) { return std::exchange(m_state.bkColour, colour); }
int PainterDevice::SetBkMode(int mode) { return std::exchange(m_state.bkMode, mode); }
COLORREF PainterDevice::SetTextColor(COLORREF colour) { return std::exchange(m_state.textColour, colour); }

HFONT PainterDevice::SelectFont(HFONT font) {
    if (font == nullptr) return nullptr;
    HFONT previous = std::exchange(m_state.font, font);
    applyFont();
    return previous;
}

BOOL PainterDevice::ExtTextOut(int x, int y, UINT options, const CRect* rect, std::string_view text) {
    if ((options & ETO_OPAQUE) != 0 && rect != nullptr) FillSolidRect(*rect, m_state.bkColour);
    return text.empty() ? TRUE : TextOut(x, y, text);
}

BOOL PainterDevice::TextOut(int x, int y, std::string_view text) {
    if (m_painter == nullptr || !m_painter->isActive()) return FALSE;
    if (text.empty()) return TRUE;
    const QString qtext = ToQt(text);
    const QFontMetrics metrics(m_painter->font(), m_painter->device());
    if (m_state.bkMode == OPAQUE) {
        m_painter->fillRect(QRect(x, y, metrics.horizontalAdvance(qtext), metrics.height()), ToQColor(m_state.bkColour));
    }
    m_painter->setPen(ToQColor(m_state.textColour));
    // The point is the top left corner of the text.
    m_painter->drawText(QPoint(x, y + metrics.ascent()), qtext);
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

BOOL PainterDevice::DrawFocusRect(const CRect& rect) {
    if (m_painter == nullptr || !m_painter->isActive()) return FALSE;
    m_painter->save();
    QPen pen(Qt::black, 1, Qt::DotLine);
    m_painter->setPen(pen);
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawRect(QRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1));
    m_painter->restore();
    return TRUE;
}

BOOL PainterDevice::DrawIcon(int x, int y, HICON icon) {
    if (m_painter == nullptr || !m_painter->isActive() || icon == nullptr) return FALSE;
    m_painter->drawPixmap(x, y, IconPixmap(icon));
    return TRUE;
}

BOOL PainterDevice::FillSolidRect(const CRect& rect, COLORREF colour) {
    if (m_painter == nullptr || !m_painter->isActive()) return FALSE;
    m_painter->fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(colour));
    return TRUE;
}

int PainterDevice::GetDeviceCaps(int index) const {
    const QPaintDevice* device = m_painter != nullptr ? m_painter->device() : nullptr;
    if (device == nullptr) return 0;
    switch (index) {
    case LOGPIXELSX:
        return device->logicalDpiX();
    case LOGPIXELSY:
        return device->logicalDpiY();
    case HORZRES:
        return device->width();
    case VERTRES:
        return device->height();
    default:
        return 0;
    }
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

CPaintDC::CPaintDC(CWnd* wnd) {
    if (wnd != nullptr && wnd->m_hWnd != nullptr) Attach(new WidgetPaintDevice(wnd->m_hWnd));
}
