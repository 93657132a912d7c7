#include "fw/qt/combo_widget.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFontMetricsF>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>

#include "fw/gdi.h"
#include "fw/qt/painter_device.h"

namespace fw::detail {
namespace {

// Paints the rows of the open list through their owner. The row height stays
// the toolkit's default for a row of text in the list's font.
class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    explicit OwnerDrawDelegate(ComboWidget* combo) : QStyledItemDelegate(combo), m_combo(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        // The highlighted row follows the mouse and the arrow keys: it is the
        // selected one, and the one with the keyboard focus of the open list.
        UINT state = option.state.testFlag(QStyle::State_Selected) ? ODS_SELECTED : 0;
        if (index == m_combo->view()->currentIndex()) state |= ODS_FOCUS;
        if (!m_combo->drawItem(*painter, option.rect, index.row(), state)) {
            QStyledItemDelegate::paint(painter, option, index);
        }
    }

private:
    ComboWidget* m_combo;
};

}  // namespace

ComboWidget::ComboWidget(QWidget* parent, bool ownerDrawn, QObject* keyWatcher)
    : QComboBox(parent), WindowHolder(this, Kind::ComboBox), m_ownerDrawn(ownerDrawn), m_keyWatcher(keyWatcher) {}

QAbstractItemView* ComboWidget::list() {
    if (m_listMade) return view();
    m_listMade = true;
    if (m_fontChanged) {
        // What the toolkit does when the field's font changes: it gives the
        // list the font (making the list) and sizes the field anew.
        QEvent change(QEvent::FontChange);
        QComboBox::changeEvent(&change);
    }
    if (m_ownerDrawn) setItemDelegate(new OwnerDrawDelegate(this));
    QAbstractItemView* rows = view();
    // The open list is a window of its own; F1 there is the dialog's too.
    if (m_keyWatcher != nullptr) {
        rows->installEventFilter(m_keyWatcher);
        rows->parentWidget()->installEventFilter(m_keyWatcher);
    }
    return rows;
}

int ComboWidget::fieldHeight() const {
    // A line of text (at least 14 pixels) and two, in the style's frame with
    // its arrow button: what the toolkit's size hint for a field without
    // icons asks for.
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QSize text(0, std::max(qCeil(QFontMetricsF(font()).height()), 14) + 2);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this).height();
}

void ComboWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && !m_listMade) {
        // The toolkit would make the list now only to give it the font; it
        // gets the font when it is made.
        m_fontChanged = true;
        updateGeometry();
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

bool ComboWidget::drawItem(QPainter& painter, const QRect& rect, int item, UINT state) {
    Window* control = handle();
    painter.save();
    // The item is all the owner may paint.
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(font());
    const QPalette& colours = palette();
    PainterDevice dc(&painter, control->font, FromQColor(colours.color(QPalette::Text)),
                     FromQColor(colours.color(QPalette::Base)));

    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_COMBOBOX;
    dis.CtlID = static_cast<UINT>(control->id);
    dis.itemID = static_cast<UINT>(item);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = state;
    dis.hwndItem = control;
    dis.hDC = &dc;
    dis.rcItem = CRect{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
    const LRESULT drawn =
        Dispatch(control->parent, WM_DRAWITEM, static_cast<WPARAM>(control->id), reinterpret_cast<LPARAM>(&dis));
    painter.restore();
    return drawn != 0;
}

void ComboWidget::showPopup() {
    // Measured when the list opens, in the font it has then.
    const int rowHeight = std::max(1, list()->sizeHintForRow(0));
    setMaxVisibleItems(std::max(1, (listHeight - height()) / rowHeight));
    QComboBox::showPopup();
}

QRect ComboWidget::fieldRect(const QStyleOptionComboBox& option) const {
    // Everything between the frame and the arrow button: a row of the open
    // list is hardly narrower, and it should fit here too.
    const QRect arrow = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    return QRect(QPoint(field.left(), field.top()), QPoint(arrow.left() - 1, field.bottom()));
}

void ComboWidget::paintEvent(QPaintEvent* event) {
    if (!m_ownerDrawn) {
        QComboBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QString text = option.currentText;
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);

    // The field shows the selection and the focus while the list has the
    // keyboard focus, also while it is open.
    UINT state = ODS_COMBOBOXEDIT;
    if (hasFocus() || (m_listMade && view()->isVisible())) state |= ODS_SELECTED | ODS_FOCUS;
    if (!drawItem(painter, fieldRect(option), currentIndex(), state)) {
        // Nobody draws the item: its text, as a list that draws itself shows it.
        option.currentText = text;
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }
}

}  // namespace fw::detail
