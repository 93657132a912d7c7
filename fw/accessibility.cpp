#include "fw/accessibility.h"

namespace fw {
namespace {

// A static that shows a text (left, centred or right-aligned), which can
// label another control.
bool IsTextStatic(const ControlTemplate& control) {
    return control.kind == ControlKind::Static && (control.style & SS_TYPEMASK) <= SS_RIGHT &&
           control.text != nullptr && control.text[0] != '\0';
}

// A control that shows no text of its own from the template.
bool NeedsLabel(const ControlTemplate& control) {
    switch (control.kind) {
    case ControlKind::Edit:
    case ControlKind::ComboBox:
        return true;
    case ControlKind::Static:
        return (control.style & SS_TYPEMASK) <= SS_RIGHT && (control.text == nullptr || control.text[0] == '\0');
    case ControlKind::Button:
        return false;
    }
    return false;
}

int LabelBefore(std::span<const ControlTemplate> controls, std::size_t index) {
    for (std::size_t i = index; i-- > 0;) {
        if (IsTextStatic(controls[i])) return static_cast<int>(i);
        if ((controls[i].style & (WS_TABSTOP | WS_GROUP)) != 0) break;
    }
    return -1;
}

// The height of a line of a form, in dialog units: a drop-down list's
// template gives the height of its open list, its field is one line.
constexpr int kLineHeight = 12;

int LabelBeside(std::span<const ControlTemplate> controls, std::size_t index) {
    const ControlTemplate& control = controls[index];
    const int bottom = control.y + (control.kind == ControlKind::ComboBox ? kLineHeight : control.cy);
    int found = -1;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& label = controls[i];
        const bool sameLine = label.y < bottom && control.y < label.y + label.cy;
        if (!IsTextStatic(label) || !sameLine || label.x + label.cx > control.x) continue;
        if (found < 0 || label.x + label.cx > controls[found].x + controls[found].cx) found = static_cast<int>(i);
    }
    return found;
}

}  // namespace

std::vector<int> ControlLabels(const DialogTemplate& dialog) {
    std::vector<int> labels(dialog.controls.size(), -1);
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        if (!NeedsLabel(dialog.controls[i])) continue;
        labels[i] = LabelBefore(dialog.controls, i);
        if (labels[i] < 0) labels[i] = LabelBeside(dialog.controls, i);
    }
    return labels;
}

}  // namespace fw
