// What the Windows side of the test support shares among its files, and
// what the Windows tests use of it directly: input through the system's
// input queue, menus, drop-down lists, pictures of windows, the system's own
// dialogs and the clipboard.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fw/win32/backend.h"

namespace fw::win32::testing {

// The open list of a drop-down list.
inline HWND ComboListOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

enum class VirtualKey : unsigned short {
    Tab = 0x09,
    Enter = 0x0D,
    Escape = 0x1B,
    Space = 0x20,
    End = 0x23,
    Home = 0x24,
    Up = 0x26,
    Down = 0x28,
    Delete = 0x2E,
    A = 0x41,
    V = 0x56,
    Menu = 0x12,
    F1 = 0x70,
    F4 = 0x73,
    F10 = 0x79,
};
enum Modifier : unsigned { kShift = 1, kControl = 2, kAlt = 4 };

// Input as the keyboard and the mouse give it, to whatever has the focus or
// lies under the pointer; then what it caused is handled.
void PressKey(VirtualKey key, unsigned modifiers);
void TypeCharacters(std::u16string_view characters);
// Client coordinates of the window.
void ClickAt(HWND window, int x, int y);
void MoveMouseTo(HWND window, int x, int y);

// Handles what is queued; an open menu handles it itself.
void ProcessEvents();
void Activate(HWND window);
void SelectAll(HWND edit);
void SetUtf16Text(HWND window, std::u16string_view text);
bool PutOnClipboard(std::u16string_view text);
// The close box's system command.
void RequestClose(HWND window);

bool IsDropDownOpen(HWND combo);
void OpenDropDown(HWND combo);
// The row's rectangle in the open list's client area; false without one.
bool ListRowRect(HWND combo, int row, RECT* rect);
void ClickListRow(HWND combo, int row);

bool IsMenuOpen();
void OpenMenu(HWND window, int index);
// The menu bar's item drawn selected, -1 for none.
int SelectedMenu(HWND window);
bool HasMenuItem(HWND window, unsigned id);



}  // namespace fw::win32::testing


namespace fw::win32::testing {

enum class SystemDialog { Message, File, Print };

// Runs `action` with the dialog, once a system dialog of that kind of this
// thread is up and shown (looked for every few milliseconds by a timer that
// the dialog's own loop runs). The framework's own dialogs are not looked at.
void WhenSystemDialog(SystemDialog kind, std::function<void(HWND)> action);
// Stops looking for dialogs of that kind.
void ForgetSystemDialog(SystemDialog kind);

// What a dialog shows.
std::string ControlText(HWND dialog, int id);
bool ControlShown(HWND dialog, int id);    // there and visible
bool ControlEnabled(HWND dialog, int id);  // there, visible and enabled
// The texts of its visible push buttons, and of its visible texts and buttons.
std::vector<std::string> ButtonTexts(HWND dialog);
// What the user can reach in it, visible and enabled: radio buttons and
// check boxes by their text (without '&'), edit fields by their ids.
struct Reachable {
    std::vector<std::string> choices;
    std::vector<int> fields;
};
Reachable ReachableIn(HWND dialog);
std::vector<std::string> ShownTexts(HWND dialog);
// A message box's text, and its icon as the MB_ICON value of the system's
// icon it shows (0 for none or another).
std::string MessageBoxText(HWND box);
unsigned MessageBoxIcon(HWND box);
// A combo box's rows and its selected row's text.
std::vector<std::string> ComboRows(HWND dialog, int id);
std::string ComboSelected(HWND dialog, int id);
// Moves a combo box's selection one row down, with the key, as the user does.
void ComboNext(HWND dialog, int id);
// Puts `text` into an edit control (or a combo box's edit part).
void SetControlText(HWND dialog, int id, const std::u16string& text);
// Presses a button as a click does, without waiting for what follows.
void PressButton(HWND dialog, int id);
// The file dialog's request as the system got it (during its run only).
struct FileRequest {
    bool running = false;
    bool save = false;
    std::string defaultExtension;
    std::uint32_t flags = 0;
    std::vector<std::pair<std::string, std::string>> filters;  // description, pattern
};
FileRequest RunningFileRequest();
// From now on the file dialogs' requests are seen while they run.
void WatchFileDialogs();

// The clipboard's CF_TEXT bytes; empty when it holds none.
std::string ClipboardBytes();
// Keeps the clipboard open as another program would, for the life of this
// object, from a window of a thread of its own.
class ClipboardHolder {
public:
    ClipboardHolder();
    ~ClipboardHolder();
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;
    bool Holding() const { return m_holding; }

private:
    void* m_thread = nullptr;
    void* m_release = nullptr;
    bool m_holding = false;
};

// An enhanced metafile's context for a printer's drawing, and what was drawn
// on it once it is closed.
struct MetafileText {
    int page = 0;  // counted from 0
    int x = 0;
    int y = 0;
    std::string text;  // as the program's Windows-1252
    std::string face;  // the selected font's
    int height = 0;    // its lfHeight
    bool underline = false;
    std::vector<int> advances;  // each character's, as the context measured it
};
HDC CreateMetafileContext();
// Marks the start of a page in the metafile.
void MarkPage(HDC metafile);
// Closes the context and reads the text drawn.
std::vector<MetafileText> CloseMetafile(HDC metafile);

}  // namespace fw::win32::testing
