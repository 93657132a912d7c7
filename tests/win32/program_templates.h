// The program's dialog templates in plain types, for the Windows
// tests and tools, which include the Windows headers and so cannot include
// the framework's own vocabulary beside them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace win32_test {

enum class Kind { Static, Edit, Button, ComboBox };

struct Control {
    Kind kind;
    int id;
    const char* text;  // Windows-1252, or nullptr
    short x, y, cx, cy;
    std::uint32_t style;
    std::uint32_t exStyle;
    unsigned image;
};

struct Dialog {
    const char* name;
    unsigned id;
    const char* caption;
    short cx, cy;
    std::uint32_t style;
    std::uint32_t exStyle;
    const char* fontFace;
    int pointSize;
    std::vector<Control> controls;
};

// The main window's template, then the About box's.
std::vector<Dialog> ProgramDialogs();

// The dialog's template in memory, as the framework builds it; not visible
// when hidden.
std::vector<std::uint16_t> TemplateOf(unsigned id, bool hidden);

// A template of one static control whose text is every byte from 1 to 255.
std::vector<std::uint16_t> AllBytesTemplate(int controlId);

}  // namespace win32_test
