// Key and mouse input where the user's would go; menus and drop-down lists.
#include "fw/testing/input.h"
#include "fw/testing/toolkit.h"
#include "fw/win32/dialog_template.h"
#include "fw/win32/testing/native.h"
#include "fw/wnd.h"

namespace fw::testing {
namespace {

using win32::testing::VirtualKey;

HWND__* Native(HWND window) { return detail::NativeWindow(window); }

// UTF-8 to UTF-16; a byte that starts no character is U+FFFD.
std::u16string Utf16FromUtf8(std::string_view text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int length = byte < 0x80 ? 1 : (byte >> 5) == 6 ? 2 : (byte >> 4) == 14 ? 3 : (byte >> 3) == 30 ? 4 : 0;
        char32_t code = length == 1 ? byte : length == 2 ? byte & 0x1F : length == 3 ? byte & 0x0F : byte & 0x07;
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid || code > 0x10FFFF) {
            out.push_back(u'\xFFFD');
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
        i += static_cast<std::size_t>(length);
    }
    return out;
}

VirtualKey ToVirtualKey(Key key) {
    switch (key) {
    case Key::Tab:
    case Key::BackTab:
        return VirtualKey::Tab;
    case Key::Enter:
        return VirtualKey::Enter;
    case Key::Escape:
        return VirtualKey::Escape;
    case Key::Space:
        return VirtualKey::Space;
    case Key::F1:
        return VirtualKey::F1;
    case Key::F4:
        return VirtualKey::F4;
    case Key::Up:
        return VirtualKey::Up;
    case Key::Down:
        return VirtualKey::Down;
    case Key::Home:
        return VirtualKey::Home;
    case Key::End:
        return VirtualKey::End;
    }
    return VirtualKey::Escape;
}

}  // namespace

void PressKey(Key key, unsigned modifiers) {
    if (key == Key::BackTab) modifiers |= kShift;
    win32::testing::PressKey(ToVirtualKey(key), modifiers);
}

void TypeText(std::string_view text) { win32::testing::TypeCharacters(detail::Utf16FromWindows1252(text)); }
void TypeUtf8(std::string_view text) { win32::testing::TypeCharacters(Utf16FromUtf8(text)); }

void ReplaceText(HWND edit, std::string_view text) {
    Click(edit);
    win32::testing::SelectAll(Native(edit));
    if (text.empty()) {
        win32::testing::PressKey(VirtualKey::Delete, 0);
    } else {
        TypeText(text);
    }
}

void SetTextUtf8(HWND window, std::string_view text) {
    win32::testing::SetUtf16Text(Native(window), Utf16FromUtf8(text));
}

void PasteUtf8(HWND edit, std::string_view text) {
    win32::testing::PutOnClipboard(Utf16FromUtf8(text));
    win32::FocusTo(Native(edit));  // where its cursor or selection is, if it has the focus
    win32::testing::PressKey(VirtualKey::V, win32::testing::kControl);
}

void RequestClose(HWND window) { win32::testing::RequestClose(Native(window)); }

void Click(HWND window) {
    const win32::Rect r = win32::ClientRectOf(Native(window));
    ClickAt(window, CPoint{r.right / 2, r.bottom / 2});
}

void ClickAt(HWND window, CPoint point) { win32::testing::ClickAt(Native(window), point.x, point.y); }
void MoveMouse(HWND window, CPoint point) { win32::testing::MoveMouseTo(Native(window), point.x, point.y); }

HWND FocusWindow() { return detail::WindowOf(win32::FocusedWindow()); }

void Activate(HWND window) { win32::testing::Activate(Native(window)); }

bool IsDropDownOpen(HWND comboBox) { return win32::testing::IsDropDownOpen(Native(comboBox)); }
void OpenDropDown(HWND comboBox) { win32::testing::OpenDropDown(Native(comboBox)); }
void ClickListRow(HWND comboBox, int row) { win32::testing::ClickListRow(Native(comboBox), row); }

bool IsMenuOpen() { return win32::testing::IsMenuOpen(); }
void OpenMenu(HWND dialog, int index) { win32::testing::OpenMenu(Native(dialog), index); }

void ChooseMenuItem(HWND dialog, UINT commandId) {
    // The command a click on the item gives its window.
    if (!win32::testing::HasMenuItem(Native(dialog), commandId)) return;
    win32::PostNative(Native(dialog), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(commandId), 0), 0);
    ProcessEvents();
}

}  // namespace fw::testing
