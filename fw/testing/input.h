// Test support: key and mouse input where the user's would go, menus and
// drop-down lists.
#pragma once

#include <string_view>

#include "fw/types.h"

namespace fw::testing {

// Alt is the key pressed and released on its own.
enum class Key { Tab, BackTab, Enter, Escape, Space, F1, F4, F10, Alt, Up, Down, Home, End };
enum Modifiers : unsigned { kNoModifier = 0, kShift = 1, kControl = 2, kAlt = 4 };

// Input goes where the user's would: an open menu or drop-down list first,
// else the control with the keyboard focus.
void PressKey(Key key, unsigned modifiers = kNoModifier);
void TypeText(std::string_view text);
// Types characters given in UTF-8, also those that Windows-1252 lacks.
void TypeUtf8(std::string_view text);
// Clicks into an edit field, selects all its text and types `text` over it.
void ReplaceText(HWND edit, std::string_view text);
// Sets a window's text from UTF-8 in one step, as a paste would, with
// characters that Windows-1252 lacks.
void SetTextUtf8(HWND window, std::string_view text);
// Puts `text` (UTF-8) on the clipboard and pastes it into an edit field with
// Ctrl+V, where its cursor or selection is.
void PasteUtf8(HWND edit, std::string_view text);
// Asks a top-level window to close, as its close box does.
void RequestClose(HWND window);
void Click(HWND window);
void ClickAt(HWND window, CPoint point);
void MoveMouse(HWND window, CPoint point);
HWND FocusWindow();
// Brings a top-level window to the front with the keyboard focus, as a click
// on its caption does.
void Activate(HWND window);

bool IsDropDownOpen(HWND comboBox);
void OpenDropDown(HWND comboBox);
// Clicks a row of the open drop-down list.
void ClickListRow(HWND comboBox, int row);

bool IsMenuOpen();
// The menu of the menu bar whose title is drawn selected (0 for the first),
// without any menu open; -1 for none.
int SelectedMenu(HWND dialog);
// Opens the menu bar's popup number `index` (0 for the first).
void OpenMenu(HWND dialog, int index);
// Chooses a menu item, as a click on it would.
void ChooseMenuItem(HWND dialog, UINT commandId);

}  // namespace fw::testing
