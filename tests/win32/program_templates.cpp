#include "tests/win32/program_templates.h"

#include <array>

#include "fw/resources.h"
#include "fw/win32/dialog_template.h"
#include "ui/resource_ids.h"
#include "ui/resources.h"

namespace win32_test {
namespace {

// The program's own table, without an application object.
template <class T>
const T* FindById(std::span<const T* const> items, unsigned id) {
    for (const T* item : items) {
        if (item->id == id) return item;
    }
    return nullptr;
}
const fw::DialogTemplate* FindDialog(unsigned id) { return FindById(ProgramResources().dialogs, id); }

}  // namespace

std::vector<Dialog> ProgramDialogs() {
    std::vector<Dialog> dialogs;
    for (const fw::DialogTemplate* dialog : {FindDialog(IDD_MAIN), FindDialog(IDD_ABOUTBOX)}) {
        Dialog plain{dialog->id == IDD_MAIN ? "main window" : "About box",
                     dialog->id,
                     dialog->caption,
                     dialog->cx,
                     dialog->cy,
                     dialog->style,
                     dialog->exStyle,
                     dialog->fontFace,
                     dialog->pointSize,
                     {}};
        for (const fw::ControlTemplate& c : dialog->controls) {
            plain.controls.push_back(
                Control{static_cast<Kind>(c.kind), c.id, c.text, c.x, c.y, c.cx, c.cy, c.style, c.exStyle, c.image});
        }
        dialogs.push_back(plain);
    }
    return dialogs;
}

std::vector<std::uint16_t> TemplateOf(unsigned id, bool hidden) {
    const fw::DialogTemplate* found = FindDialog(id);
    if (found == nullptr) return {};
    fw::DialogTemplate dialog = *found;
    if (hidden) dialog.style &= ~WS_VISIBLE;
    return fw::win32::BuildDialogTemplate(dialog);
}

std::vector<std::uint16_t> AllBytesTemplate(int controlId) {
    static const std::string text = [] {
        std::string bytes;
        for (int b = 1; b < 256; ++b) bytes.push_back(static_cast<char>(b));
        return bytes;
    }();
    const std::array controls = {
        fw::ControlTemplate{fw::ControlKind::Static, controlId, text.c_str(), 0, 0, 200, 100, WS_CHILD | SS_LEFT},
    };
    const fw::DialogTemplate dialog{1, "Bytes",         0, 0, 210,     110, WS_POPUP | WS_CAPTION | DS_SETFONT,
                                    0, "MS Sans Serif", 8, 0, controls};
    return fw::win32::BuildDialogTemplate(dialog);
}

}  // namespace win32_test
