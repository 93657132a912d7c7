#include "fw/win32/dialog_template.h"

#include <array>
#include <limits>

#include "fw/codepage.h"
#include "fw/resources.h"

namespace fw::win32 {
namespace {

// The system's window classes for dialog controls, as a template names them,
// in the order of ControlKind (Static, Edit, Button, ComboBox).
constexpr std::array<std::uint16_t, 4> kClassAtoms = {0x0082, 0x0081, 0x0080, 0x0085};
// Where a template's name or number field holds a number.
constexpr std::uint16_t kOrdinal = 0xFFFF;

class Writer {
public:
    void Word(std::uint16_t value) { m_words.push_back(value); }
    void Dword(std::uint32_t value) {
        Word(static_cast<std::uint16_t>(value & 0xFFFF));
        Word(static_cast<std::uint16_t>(value >> 16));
    }
    void Short(short value) { Word(static_cast<std::uint16_t>(value)); }
    // A zero-terminated UTF-16 string; nullptr gives the empty one.
    void Text(const char* text) {
        if (text != nullptr) {
            for (const char16_t c : detail::Utf16FromWindows1252(text)) Word(c);
        }
        Word(0);
    }
    void Ordinal(std::uint16_t value) {
        Word(kOrdinal);
        Word(value);
    }
    void AlignToDword() {
        if (m_words.size() % 2 != 0) Word(0);
    }
    std::vector<std::uint16_t> Take() { return std::move(m_words); }

private:
    std::vector<std::uint16_t> m_words;
};

}  // namespace

std::vector<std::uint16_t> BuildDialogTemplate(const DialogTemplate& dialog) {
    if (dialog.controls.size() > std::numeric_limits<std::uint16_t>::max()) return {};
    Writer out;
    out.Word(1);         // dlgVer
    out.Word(kOrdinal);  // signature: the extended form
    out.Dword(0);        // helpID
    out.Dword(dialog.exStyle);
    out.Dword(dialog.style);
    out.Word(static_cast<std::uint16_t>(dialog.controls.size()));
    out.Short(dialog.x);
    out.Short(dialog.y);
    out.Short(dialog.cx);
    out.Short(dialog.cy);
    out.Word(0);  // no menu
    out.Word(0);  // the system's dialog class
    out.Text(dialog.caption);
    if ((dialog.style & DS_SETFONT) != 0) {
        out.Word(static_cast<std::uint16_t>(dialog.pointSize));
        out.Word(FW_NORMAL);
        out.Word(static_cast<std::uint16_t>(DEFAULT_CHARSET << 8));  // not italic; the charset
        out.Text(dialog.fontFace);
    }

    for (const ControlTemplate& control : dialog.controls) {
        out.AlignToDword();
        out.Dword(0);  // helpID
        out.Dword(control.exStyle);
        out.Dword(control.style);
        out.Short(control.x);
        out.Short(control.y);
        out.Short(control.cx);
        out.Short(control.cy);
        out.Dword(static_cast<std::uint32_t>(control.id));
        out.Ordinal(kClassAtoms[static_cast<std::size_t>(control.kind)]);
        const bool icon = control.kind == ControlKind::Static && (control.style & SS_TYPEMASK) == SS_ICON;
        if (icon && control.image != 0) {
            out.Ordinal(static_cast<std::uint16_t>(control.image));
        } else {
            out.Text(control.text);
        }
        out.Word(0);  // no creation data
    }
    return out.Take();
}

}  // namespace fw::win32
