// The widget behind a drop-down list. A list whose style asks for owner-drawn
// items hands every visible item, the rows of the open list and the closed
// list's own field, to its dialog as an item-drawing request.
#pragma once

#include <QComboBox>

#include "fw/qt/backend.h"

namespace fw::detail {

// The open list (the toolkit's view in a popup window of its own) is made
// the first time it is needed, not with the field: a window shows its lists
// closed.
class ComboWidget : public QComboBox, public WindowHolder {
public:
    // `keyWatcher` (the dialog) also watches the keys of the open list.
    ComboWidget(QWidget* parent, bool ownerDrawn, QObject* keyWatcher);

    // The text of the selected row; empty without a selection.
    QString windowText() const override { return currentIndex() >= 0 ? currentText() : QString(); }
    void setWindowText(const QString&) override {}

    // The height of the opened list, as the template gives it.
    int listHeight = 0;

    // Asks the owner to draw item `item` (-1 for none) into `rect` with the
    // drawing-request state flags `state`; false when nobody drew it.
    bool drawItem(QPainter& painter, const QRect& rect, int item, UINT state);

    // The open list's view, made now if it was not yet.
    QAbstractItemView* list();
    bool listMade() const { return m_listMade; }
    // The height of the closed field in the font it has now, as the toolkit
    // sizes it.
    int fieldHeight() const;

    // Opens the list, as many rows high as fit into the template's height.
    void showPopup() override;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Where the closed list shows its selected item.
    QRect fieldRect(const QStyleOptionComboBox& option) const;

    bool m_ownerDrawn;
    QObject* m_keyWatcher;
    bool m_listMade = false;
    bool m_fontChanged = false;  // since the field was made, unknown to the toolkit's list
};

}  // namespace fw::detail
