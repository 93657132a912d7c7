// The native side of the test support for the system's own dialogs (message
// boxes, the file and print dialogs) and the clipboard, and a printer that
// records into an enhanced metafile. Plain: no framework header, no Windows
// header. Texts are UTF-8 unless said otherwise.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct HWND__;
struct HDC__;

namespace fw::win32::testing {

enum class SystemDialog { Message, File, Print };

// Runs `action` with the dialog, once a system dialog of that kind of this
// thread is up and shown (looked for every few milliseconds by a timer that
// the dialog's own loop runs). The framework's own dialogs are not looked at.
void WhenSystemDialog(SystemDialog kind, std::function<void(HWND__*)> action);
// Stops looking for dialogs of that kind.
void ForgetSystemDialog(SystemDialog kind);

// What a dialog shows.
std::string ControlText(HWND__* dialog, int id);
bool ControlShown(HWND__* dialog, int id);    // there and visible
bool ControlEnabled(HWND__* dialog, int id);  // there, visible and enabled
// The texts of its visible push buttons, and of its visible texts and buttons.
std::vector<std::string> ButtonTexts(HWND__* dialog);
// What the user can reach in it, visible and enabled: radio buttons and
// check boxes by their text (without '&'), edit fields by their ids.
struct Reachable {
    std::vector<std::string> choices;
    std::vector<int> fields;
};
Reachable ReachableIn(HWND__* dialog);
std::vector<std::string> ShownTexts(HWND__* dialog);
// A message box's text, and its icon as the MB_ICON value of the system's
// icon it shows (0 for none or another).
std::string MessageBoxText(HWND__* box);
unsigned MessageBoxIcon(HWND__* box);
// A combo box's rows and its selected row's text.
std::vector<std::string> ComboRows(HWND__* dialog, int id);
std::string ComboSelected(HWND__* dialog, int id);
// Moves a combo box's selection one row down, with the key, as the user does.
void ComboNext(HWND__* dialog, int id);
// Puts `text` into an edit control (or a combo box's edit part).
void SetControlText(HWND__* dialog, int id, const std::u16string& text);
// Presses a button as a click does, without waiting for what follows.
void PressButton(HWND__* dialog, int id);
// The file dialog's request as the system got it (during its run only).
struct FileRequest {
    bool running = false;
    bool save = false;
    std::string defaultExtension;
    std::uint32_t flags = 0;
    std::vector<std::pair<std::string, std::string>> filters;  // description, pattern
};
FileRequest RunningFileRequest();

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
};
HDC__* CreateMetafileContext();
// Marks the start of a page in the metafile.
void MarkPage(HDC__* metafile);
// Closes the context and reads the text drawn.
std::vector<MetafileText> CloseMetafile(HDC__* metafile);

}  // namespace fw::win32::testing
