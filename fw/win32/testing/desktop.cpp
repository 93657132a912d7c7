// The system's own dialogs, watched and answered as the user would: the file
// dialog and the message box; the real desktop and its clipboard.
#include <cwchar>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "fw/desktop.h"
#include "fw/gdi.h"
#include "fw/testing/input.h"
#include "fw/testing/real_desktop.h"
#include "fw/win32/testing/support.h"
#include "fw/win32/text.h"

#include <dlgs.h>  // after the Windows headers

namespace fw::detail {
Desktop& RealDesktop();
}

namespace fw::win32::testing {
namespace {

enum class SystemDialog { Message, File };

// A message box's text: its static control without an id of its own.
constexpr int kMessageText = 0xFFFF;

std::string Utf8(const wchar_t* text) {
    return text != nullptr ? Utf8FromUtf16(reinterpret_cast<const char16_t*>(text)) : std::string();
}

std::string TextOfWindow(HWND window) { return Utf8(WindowText(window).c_str()); }

bool ClassIs(HWND window, const wchar_t* name) {
    wchar_t got[16] = {};
    GetClassNameW(window, got, 16);
    return lstrcmpiW(got, name) == 0;
}

// The control of that id in the dialog or in a dialog inside it (the file
// dialog of the explorer kind is a dialog inside a dialog).
HWND Control(HWND dialog, int id) {
    if (HWND control = GetDlgItem(dialog, id)) return control;
    for (HWND child : WindowsOf(dialog)) {
        if (HWND control = ClassIs(child, L"#32770") ? GetDlgItem(child, id) : nullptr) return control;
    }
    return nullptr;
}

bool Shown(HWND control) { return control != nullptr && IsWindowVisible(control); }

bool IsKind(HWND dialog, SystemDialog kind) {
    if (kind == SystemDialog::Message) return GetDlgItem(dialog, kMessageText) != nullptr;
    return Control(dialog, cmb1) != nullptr && (Control(dialog, edt1) != nullptr || Control(dialog, cmb13) != nullptr);
}

struct Watch {
    SystemDialog kind;
    std::function<void(HWND)> action;
};
std::map<UINT_PTR, Watch>& Watches() {
    static auto* const watches = new std::map<UINT_PTR, Watch>;
    return *watches;
}

// Looks for a visible dialog of this thread that the framework does not
// hold and that is of the kind the timer's watch waits for.
void CALLBACK Look(HWND, UINT, UINT_PTR timer, DWORD) {
    const auto watch = Watches().find(timer);
    if (watch == Watches().end()) return;
    for (HWND window : WindowsOf(nullptr)) {
        if (IsWindowVisible(window) && HeldBy(window) == nullptr && ClassIs(window, L"#32770") &&
            IsKind(window, watch->second.kind)) {
            KillTimer(nullptr, timer);
            const auto action = std::move(watch->second.action);
            Watches().erase(watch);
            return action(window);
        }
    }
}

// The texts of the dialog's visible push buttons, or of all its visible
// buttons and static texts.
std::vector<std::string> TextsIn(HWND dialog, bool pushButtonsOnly) {
    std::vector<std::string> texts;
    for (HWND control : WindowsOf(dialog)) {
        const LONG kind = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
        const bool push = ClassIs(control, L"Button") && (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON);
        const bool shows = pushButtonsOnly ? push : ClassIs(control, L"Button") || ClassIs(control, L"Static");
        if (shows && IsWindowVisible(control) && GetWindowTextLengthW(control) > 0) {
            texts.push_back(TextOfWindow(control));
        }
    }
    return texts;
}

// Presses a button as a click does, without waiting for what follows.
void PressButton(HWND dialog, int id) {
    HWND button = Control(dialog, id);
    PostMessageW(button != nullptr ? GetParent(button) : dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

// The system's file dialogs as the program calls them: through their import
// slots (fw/win32/imports.cpp), which the test support takes over to see
// each request while its dialog is up.
extern "C" decltype(&GetSaveFileNameW) __imp_GetSaveFileNameW;
extern "C" decltype(&GetOpenFileNameW) __imp_GetOpenFileNameW;

const OPENFILENAMEW* g_running = nullptr;
bool g_runningSaves = false;

template <bool Saves>
BOOL WINAPI Watched(OPENFILENAMEW* request) {
    static const auto system =
        SystemFunction<decltype(&GetSaveFileNameW)>(L"comdlg32.dll", Saves ? "GetSaveFileNameW" : "GetOpenFileNameW");
    g_running = request;
    g_runningSaves = Saves;
    const BOOL chosen = system(request);
    g_running = nullptr;
    return chosen;
}

// The request of the file dialog that is up.
const OPENFILENAMEW& Running() {
    static const OPENFILENAMEW none{};
    return g_running != nullptr ? *g_running : none;
}

class SystemFileDialog : public fw::testing::FileDialogControl {
public:
    explicit SystemFileDialog(HWND dialog) : m_dialog(dialog) {}
    std::vector<std::string> Filters() const override {
        std::vector<std::string> rows;
        for (int row = 0; row < SendMessageW(Control(m_dialog, cmb1), CB_GETCOUNT, 0, 0); ++row) {
            rows.push_back(Filter(row));
        }
        return rows;
    }
    std::string SelectedFilter() const override {
        return Filter(static_cast<int>(SendMessageW(Control(m_dialog, cmb1), CB_GETCURSEL, 0, 0)));
    }
    // The system applies the patterns of the filter chosen, as they were
    // given: descriptions and patterns, each ended by a NUL.
    std::vector<std::string> ListedPatterns() const override {
        const std::string selected = SelectedFilter();
        std::vector<std::string> patterns;
        for (const wchar_t* at = Running().lpstrFilter; at != nullptr && *at != L'\0';) {
            const wchar_t* pattern = at + std::wcslen(at) + 1;
            if (Utf8(at) == selected) {
                std::istringstream each(Utf8(pattern));
                for (std::string one; std::getline(each, one, ';');) {
                    if (!one.empty()) patterns.push_back(one);
                }
            }
            at = pattern + std::wcslen(pattern) + 1;
        }
        return patterns;
    }
    std::string FileName() const override { return TextOfWindow(NameField()); }
    std::string DefaultSuffix() const override { return Utf8(Running().lpstrDefExt); }
    bool ConfirmsOverwrite() const override { return (Running().Flags & OFN_OVERWRITEPROMPT) != 0; }
    bool IsSaveDialog() const override { return g_runningSaves; }
    std::vector<std::string> Texts() const override { return TextsIn(m_dialog, false); }
    void NextFilter() override {
        SetFocus(Control(m_dialog, cmb1));
        fw::testing::PressKey(fw::testing::Key::Down);
    }
    void Accept(std::string_view name) override {
        SetWindowTextW(NameField(), reinterpret_cast<const wchar_t*>(Utf16FromUtf8(name).c_str()));
        PressButton(m_dialog, IDOK);
        m_accepted = true;
    }
    bool Accepted() const { return m_accepted; }

private:
    // A row of the list of filters, the program's text.
    std::string Filter(int row) const {
        std::string text;
        return ComboText(Control(m_dialog, cmb1), row, &text) ? Utf8(Wide(text).c_str()) : std::string();
    }
    // An edit control or, in the explorer kind, a combo box with one.
    HWND NameField() const {
        HWND edit = Control(m_dialog, edt1);
        return !Shown(edit) && Shown(Control(m_dialog, cmb13)) ? Control(m_dialog, cmb13) : edit;
    }

    HWND m_dialog;
    bool m_accepted = false;
};

// Runs `action` with the dialog, once a system dialog of that kind of this
// thread is up and shown (looked for every few milliseconds by a timer that
// the dialog's own loop runs). The framework's own dialogs are not looked at.
void WhenSystemDialog(SystemDialog kind, std::function<void(HWND)> action) {
    Watches()[SetTimer(nullptr, 0, 10, Look)] = Watch{kind, std::move(action)};
}

}  // namespace
}  // namespace fw::win32::testing

namespace fw::testing {

void WhenFileDialog(std::function<void(FileDialogControl&)> action) {
    using namespace win32::testing;
    __imp_GetSaveFileNameW = &Watched<true>;
    __imp_GetOpenFileNameW = &Watched<false>;
    WhenSystemDialog(SystemDialog::File, [action = std::move(action)](HWND dialog) {
        SystemFileDialog control(dialog);
        action(control);
        if (!control.Accepted()) PressButton(dialog, IDCANCEL);
    });
}

void AnswerNextMessageBox(ShownMessageBox* shown) {
    using namespace win32::testing;
    WhenSystemDialog(SystemDialog::Message, [shown](HWND box) {
        if (shown != nullptr) {
            shown->shown = true;
            shown->text = TextOfWindow(GetDlgItem(box, kMessageText));
            shown->buttons = TextsIn(box, true);
            // Its icon as the system draws it.
            for (HWND control : WindowsOf(box)) {
                const bool picture =
                    ClassIs(control, L"Static") && (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
                const auto icon = picture ? reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0)) : nullptr;
                if (icon == nullptr) continue;
                shown->icon = PaintImage(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), nullptr,
                                         [icon](CDC& dc) { DrawIcon(dc.m_hDC, 0, 0, icon); });
            }
        }
        // OK, or Yes where the box asks.
        PressButton(box, Shown(Control(box, IDOK)) ? IDOK : IDYES);
    });
}

Desktop& RealDesktop() { return detail::RealDesktop(); }

std::string ClipboardText() {
    const win32::Clipboard& clipboard = win32::SystemClipboard();
    if (!clipboard.open(nullptr)) return {};
    std::string bytes;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* text = static_cast<const char*>(GlobalLock(data))) {
            bytes = text;
            GlobalUnlock(data);
        }
    }
    clipboard.close();
    return bytes;
}

}  // namespace fw::testing
