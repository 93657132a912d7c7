// What windows show, painted into images; cursors and fonts.
#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QtMath>

#include "fw/gdi.h"
#include "fw/qt/backend.h"
#include "fw/qt/painter_device.h"
#include "fw/qt/testing/support.h"
#include "fw/testing/pictures.h"

namespace fw::testing {

HCURSOR CursorOf(HWND window) { return window->cursor; }

CSize CursorSize(HCURSOR cursor) {
    const QSize size = detail::CursorOf(cursor).pixmap().size();
    return CSize{size.width(), size.height()};
}

CPoint CursorHotSpot(HCURSOR cursor) {
    const QPoint spot = detail::CursorOf(cursor).hotSpot();
    return CPoint{spot.x(), spot.y()};
}

HWND WindowAt(HWND window, CPoint point) {
    QWidget* child = window->widget->childAt(point.x, point.y);
    return child != nullptr ? detail::WindowOf(child) : nullptr;
}

Image ToImage(const QImage& source) {
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    Image image;
    image.width = picture.width();
    image.height = picture.height();
    image.pixels.reserve(static_cast<std::size_t>(image.width * image.height));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) image.pixels.push_back(detail::FromQColor(picture.pixelColor(x, y)));
    }
    return image;
}

Image Grab(HWND window) { return ToImage(window->widget->grab().toImage()); }

Image GrabInDialog(HWND control) {
    const QWidget* widget = control->widget;
    QWidget* dialog = widget->window();
    const QImage shown = dialog->grab().toImage();
    const qreal scale = shown.devicePixelRatio();
    const QPoint at = widget->mapTo(dialog, QPoint(0, 0));
    const QRectF area(QPointF(at) * scale, QSizeF(widget->size()) * scale);
    return ToImage(shown.copy(QRect(QPoint(qFloor(area.left() + 0.01), qFloor(area.top() + 0.01)),
                                    QPoint(qCeil(area.right() - 0.01) - 1, qCeil(area.bottom() - 0.01) - 1))));
}

Image GrabDropDown(HWND comboBox) {
    QAbstractItemView* view = OpenListOf(comboBox);
    if (view == nullptr || !view->isVisible()) return {};
    return ToImage(view->viewport()->grab().toImage());
}

CRect DropDownRowRect(HWND comboBox, int row) {
    auto* combo = dynamic_cast<detail::ComboWidget*>(comboBox->widget);
    if (combo == nullptr) return {};
    const QRect r = combo->list()->visualRect(combo->model()->index(row, 0));
    return CRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

Image PaintImage(int width, int height, HFONT font, const std::function<void(CDC&)>& paint) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        detail::PainterDevice device(&painter, font, 0x000000, 0xFFFFFF);
        paint(*CDC::FromHandle(&device));
    }
    return ToImage(picture);
}

CRect ClientRectOf(HWND control) {
    const QWidget* widget = control->widget;
    const QWidget* client = widget->parentWidget();
    const QPoint origin = client != nullptr ? client->contentsRect().topLeft() : QPoint();
    const QRect g = widget->geometry().translated(-origin);
    return CRect{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

std::string FontFamilyOf(HWND window) { return QFontInfo(window->widget->font()).family().toStdString(); }
int FontPixelSizeOf(HWND window) { return QFontInfo(window->widget->font()).pixelSize(); }
bool IsFixedPitch(HWND window) { return QFontInfo(window->widget->font()).fixedPitch(); }

}  // namespace fw::testing
