// The system's own dialogs, watched and answered as the user would: the
// print, file and message dialogs; the desktop itself and its clipboard.
// Control identifiers of the system's dialogs (winuser.h, dlgs.h).
// The system's print dialog names its number fields by their ids (dlgs.h);
#include <cstring>
#include <utility>
#include <map>
#include <memory>
#include <string>

#include "fw/desktop.h"
#include "fw/testing/real_desktop.h"
#include "fw/win32/testing/support.h"
#include "fw/win32/text.h"

namespace fw::win32::testing {
namespace {

// Control identifiers of the system's dialogs (dlgs.h).
constexpr int kMessageText = 0xFFFF;   // a message box's text
constexpr int kFileTypes = 0x470;      // cmb1: the file dialog's filters
constexpr int kFileName = 0x480;       // edt1: its name field
constexpr int kFileNameCombo = 0x47C;  // cmb13: its name field, as a combo box
constexpr int kPrinters = 0x473;       // cmb4: the print dialog's printers

std::string Utf8(const std::u16string& text) { return Utf8FromUtf16(text); }

std::u16string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    const int got = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

std::u16string ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return reinterpret_cast<const char16_t*>(name);
}

// A visible dialog of this thread that the framework does not hold and that
// is of the kind asked for.
struct Search {
    SystemDialog kind;
    HWND found = nullptr;
};

bool IsKind(HWND window, SystemDialog kind) {
    switch (kind) {
    case SystemDialog::Message:
        return GetDlgItem(window, kMessageText) != nullptr;
    case SystemDialog::File:
        return GetDlgItem(window, kFileTypes) != nullptr &&
               (GetDlgItem(window, kFileName) != nullptr || GetDlgItem(window, kFileNameCombo) != nullptr);
    case SystemDialog::Print:
        return GetDlgItem(window, kPrinters) != nullptr;
    }
    return false;
}

BOOL CALLBACK Consider(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    if (!IsWindowVisible(window) || HeldBy(window) != nullptr || ClassOf(window) != u"#32770") return TRUE;
    if (IsKind(window, search->kind)) {
        search->found = window;
        return FALSE;
    }
    // The file dialog of the explorer kind is a dialog inside a dialog.
    if (search->kind == SystemDialog::File) {
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            if (ClassOf(child) == u"#32770" && IsKind(child, search->kind)) {
                search->found = window;
                return FALSE;
            }
        }
    }
    return TRUE;
}

struct Watch {
    SystemDialog kind;
    std::function<void(HWND)> action;
};
std::map<UINT_PTR, std::unique_ptr<Watch>>& Watches() {
    static auto* const watches = new std::map<UINT_PTR, std::unique_ptr<Watch>>;
    return *watches;
}

void CALLBACK Look(HWND, UINT, UINT_PTR timer, DWORD) {
    const auto found = Watches().find(timer);
    if (found == Watches().end()) return;
    Search search{found->second->kind};
    EnumThreadWindows(GetCurrentThreadId(), Consider, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) return;
    KillTimer(nullptr, timer);
    const std::unique_ptr<Watch> watch = std::move(found->second);
    Watches().erase(found);
    watch->action(search.found);
}

// The control of that id in the dialog or in a dialog inside it.
HWND Control(HWND dialog, int id) {
    if (HWND control = GetDlgItem(dialog, id)) return control;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == u"#32770") {
            if (HWND control = GetDlgItem(child, id)) return control;
        }
    }
    return nullptr;
}

LONG ButtonKind(HWND window) { return GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK; }
bool IsPushButton(HWND window) {
    const LONG kind = ButtonKind(window);
    return ClassOf(window) == u"Button" && (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON);
}

BOOL CALLBACK CollectButton(HWND window, LPARAM context) {
    if (IsWindowVisible(window) && IsPushButton(window) && GetWindowTextLengthW(window) > 0) {
        reinterpret_cast<std::vector<std::string>*>(context)->push_back(Utf8(WindowText(window)));
    }
    return TRUE;
}

