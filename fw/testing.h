// Test support: start the toolkit headless, act inside modal windows, drive
// real key and mouse input, look at what was drawn, and answer message boxes,
// the opener and the clipboard in the user's place. For tests only.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fw/cstring.h"
#include "fw/desktop.h"
#include "fw/types.h"

class CDC;
class CDialog;

namespace fw::testing {

// Starts the toolkit for a test program, on the offscreen platform unless
// QT_QPA_PLATFORM names another one; StopToolkit ends it before main returns.
void StartToolkit(int& argc, char** argv);
void StopToolkit();

// Runs `action` once the next modal window is up. When the action returns
// and the window is still open, it is ended with kEndedByTest.
inline constexpr int kEndedByTest = -100;
void WhenModal(std::function<void(CDialog&)> action);

// Creates a dialog's window and initialises it as DoModal does, shows it and
// returns at once, with no modal run: the window takes calls between the
// inputs of a fuzz target, which sends one window many inputs. It stays until
// CloseDialog. Answers false when the dialog has no template.
bool OpenDialog(CDialog& dialog);
void CloseDialog(CDialog& dialog);

// Lets the toolkit handle what is pending.
void ProcessEvents();
// Every widget the toolkit holds, the framework's windows and the toolkit's
// own (menus, popups, views), once those closed for later deletion are gone.
int ToolkitWidgetCount();

enum class Key { Tab, BackTab, Enter, Escape, Space, F1, F4, Up, Down, Home, End };
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

bool IsDropDownOpen(HWND comboBox);
void OpenDropDown(HWND comboBox);
// Clicks a row of the open drop-down list.
void ClickListRow(HWND comboBox, int row);

bool IsMenuOpen();
// Opens the menu bar's popup number `index` (0 for the first).
void OpenMenu(HWND dialog, int index);
// Chooses a menu item, as a click on it would.
void ChooseMenuItem(HWND dialog, UINT commandId);

// The cursor that a window set for itself the last time it was asked, or
// nullptr when it shows the standard arrow.
HCURSOR CursorOf(HWND window);
// A cursor's picture size and hot spot.
CSize CursorSize(HCURSOR cursor);
CPoint CursorHotSpot(HCURSOR cursor);
// The control under a point of a window, as the mouse would find it.
HWND WindowAt(HWND window, CPoint point);

struct Image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};
// What a window shows now, painted into an image.
Image Grab(HWND window);
// The rows of a drop-down list's open popup, painted into an image, and the
// rectangle of one row in that image.
Image GrabDropDown(HWND comboBox);
CRect DropDownRowRect(HWND comboBox, int row);
// What `paint` draws with a device context on a white image, in `font`
// (the toolkit's default font when nullptr), black text on white, opaque.
Image PaintImage(int width, int height, HFONT font, const std::function<void(CDC&)>& paint);
// Pixel rectangle of a control in its dialog's client area.
CRect ClientRectOf(HWND control);
// The family and pixel size of the font a window shows its text in.
std::string FontFamilyOf(HWND window);
int FontPixelSizeOf(HWND window);
bool IsFixedPitch(HWND window);

// A desktop that answers in the user's place and remembers what it was asked.
class FakeDesktop : public Desktop {
public:
    struct Box {
        std::string text;
        std::string caption;
        UINT type;
    };
    std::vector<Box> boxes;
    struct PrintDialogCall {
        HWND owner;
        DWORD flags;
    };
    std::vector<PrintDialogCall> printDialogs;
    std::vector<std::string> opened;
    std::vector<std::string> clipboardCalls;  // "open", "empty", "set:<text>", "close"
    std::string clipboardText = "earlier content";

    // The print dialog is confirmed with a context from `printer`, named
    // `printerName`; it is cancelled when `printer` is unset or makes none.
    std::function<HDC()> printer;
    std::string printerName;
    INT_PTR openResult = 42;
    BOOL canOpenClipboard = TRUE;
    BOOL canEmptyClipboard = TRUE;

    int MessageBox(HWND owner, const CString& text, const CString& caption, UINT type) override;
    INT_PTR PrintDialog(HWND owner, DWORD flags, HDC* printer, CString* deviceName) override;
    INT_PTR Open(const CString& file, int showCommand) override;
    BOOL OpenClipboard(HWND owner) override;
    BOOL EmptyClipboard() override;
    BOOL SetClipboardText(const CString& text) override;
    BOOL CloseClipboard() override;

    // File dialogs: each request is kept; the answer is `fileDialogResult`
    // with `fileDialogPath` as the chosen path.
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<HWND> fileDialogOwners;
    INT_PTR fileDialogResult = IDCANCEL;
    std::string fileDialogPath;
    INT_PTR FileDialog(HWND owner, FileDialogRequest& request) override;
};

// A context for the toolkit's printer writing a PDF file at `path`, as the
// print dialog hands it over; the printable area is the whole A4 page.
HDC PdfPrinter(const std::string& path);

// What the toolkit's print dialog offered the user, read from its widgets
// with its options shown ("Options >>") and each of their tabs visited.
struct PrintChoices {
    bool shown = false;
    std::vector<std::string> printers;  // the entries of its printer list
    // Every choice the user can reach, visible and enabled: radio buttons and
    // check boxes by their text (without '&'), number and text fields by the
    // toolkit's object name ("copies", "from", "pagesLineEdit", ...).
    std::vector<std::string> reachable;
};
// Answers the toolkit's print dialog, the next time it is up: confirms or
// cancels it, and tells through `offered` what it showed.
void AnswerNextPrintDialog(bool confirm, PrintChoices* offered = nullptr);
// Stops waiting for a print dialog that AnswerNextPrintDialog still expects.
void ForgetPrintDialogAnswer();

// The toolkit's own file dialog, as the real desktop runs it.
class FileDialogControl {
public:
    virtual ~FileDialogControl() = default;
    virtual std::vector<std::string> Filters() const = 0;  // as shown
    virtual std::string SelectedFilter() const = 0;
    // The patterns that its list of files applies now.
    virtual std::vector<std::string> ListedPatterns() const = 0;
    virtual std::string FileName() const = 0;             // in the name field
    virtual std::string DefaultSuffix() const = 0;
    virtual bool ConfirmsOverwrite() const = 0;
    virtual bool IsSaveDialog() const = 0;
    // Moves to the next filter with the keyboard, as the user does.
    virtual void NextFilter() = 0;
    // Accepts with `name` typed into the name field.
    virtual void Accept(std::string_view name) = 0;
};
// Runs `action` once the toolkit's next file dialog is up; a dialog that the
// action leaves open is cancelled.
void WhenFileDialog(std::function<void(FileDialogControl&)> action);

// Closes the toolkit's next message box with its OK button once it is up.
void AnswerNextMessageBox();

// Installs a desktop for the life of this object.
class ScopedDesktop {
public:
    explicit ScopedDesktop(Desktop& desktop) { SetDesktop(&desktop); }
    ~ScopedDesktop() { SetDesktop(nullptr); }
    ScopedDesktop(const ScopedDesktop&) = delete;
    ScopedDesktop& operator=(const ScopedDesktop&) = delete;
};

// Runs the process under another locale (C library and toolkit) for the life
// of this object, as if the program had been started under it.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* name);
    ~ScopedLocale();
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;
    bool Active() const { return m_active; }

private:
    std::string m_previous;
    bool m_active = false;
};

// The toolkit's own desktop (message boxes, opener, clipboard), to test it.
Desktop& RealDesktop();
// The plain text on the toolkit's clipboard, in Windows-1252.
std::string ClipboardText();

}  // namespace fw::testing
