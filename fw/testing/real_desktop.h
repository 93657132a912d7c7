// Test support: the toolkit's own desktop and its dialogs, as the user meets
// them: printing to a PDF file, the print, file and message dialogs, the edit
// fields' menu, the clipboard.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fw/desktop.h"
#include "fw/testing/pictures.h"
#include "fw/types.h"

namespace fw::testing {

// A context for the toolkit's printer writing a PDF file at `path`, as the
// print dialog hands it over; the printable area is the whole A4 page.
// (In kalvex_fw_testing_print, which links the print module's code in.)
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
    std::vector<std::string> buttons;  // the texts of its push buttons, in UTF-8
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
    virtual std::string FileName() const = 0;  // in the name field
    virtual std::string DefaultSuffix() const = 0;
    virtual bool ConfirmsOverwrite() const = 0;
    virtual bool IsSaveDialog() const = 0;
    // The texts of its buttons and labels, in UTF-8, as shown.
    virtual std::vector<std::string> Texts() const = 0;
    // Moves to the next filter with the keyboard, as the user does.
    virtual void NextFilter() = 0;
    // Accepts with `name` (UTF-8) typed into the name field.
    virtual void Accept(std::string_view name) = 0;
    // The toolkit's dialog only (the system's under Wine offers neither):
    // the folder it shows, and the names its list of files shows once it is
    // read;
    virtual std::string Folder() const { return {}; }
    virtual std::vector<std::string> ListedFiles() { return {}; }
    // Enter in the name field, as on the name proposed. A question that comes
    // up is answered, by its Yes button when `yes`, else by its No button,
    // and its text (UTF-8) answered; "" when none came up.
    virtual std::string PressEnter(bool /*yes*/) { return {}; }
};
// Runs `action` once the toolkit's next file dialog is up; a dialog that the
// action leaves open is cancelled.
void WhenFileDialog(std::function<void(FileDialogControl&)> action);

// The toolkit's own message box, as the real desktop shows it: its text and
// the texts of its buttons, in UTF-8, and its icon (empty without one).
struct ShownMessageBox {
    bool shown = false;
    std::string text;
    std::vector<std::string> buttons;
    Image icon;
};
// Closes the toolkit's next message box with its OK button once it is up,
// noting in `shown` (when given) what it showed.
void AnswerNextMessageBox(ShownMessageBox* shown = nullptr);

// The names of the actions of an edit field's own menu (right click), in
// UTF-8, without their shortcut keys; the menu is closed again.
std::vector<std::string> EditMenuTexts(HWND edit);

// The toolkit's own desktop (message boxes, opener, clipboard), to test it.
Desktop& RealDesktop();
// The plain text on the toolkit's clipboard, in Windows-1252.
std::string ClipboardText();

}  // namespace fw::testing
