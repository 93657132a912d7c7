// The widget behind a drop-down list. A list whose style asks for owner-drawn
// items hands every visible item, the rows of the open list and the closed
// list's own field, to its dialog as an item-drawing request.
#pragma once

#include <QComboBox>

#include "fw/qt/backend.h"

namespace fw::detail {

class ComboWidget : public QComboBox, public WindowHolder {
public:
    ComboWidget(QWidget* parent, bool ownerDrawn);

    // The text of the selected row; empty without a selection.
    QString windowText() const override { return currentIndex() >= 0 ? currentText() : QString(); }
    void setWindowText(const QString&) override {}

    // The height of the opened list, as the template gives it.
    int listHeight = 0;

    // Asks the owner to draw item `item` (-1 for none) into `rect` with the
    // drawing-request state flags `state`; false when nobody drew it.
    bool drawItem(QPainter& painter, const QRect& rect, int item, UINT state);

    // Opens the list, as many rows high as fit into the template's height.
    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the closed list shows its selected item.
    QRect fieldRect(const QStyleOptionComboBox& option) const;

    bool m_ownerDrawn;
};

}  // namespace fw::detail
