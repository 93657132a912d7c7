// Test support: what a screen reader is told about the program's windows,
// read through the desktop's accessibility interface (the toolkit's own on
// Linux, without the session bus).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "fw/types.h"

namespace fw::testing {

// One object as a screen reader knows it; texts in UTF-8.
struct Accessible {
    std::string role;      // "label", "text", "combo box", "push button", "link", "picture", "separator",
                           // "menu", "menu item"
    std::string name;      // what it is called
    std::string value;     // what it holds: a field's text, an output's value, a list's selected row
    std::string labelled;  // the name of the object that labels it
    std::string shortcut;  // a menu item's key
    friend bool operator==(const Accessible&, const Accessible&) = default;
};
inline void PrintTo(const Accessible& a, std::ostream* os) {
    *os << "{" << a.role << ", \"" << a.name << "\", \"" << a.value << "\", \"" << a.labelled << "\", \"" << a.shortcut
        << "\"}";
}

// The controls of a dialog, in the order the accessibility interface gives
// them (the template's).
std::vector<Accessible> AccessibleControls(HWND dialog);
// The dialog's menu bar: each menu, followed by its items.
std::vector<Accessible> AccessibleMenu(HWND dialog);
// Does what a screen reader's "press" does to the control; false when it
// offers no such action.
bool PressAccessible(HWND control);

}  // namespace fw::testing
