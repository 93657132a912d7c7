// Resources as data: dialog templates, menus, icons and cursors. The program
// hands its table to the application object (CWinApp::m_pResources); the
// framework looks things up in it.
#pragma once

#include <span>

#include "fw/types.h"

namespace fw {

enum class ControlKind { Static, Edit, Button, ComboBox };

// Positions and sizes in dialog units of the template's font.
struct ControlTemplate {
    ControlKind kind;
    int id;            // -1 for a control nobody addresses
    const char* text;  // Windows-1252; nullptr for none
    short x, y, cx, cy;
    DWORD style;
    DWORD exStyle = 0;
    UINT image = 0;  // icon resource of an SS_ICON static
};

struct DialogTemplate {
    UINT id;
    const char* caption;
    short x, y, cx, cy;
    DWORD style;
    DWORD exStyle;
    const char* fontFace;
    int pointSize;
    UINT menu;  // 0 for none
    std::span<const ControlTemplate> controls;
};

struct MenuItemTemplate {
    const char* text;  // nullptr for a separator; a tab separates the shortcut text
    UINT id;
};

struct MenuPopupTemplate {
    const char* text;
    std::span<const MenuItemTemplate> items;
};

struct MenuTemplate {
    UINT id;
    std::span<const MenuPopupTemplate> popups;
};

// A picture kept as XPM text. For a cursor, (hotX, hotY) is its hot spot.
struct ImageTemplate {
    UINT id;
    const char* const* xpm;
    int hotX = 0;
    int hotY = 0;
};

struct ResourceTable {
    std::span<const DialogTemplate* const> dialogs;
    std::span<const MenuTemplate* const> menus;
    std::span<const ImageTemplate* const> icons;
    std::span<const ImageTemplate* const> cursors;
};

// Lookups in the application object's table; nullptr when it has none or
// holds no resource of that id.
const DialogTemplate* FindDialog(UINT id);
const MenuTemplate* FindMenu(UINT id);
const ImageTemplate* FindIcon(UINT id);
const ImageTemplate* FindCursor(UINT id);

}  // namespace fw
