// What the Qt side of the test support shares between its files.
#pragma once

#include <QComboBox>
#include <QImage>
#include <QString>

#include "fw/qt/backend.h"
#include "fw/qt/combo_widget.h"
#include "fw/testing/pictures.h"

class QWidget;

namespace fw::testing {

inline QComboBox* ComboOf(HWND window) { return qobject_cast<QComboBox*>(window->widget); }
// A framework drop-down list's open list: nullptr until it was first needed.
inline QAbstractItemView* OpenListOf(HWND window) {
    auto* combo = dynamic_cast<detail::ComboWidget*>(window->widget);
    return combo != nullptr && combo->listMade() ? combo->view() : nullptr;
}

// A picture's pixels, opaque.
Image ToImage(const QImage& source);

// Sends characters as text, the way an input method does, for characters
// without a key of their own.
void TypeCharacters(QWidget* target, const QString& characters);

}  // namespace fw::testing
