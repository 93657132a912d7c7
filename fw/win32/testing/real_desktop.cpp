// The system's own dialogs, watched and answered as the user would: the
// print, file and message dialogs; the desktop itself and its clipboard.
#include <string>

#include "fw/desktop.h"
#include "fw/testing/real_desktop.h"
#include "fw/win32/testing/native_desktop.h"
#include "fw/win32/text.h"

namespace fw::detail {
Desktop& RealDesktop();
}

namespace fw::testing {
namespace {

using win32::testing::SystemDialog;

// Control identifiers of the system's dialogs (winuser.h, dlgs.h).
constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kYes = 6;
constexpr int kFileTypes = 0x470;  // cmb1
constexpr int kPrinters = 0x473;   // cmb4
constexpr int kFileName = 0x480;   // edt1
constexpr unsigned kOverwritePrompt = 0x2;

std::vector<std::string> Split(const std::string& patterns) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        const std::size_t end = std::min(patterns.find(';', start), patterns.size());
        if (end > start) result.push_back(patterns.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

class Win32FileDialogControl : public FileDialogControl {
public:
    explicit Win32FileDialogControl(HWND__* dialog) : m_dialog(dialog) {}
    std::vector<std::string> Filters() const override { return win32::testing::ComboRows(m_dialog, kFileTypes); }
    std::string SelectedFilter() const override { return win32::testing::ComboSelected(m_dialog, kFileTypes); }
    // The system applies the pattern of the filter chosen, as it was given.
    std::vector<std::string> ListedPatterns() const override {
        const std::string selected = SelectedFilter();
        for (const auto& [description, pattern] : win32::testing::RunningFileRequest().filters) {
            if (description == selected) return Split(pattern);
        }
        return {};
    }
    std::string FileName() const override { return win32::testing::ControlText(m_dialog, kFileName); }
    std::string DefaultSuffix() const override { return win32::testing::RunningFileRequest().defaultExtension; }
    bool ConfirmsOverwrite() const override {
        return (win32::testing::RunningFileRequest().flags & kOverwritePrompt) != 0;
    }
    bool IsSaveDialog() const override { return win32::testing::RunningFileRequest().save; }
    std::vector<std::string> Texts() const override { return win32::testing::ShownTexts(m_dialog); }
    void NextFilter() override { win32::testing::ComboNext(m_dialog, kFileTypes); }
    void Accept(std::string_view name) override {
        win32::testing::SetControlText(m_dialog, kFileName, win32::Utf16FromUtf8(name));
        win32::testing::PressButton(m_dialog, kOk);
        m_accepted = true;
    }
    bool Accepted() const { return m_accepted; }

private:
    HWND__* m_dialog;
    bool m_accepted = false;
};

}  // namespace

void WhenFileDialog(std::function<void(FileDialogControl&)> action) {
    win32::testing::WhenSystemDialog(SystemDialog::File, [action = std::move(action)](HWND__* dialog) {
        Win32FileDialogControl control(dialog);
        action(control);
        if (!control.Accepted()) win32::testing::PressButton(dialog, kCancel);
    });
}

namespace {

// The system's print dialog names its number fields by their ids (dlgs.h);
// they are given the names the toolkit's dialog gives its own.
std::string FieldName(int id) {
    switch (id) {
    case 0x480:
        return "from";  // edt1
    case 0x481:
        return "to";  // edt2
    case 0x482:
        return "copies";  // edt3
    default:
        return "field " + std::to_string(id);
    }
}

}  // namespace

void AnswerNextPrintDialog(bool confirm, PrintChoices* offered) {
    ForgetPrintDialogAnswer();
    win32::testing::WhenSystemDialog(SystemDialog::Print, [confirm, offered](HWND__* dialog) {
        if (offered != nullptr) {
            offered->shown = true;
            offered->printers = win32::testing::ComboRows(dialog, kPrinters);
            const win32::testing::Reachable reachable = win32::testing::ReachableIn(dialog);
            offered->reachable = reachable.choices;
            for (const int id : reachable.fields) offered->reachable.push_back(FieldName(id));
            offered->buttons = win32::testing::ButtonTexts(dialog);
        }
        win32::testing::PressButton(dialog, confirm ? kOk : kCancel);
    });
}

void ForgetPrintDialogAnswer() { win32::testing::ForgetSystemDialog(SystemDialog::Print); }

void AnswerNextMessageBox(ShownMessageBox* shown) {
    win32::testing::WhenSystemDialog(SystemDialog::Message, [shown](HWND__* box) {
        if (shown != nullptr) {
            shown->shown = true;
            shown->text = win32::testing::MessageBoxText(box);
            shown->buttons = win32::testing::ButtonTexts(box);
        }
        // OK, or Yes where the box asks.
        win32::testing::PressButton(box, win32::testing::ControlShown(box, kOk) ? kOk : kYes);
    });
}

Desktop& RealDesktop() { return detail::RealDesktop(); }

std::string ClipboardText() { return win32::testing::ClipboardBytes(); }

}  // namespace fw::testing