BOOL CALLBACK CollectText(HWND window, LPARAM context) {
    const std::u16string kind = ClassOf(window);
    if (IsWindowVisible(window) && (kind == u"Button" || kind == u"Static") && GetWindowTextLengthW(window) > 0) {
        reinterpret_cast<std::vector<std::string>*>(context)->push_back(Utf8(WindowText(window)));
    }
    return TRUE;
}

std::string Narrow(const wchar_t* text) {
    return text != nullptr ? Utf8(reinterpret_cast<const char16_t*>(text)) : std::string();
}

}  // namespace

void WhenSystemDialog(SystemDialog kind, std::function<void(HWND)> action) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, Look);
    Watches()[timer] = std::make_unique<Watch>(Watch{kind, std::move(action)});
}

void ForgetSystemDialog(SystemDialog kind) {
    for (auto it = Watches().begin(); it != Watches().end();) {
        if (it->second->kind == kind) {
            KillTimer(nullptr, it->first);
            it = Watches().erase(it);
        } else {
            ++it;
        }
    }
}

HWND NameField(HWND dialog, int id);

std::string ControlText(HWND dialog, int id) {
    HWND control = NameField(dialog, id);
    return control != nullptr ? Utf8(WindowText(control)) : std::string();
}

bool ControlShown(HWND dialog, int id) {
    HWND control = Control(dialog, id);
    return control != nullptr && IsWindowVisible(control);
}

bool ControlEnabled(HWND dialog, int id) { return ControlShown(dialog, id) && IsWindowEnabled(Control(dialog, id)); }

