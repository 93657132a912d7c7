// The program's dialog templates built in memory and given to the Windows
// dialog manager: every control where its dialog units put it, with its
// class, number, style and text, in template order.
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "fw/resources.h"
#include "fw/win32/dialog_template.h"
#include "ui/resource_ids.h"
#include "ui/resources.h"

namespace {

using fw::ControlKind;

// The program's own template, without an application object.
const fw::DialogTemplate& ProgramDialog(UINT id) {
    for (const fw::DialogTemplate* dialog : ProgramResources().dialogs) {
        if (dialog->id == id) return *dialog;
    }
    throw std::logic_error("no such dialog");
}

// The template in memory, as the framework builds it, not visible.
std::vector<std::uint16_t> HiddenTemplate(fw::DialogTemplate dialog) {
    dialog.style &= ~WS_VISIBLE;
    return fw::win32::BuildDialogTemplate(dialog);
}

INT_PTR CALLBACK QuietDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG ? TRUE : FALSE; }

// A dialog made from a template, destroyed at the end of the scope.
class Dialog {
public:
    explicit Dialog(const std::vector<std::uint16_t>& bytes)
        : m_window(CreateDialogIndirectParamW(
              GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(bytes.data()), nullptr, QuietDialog, 0)) {
    }
    ~Dialog() {
        if (m_window != nullptr) DestroyWindow(m_window);
    }
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    HWND get() const { return m_window; }

private:
    HWND m_window;
};

std::wstring FromWindows1252(const char* text) {
    if (text == nullptr || *text == '\0') return {};
    const int length = MultiByteToWideChar(1252, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(1252, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

const wchar_t* ClassName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Static:
        return L"Static";
    case ControlKind::Edit:
        return L"Edit";
    case ControlKind::Button:
        return L"Button";
    case ControlKind::ComboBox:
        return L"ComboBox";
    }
    return L"";
}

// Dialog units to pixels of the dialog's client area, as the dialog manager
// places a control: its origin and its size each converted (the far edge is
// not converted itself, and may differ from that by a pixel).
RECT Mapped(HWND dialog, int x, int y, int cx, int cy) {
    RECT units{x, y, cx, cy};
    EXPECT_TRUE(MapDialogRect(dialog, &units));
    return RECT{units.left, units.top, units.left + units.right, units.top + units.bottom};
}

RECT PlaceOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

::testing::AssertionResult SameRect(const RECT& seen, const RECT& want) {
    if (EqualRect(&seen, &want)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at (" << seen.left << "," << seen.top << ")-(" << seen.right << ","
                                         << seen.bottom << "), want (" << want.left << "," << want.top << ")-("
                                         << want.right << "," << want.bottom << ")";
}

// What the dialog manager and the controls make of a control's styles (as
// Windows does it, and Wine after it): every control is created not to
// notify its parent; an edit field's WS_BORDER becomes the sunken client
// edge (templates of this version are drawn in three dimensions); a combo
// box hands its scroll bar to its list; an etched line gets the static edge
// it is drawn with.
void ExpectedStyles(const fw::ControlTemplate& control, DWORD* style, DWORD* exStyle) {
    *style = control.style;
    *exStyle = control.exStyle | WS_EX_NOPARENTNOTIFY;
    if (control.kind == ControlKind::Edit && (control.style & WS_BORDER) != 0) {
        *style &= ~WS_BORDER;
        *exStyle |= WS_EX_CLIENTEDGE;
    }
    if (control.kind == ControlKind::ComboBox) *style &= ~(WS_VSCROLL | WS_HSCROLL);
    if (control.kind == ControlKind::Static && (control.style & SS_TYPEMASK) == SS_ETCHEDHORZ)
        *exStyle |= WS_EX_STATICEDGE;
}

void ExpectControls(HWND dialog, const fw::DialogTemplate& plan) {
    HWND child = GetWindow(dialog, GW_CHILD);
    for (std::size_t k = 0; k < plan.controls.size(); ++k, child = GetWindow(child, GW_HWNDNEXT)) {
        const fw::ControlTemplate& control = plan.controls[k];
        SCOPED_TRACE(::testing::Message() << "dialog " << plan.id << ", control " << k << " (id " << control.id << ")");
        ASSERT_NE(child, nullptr) << "fewer windows than controls";
        EXPECT_EQ(GetDlgCtrlID(child), control.id);
        EXPECT_EQ(ClassOf(child), ClassName(control.kind));
        DWORD style = 0;
        DWORD exStyle = 0;
        ExpectedStyles(control, &style, &exStyle);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)), style) << std::hex << control.style;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(child, GWL_EXSTYLE)), exStyle) << std::hex << control.exStyle;

        const RECT want = Mapped(dialog, control.x, control.y, control.cx, control.cy);
        const RECT seen = PlaceOf(child);
        const bool icon = control.kind == ControlKind::Static && (control.style & SS_TYPEMASK) == SS_ICON;
        const bool etched = control.kind == ControlKind::Static && (control.style & SS_TYPEMASK) == SS_ETCHEDHORZ;
        if (etched) {
            // A line: the template's width, no height inside its edge.
            RECT client{};
            GetClientRect(child, &client);
            EXPECT_EQ(client.right, want.right - want.left);
            EXPECT_EQ(client.bottom, 0);
            EXPECT_EQ(seen.left, want.left);
            EXPECT_EQ(seen.top, want.top);
        } else if (icon) {
            // An icon static takes the size of its icon, loaded by number.
            EXPECT_NE(SendMessageW(child, STM_GETICON, 0, 0), 0);
            const RECT sized{want.left, want.top, want.left + GetSystemMetrics(SM_CXICON),
                             want.top + GetSystemMetrics(SM_CYICON)};
            EXPECT_TRUE(SameRect(seen, sized));
        } else if (control.kind == ControlKind::ComboBox) {
            // The template's height is the open list's, which the box
            // fits to its rows; closed, the box is one row high.
            RECT open{};
            SendMessageW(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&open));
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&open), 2);
            EXPECT_EQ(open.left, want.left);
            EXPECT_EQ(open.top, want.top);
            EXPECT_EQ(open.right, want.right);
            EXPECT_LE(open.bottom, want.bottom);
            EXPECT_GT(open.bottom - open.top, (want.bottom - want.top) * 3 / 4);
            EXPECT_EQ(seen.left, want.left);
            EXPECT_EQ(seen.top, want.top);
            EXPECT_EQ(seen.right, want.right);
            EXPECT_LT(seen.bottom, open.bottom);
        } else {
            EXPECT_TRUE(SameRect(seen, want));
        }
        if (!icon) {
            EXPECT_EQ(TextOf(child), FromWindows1252(control.text));
        }
    }
    EXPECT_EQ(child, nullptr) << "more windows than controls";
}

