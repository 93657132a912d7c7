// The framework's windows over native ones, shared by both kinds of the
// backend's files (see backend.h): what the framework keeps about a native
// window, the native operations the framework-side files call, and the
// framework-side functions the native side calls back. Plain: no framework
// header, no Windows header.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fw/window_record.h"
#include "fw/win32/backend.h"

class CWnd;
class CDialog;
class CFont;
struct HMENU__;

namespace fw::detail {

struct IconObject;
struct CursorObject;

enum class Kind { Other, Dialog, Static, Edit, Button, ComboBox };

// What a framework window handle points to. Made the first time a native
// window of this process is asked for (which subclasses it), deleted when
// the native window is destroyed.
struct Window : WindowRecord {
    ~Window() override;

    HWND__* native = nullptr;
    std::intptr_t nativeProc = 0;  // the window procedure before ours
    Kind kind = Kind::Other;
    FontObject* font = nullptr;  // as set through WM_SETFONT
    bool fontSet = false;
    IconObject* icons[2] = {};       // small, big
    CursorObject* cursor = nullptr;  // as last set while it answered WM_SETCURSOR
    CFont* ownFont = nullptr;        // a dialog's copy of its template's font, owned
};

// The system's item-drawing request and help request, laid out as the
// system lays them out (the native side checks that they agree).
struct NativeDrawItem {
    unsigned ctlType, ctlId, itemId, itemAction, itemState;
    HWND__* item;
    HDC__* dc;
    int left, top, right, bottom;
    std::uintptr_t itemData;
};
struct NativeHelpInfo {
    unsigned size;
    int contextType;
    int controlId;
    void* item;
    std::uintptr_t contextId;
    int x, y;
};

// What an icon and a cursor handle point to: both begin with the native
// handle, so that an icon passed where a cursor goes still draws.
struct IconObject {
    HICON__* native = nullptr;
};
struct CursorObject {
    HICON__* native = nullptr;
};
HICON__* NativeIcon(IconObject* icon);

// The window answering WM_SETCURSOR now; nullptr outside that.
Window* CurrentCursorTarget();

}  // namespace fw::detail

namespace fw::win32 {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// --- native side (files with the Windows headers) -------------------------

// The window procedure before ours, for a message the framework leaves to it.
std::intptr_t CallNativeDefault(detail::Window* window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
std::intptr_t SendNative(HWND__* window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
bool PostNative(HWND__* window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
void DestroyNative(HWND__* window);

// Window text in Windows-1252 ('?' for a character without a byte).
std::string TextOf(HWND__* window);
void SetTextOf(HWND__* window, std::string_view text);
std::uint32_t StyleOf(HWND__* window);
// The window that holds a child window; nullptr for a top-level window.
HWND__* ContainerOf(HWND__* window);
HWND__* ItemOf(HWND__* dialog, int id);
int IdOf(HWND__* window);
bool IsMinimised(HWND__* window);
bool IsEnabled(HWND__* window);
bool IsVisible(HWND__* window);
Rect ClientRectOf(HWND__* window);
Rect ScreenRectOf(HWND__* window);
// The client area's rectangle in screen coordinates.
Rect ScreenClientRectOf(HWND__* window);
HWND__* FocusTo(HWND__* window);
HWND__* FocusedWindow();
void EnableNative(HWND__* window, bool enable);
short KeyStateOf(int virtualKey);
int SystemMetric(int index);
// The dialog's face colour.
std::uint32_t DialogFaceColour();
// The program file's name without folder and extension.
std::string ProgramName();
// From now on the system loads DLLs from its own folder only, never from
// the program's folder or the current one.
void SearchOnlyTheSystemFolder();
// Runs messages until the quit message.
void RunMessageLoop();

// Dialogs. Creates the dialog window from its template (not yet shown, no
// menu); `creating` reaches DialogCreated during creation.
HWND__* CreateDialogWindow(const std::vector<std::uint16_t>& dialogTemplate, HWND__* owner, void* creating);
struct MenuItem {
    std::u16string text;  // empty for a separator
    unsigned id = 0;
};
struct MenuPopup {
    std::u16string text;
    std::vector<MenuItem> items;
};
// Gives the window a menu bar and grows it so that its client area stays
// as large as before.
void SetMenuBar(HWND__* window, const std::vector<MenuPopup>& popups);
// Centres the window over its owner, or without one in the work area of its
// monitor; either way it stays inside that work area.
void Centre(HWND__* window, HWND__* owner);
void ShowNative(HWND__* window);
// Dialog units of the dialog's template font to pixels.
Rect MapDialogUnits(HWND__* dialog, Rect units);
// The font the dialog manager made from the template.
struct FontDescription {
    long height = 0;
    long weight = 0;
    bool italic = false;
    unsigned char charset = 0;
    std::string face;
};
bool DescribeDialogFont(HWND__* dialog, FontDescription* description);
// The controls of a dialog, in template order.
std::vector<HWND__*> ControlsOf(HWND__* dialog);
// Runs messages, the dialog manager's keys included, until `ended`; `started`
// runs once the loop runs. A quit message ends the loop and stays queued.
void RunModalLoop(HWND__* dialog, const bool& ended, void (*started)(void*), void* context);
// Handles what is queued, the dialog manager's keys included, and returns.
void PumpPending();

// Pictures as native icons and cursors.
HICON__* IconFromXpm(const char* const* xpm);
HICON__* CursorFromXpm(const char* const* xpm, int hotX, int hotY, int width, int height);
void DestroyNativeIcon(HICON__* icon);
void DestroyNativeCursor(HICON__* cursor);
void SetNativeCursor(HICON__* cursor);
// A static picture control takes the icon, at the icon's size.
void SetStaticIcon(HWND__* control, HICON__* icon);
// An edit field takes text of any length.
void RemoveTextLimit(HWND__* edit);

// Drop-down lists.
int ComboAdd(HWND__* combo, std::string_view text);
int ComboCount(HWND__* combo);
int ComboSelection(HWND__* combo);
int ComboSelect(HWND__* combo, int index);
void ComboReset(HWND__* combo);
bool ComboText(HWND__* combo, int index, std::string* text);
HWND__* ComboListOf(HWND__* combo);

// An item that nobody drew: its text, as a list that draws itself shows it.
void DrawItemText(HWND__* combo, HDC__* dc, const Rect& rect, int item, unsigned state);

// --- framework side (files with the framework's headers) ------------------

// A native message for the window's object; answers the native result.
std::intptr_t Receive(detail::Window* window, unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
// During the dialog's creation, before it is shown: attaches and initialises
// it; answers whether the dialog manager focuses the first control.
bool DialogCreated(HWND__* dialog, void* creating);
// The window is going away: the framework lets go of it.
void Forget(detail::Window* window);
// Framework windows alive.
int LiveWindows();

}  // namespace fw::win32