std::vector<std::string> ButtonTexts(HWND dialog) {
    std::vector<std::string> texts;
    EnumChildWindows(dialog, CollectButton, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

std::vector<std::string> ShownTexts(HWND dialog) {
    std::vector<std::string> texts;
    EnumChildWindows(dialog, CollectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

namespace {

BOOL CALLBACK CollectReachable(HWND window, LPARAM context) {
    auto* reachable = reinterpret_cast<Reachable*>(context);
    if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
    const std::u16string kind = ClassOf(window);
    if (kind == u"Button" && !IsPushButton(window) && ButtonKind(window) != BS_GROUPBOX) {
        std::u16string text = WindowText(window);
        std::erase(text, u'&');
        reachable->choices.push_back(Utf8(text));
    } else if (kind == u"Edit") {
        reachable->fields.push_back(GetDlgCtrlID(window));
    }
    return TRUE;
}

}  // namespace

Reachable ReachableIn(HWND dialog) {
    Reachable reachable;
    EnumChildWindows(dialog, CollectReachable, reinterpret_cast<LPARAM>(&reachable));
    return reachable;
}

std::string MessageBoxText(HWND box) { return ControlText(box, kMessageText); }

namespace {

BOOL CALLBACK FindIcon(HWND window, LPARAM context) {
    if (ClassOf(window) == u"Static" && (GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HICON*>(context) = reinterpret_cast<HICON>(SendMessageW(window, STM_GETICON, 0, 0));
        return FALSE;
    }
    return TRUE;
}

}  // namespace

unsigned MessageBoxIcon(HWND box) {
    HICON shown = nullptr;
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&shown));
    if (shown == nullptr) return 0;
    const struct {
        LPCWSTR icon;
        unsigned type;
    } icons[] = {{MAKEINTRESOURCEW(32513), MB_ICONSTOP},
                 {MAKEINTRESOURCEW(32515), MB_ICONEXCLAMATION},
                 {MAKEINTRESOURCEW(32516), MB_ICONINFORMATION}};  // IDI_HAND, IDI_EXCLAMATION, IDI_ASTERISK
    for (const auto& each : icons) {
        if (LoadIconW(nullptr, each.icon) == shown) return each.type;
    }
    return 0;
}

std::vector<std::string> ComboRows(HWND dialog, int id) {
    std::vector<std::string> rows;
    HWND combo = Control(dialog, id);
    if (combo == nullptr) return rows;
    const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        const auto length = static_cast<int>(SendMessageW(combo, CB_GETLBTEXTLEN, row, 0));
        std::u16string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, u'\0');
        SendMessageW(combo, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
        rows.push_back(Utf8(text));
    }
    return rows;
}

std::string ComboSelected(HWND dialog, int id) {
    HWND combo = Control(dialog, id);
    if (combo == nullptr) return {};
    const auto row = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    const std::vector<std::string> rows = ComboRows(dialog, id);
    return row >= 0 && row < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(row)] : std::string();
}

void ComboNext(HWND dialog, int id) {
    HWND combo = Control(dialog, id);
    if (combo == nullptr) return;
    SetFocus(combo);
    PressKey(VirtualKey::Down, 0);
}

// The file dialog's name field is an edit control or, in the explorer kind,
// a combo box with one.
HWND NameField(HWND dialog, int id) {
    HWND control = Control(dialog, id);
    if (id == kFileName && (control == nullptr || !IsWindowVisible(control))) {
        if (HWND combo = Control(dialog, kFileNameCombo); combo != nullptr && IsWindowVisible(combo)) return combo;
    }
    return control;
}

void SetControlText(HWND dialog, int id, const std::u16string& text) {
    HWND control = NameField(dialog, id);
    if (control != nullptr) SetWindowTextW(control, reinterpret_cast<const wchar_t*>(text.c_str()));
}

void PressButton(HWND dialog, int id) {
    HWND button = Control(dialog, id);
    HWND parent = button != nullptr ? GetParent(button) : dialog;
    PostMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

namespace {

// The system's file dialogs as the program calls them: through their import
// slots (fw/win32/imports.cpp), which the test support takes over to see
// each request while its dialog is up.
extern "C" decltype(&GetSaveFileNameW) __imp_GetSaveFileNameW;
extern "C" decltype(&GetOpenFileNameW) __imp_GetOpenFileNameW;

const OPENFILENAMEW* g_running = nullptr;
bool g_runningSaves = false;

template <decltype(&GetSaveFileNameW)* Slot, bool Saves>
BOOL WINAPI Watched(OPENFILENAMEW* request) {
    static const auto system = SystemFunction<decltype(&GetSaveFileNameW)>(
        L"comdlg32.dll", Saves ? "GetSaveFileNameW" : "GetOpenFileNameW");
    const OPENFILENAMEW* outer = std::exchange(g_running, request);
    const bool outerSaves = std::exchange(g_runningSaves, Saves);
    const BOOL chosen = system(request);
    g_running = outer;
    g_runningSaves = outerSaves;
    return chosen;
}

}  // namespace

void WatchFileDialogs() {
    __imp_GetSaveFileNameW = &Watched<&__imp_GetSaveFileNameW, true>;
    __imp_GetOpenFileNameW = &Watched<&__imp_GetOpenFileNameW, false>;
}

FileRequest RunningFileRequest() {
    FileRequest request;
    const OPENFILENAMEW* running = g_running;
    if (running == nullptr) return request;
    request.running = true;
    request.flags = running->Flags;
    request.defaultExtension = Narrow(running->lpstrDefExt);
    for (const wchar_t* at = running->lpstrFilter; at != nullptr && *at != L'\0';) {
        const wchar_t* pattern = at + std::wcslen(at) + 1;
        request.filters.emplace_back(Narrow(at), Narrow(pattern));
        at = pattern + std::wcslen(pattern) + 1;
    }
    request.save = g_runningSaves;
    return request;
}

std::string ClipboardBytes() {
    const Clipboard& clipboard = SystemClipboard();
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

namespace {

struct HoldState {
    HANDLE opened;
    HANDLE release;
    bool held = false;
};

DWORD WINAPI HoldClipboard(void* context) {
    auto* holding = static_cast<HoldState*>(context);
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    holding->held = window != nullptr && SystemClipboard().open(window);
    SetEvent(holding->opened);
    WaitForSingleObject(holding->release, INFINITE);
    if (holding->held) SystemClipboard().close();
    if (window != nullptr) DestroyWindow(window);
    return 0;
}

}  // namespace

ClipboardHolder::ClipboardHolder() {
    auto* holding =
        new HoldState{CreateEventW(nullptr, TRUE, FALSE, nullptr), CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    m_release = holding;
    m_thread = CreateThread(nullptr, 0, HoldClipboard, holding, 0, nullptr);
    WaitForSingleObject(holding->opened, 5000);
    m_holding = holding->held;
}

ClipboardHolder::~ClipboardHolder() {
    auto* holding = static_cast<HoldState*>(m_release);
    SetEvent(holding->release);
    WaitForSingleObject(m_thread, 5000);
    CloseHandle(m_thread);
    CloseHandle(holding->opened);
    CloseHandle(holding->release);
    delete holding;
}

HDC CreateMetafileContext() { return CreateEnhMetaFileW(nullptr, nullptr, nullptr, L"Kalvex\0printout\0"); }

void MarkPage(HDC metafile) {
    static const char kPage[] = "kalvex:page";
    GdiComment(metafile, sizeof kPage, reinterpret_cast<const BYTE*>(kPage));
}

namespace {

struct Reading {
    std::vector<MetafileText> texts;
    std::map<DWORD, LOGFONTW> fonts;  // by object index
    LOGFONTW selected{};
    int page = -1;
};

std::string FaceOf(const LOGFONTW& font) {
    return Windows1252FromUtf16(reinterpret_cast<const char16_t*>(font.lfFaceName));
}

int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM context) {
    auto* reading = reinterpret_cast<Reading*>(context);
    switch (record->iType) {
    case EMR_GDICOMMENT: {
        const auto* comment = reinterpret_cast<const EMRGDICOMMENT*>(record);
        if (comment->cbData >= 11 && std::memcmp(comment->Data, "kalvex:page", 11) == 0) ++reading->page;
        break;
    }
    case EMR_EXTCREATEFONTINDIRECTW: {
        const auto* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
        reading->fonts[font->ihFont] = font->elfw.elfLogFont;
        break;
    }
    case EMR_SELECTOBJECT: {
        const auto* select = reinterpret_cast<const EMRSELECTOBJECT*>(record);
        if (const auto found = reading->fonts.find(select->ihObject); found != reading->fonts.end()) {
            reading->selected = found->second;
        }
        break;
    }
    case EMR_EXTTEXTOUTW: {
        const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const auto* chars =
            reinterpret_cast<const char16_t*>(reinterpret_cast<const BYTE*>(record) + text->emrtext.offString);
        MetafileText drawn;
        drawn.page = reading->page;
        drawn.x = text->emrtext.ptlReference.x;
        drawn.y = text->emrtext.ptlReference.y;
        drawn.text = Windows1252FromUtf16(std::u16string_view(chars, text->emrtext.nChars));
        drawn.face = FaceOf(reading->selected);
        drawn.height = reading->selected.lfHeight;
        drawn.underline = reading->selected.lfUnderline != 0;
        if (text->emrtext.offDx != 0) {
            const auto* advances =
                reinterpret_cast<const INT*>(reinterpret_cast<const BYTE*>(record) + text->emrtext.offDx);
            drawn.advances.assign(advances, advances + text->emrtext.nChars);
        }
        reading->texts.push_back(drawn);
        break;
    }
    default:
        break;
    }
    return 1;
}

}  // namespace

std::vector<MetafileText> CloseMetafile(HDC metafile) {
    HENHMETAFILE closed = CloseEnhMetaFile(metafile);
    Reading reading;
    if (closed == nullptr) return {};
    EnumEnhMetaFile(nullptr, closed, ReadRecord, &reading, nullptr);
    DeleteEnhMetaFile(closed);
    return reading.texts;
}

}  // namespace fw::win32::testing

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
    explicit Win32FileDialogControl(HWND dialog) : m_dialog(dialog) {}
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
    HWND m_dialog;
    bool m_accepted = false;
};

}  // namespace

void WhenFileDialog(std::function<void(FileDialogControl&)> action) {
    win32::testing::WatchFileDialogs();
    win32::testing::WhenSystemDialog(SystemDialog::File, [action = std::move(action)](HWND dialog) {
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
    win32::testing::WhenSystemDialog(SystemDialog::Print, [confirm, offered](HWND dialog) {
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
    win32::testing::WhenSystemDialog(SystemDialog::Message, [shown](HWND box) {
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
