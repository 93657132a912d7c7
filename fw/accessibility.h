// What a screen reader is told about a dialog's controls, the same on every
// desktop: a control that shows no text of its own (an edit field, a list, an
// output) is named by its label. The backends give the label to the desktop's
// accessibility interface; the program's own parts (a link, a list that paints
// its rows) say what they are through CStatic::IsLink and
// CComboBox::GetItemSpokenText.
#pragma once

#include <vector>

#include "fw/resources.h"

namespace fw {

// For each control of the template, in template order, the index of the
// static text that labels it, or -1. As on Windows, the label is the static
// text just before the control in template order, looking back no further
// than a control with a tab stop or a group mark; where that finds none, it
// is the nearest static text to its left on the same line, as the eye reads
// a form whose labels were listed after their fields.
std::vector<int> ControlLabels(const DialogTemplate& dialog);

}  // namespace fw