TEST(DialogTemplate, EveryControlWhereItsDialogUnitsPutIt) {
    const fw::DialogTemplate& main = ProgramDialog(IDD_MAIN);
    const fw::DialogTemplate& about = ProgramDialog(IDD_ABOUTBOX);
    EXPECT_EQ(main.controls.size(), 24u);
    EXPECT_EQ(about.controls.size(), 9u);
    for (const fw::DialogTemplate* plan : {&main, &about}) {
        SCOPED_TRACE(plan->id);
        const Dialog dialog(HiddenTemplate(*plan));
        ASSERT_NE(dialog.get(), nullptr) << "CreateDialogIndirectParamW failed: " << GetLastError();
        EXPECT_FALSE(IsWindowVisible(dialog.get()));
        EXPECT_EQ(TextOf(dialog.get()), FromWindows1252(plan->caption));
        // A top-level window clips its siblings; templates of this version
        // are drawn in three dimensions.
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(dialog.get(), GWL_STYLE)),
                  (plan->style & ~WS_VISIBLE) | WS_CLIPSIBLINGS | DS_3DLOOK);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(dialog.get(), GWL_EXSTYLE)) & plan->exStyle, plan->exStyle);
        EXPECT_EQ(GetMenu(dialog.get()), nullptr);

        // The client area is the template's size in its dialog units.
        RECT client{};
        GetClientRect(dialog.get(), &client);
        EXPECT_TRUE(SameRect(client, Mapped(dialog.get(), 0, 0, plan->cx, plan->cy)));

        // The template's font.
        auto* font = reinterpret_cast<HFONT>(SendMessageW(dialog.get(), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTW logFont{};
        GetObjectW(font, sizeof logFont, &logFont);
        EXPECT_EQ(std::wstring(logFont.lfFaceName), FromWindows1252(plan->fontFace));
        HDC screen = GetDC(nullptr);
        EXPECT_EQ(logFont.lfHeight, -MulDiv(plan->pointSize, GetDeviceCaps(screen, LOGPIXELSY), 72));
        ReleaseDC(nullptr, screen);

        ExpectControls(dialog.get(), *plan);
    }
}

// Every byte of Windows-1252 reaches the control as the system converts it.
TEST(DialogTemplate, TextsFromWindows1252) {
    constexpr int kId = 7;
    std::string bytes;
    for (int b = 1; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    const std::array controls = {
        fw::ControlTemplate{ControlKind::Static, kId, bytes.c_str(), 0, 0, 200, 100, WS_CHILD | SS_LEFT},
    };
    const Dialog dialog(fw::win32::BuildDialogTemplate(fw::DialogTemplate{
        1, "Bytes", 0, 0, 210, 110, WS_POPUP | WS_CAPTION | DS_SETFONT, 0, "MS Sans Serif", 8, 0, controls}));
    ASSERT_NE(dialog.get(), nullptr);
    const std::wstring want = FromWindows1252(bytes.c_str());
    ASSERT_EQ(want.size(), 255u);
    const std::wstring seen = TextOf(GetDlgItem(dialog.get(), kId));
    ASSERT_EQ(seen.size(), want.size());
    for (std::size_t k = 0; k < want.size(); ++k) {
        EXPECT_EQ(static_cast<unsigned>(seen[k]), static_cast<unsigned>(want[k])) << "byte " << std::hex << k + 1;
    }
}

}  // namespace
