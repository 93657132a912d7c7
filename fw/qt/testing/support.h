// What the Qt side of the test support shares between its files.
#pragma once

#include <QComboBox>
#include <QString>

#include "fw/qt/backend.h"

class QWidget;

namespace fw::testing {

inline QComboBox* ComboOf(HWND window) { return qobject_cast<QComboBox*>(window->widget); }

// Sends characters as text, the way an input method does, for characters
// without a key of their own.
void TypeCharacters(QWidget* target, const QString& characters);

}  // namespace fw::testing
