// Native controls: drop-down lists, an edit field's paste, an item that
// nobody draws, icons and cursors.
#include <windows.h>

#include "fw/win32/icons.h"
#include "fw/win32/native.h"
#include "fw/win32/window.h"
#include "fw/xpm.h"

namespace fw::win32 {

int ComboAdd(HWND combo, std::string_view text) {
    return static_cast<int>(SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(Utf16FromWindows1252(text)))));
}

int ComboCount(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0)); }
int ComboSelection(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

int ComboSelect(HWND combo, int index) {
    return static_cast<int>(SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0));
}

void ComboReset(HWND combo) { SendMessageW(combo, CB_RESETCONTENT, 0, 0); }

bool ComboText(HWND combo, int index, std::string* text) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return false;
    std::u16string wide(static_cast<std::size_t>(length) + 1, u'\0');
    const LRESULT copied =
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
    if (copied == CB_ERR) return false;
    wide.resize(static_cast<std::size_t>(copied));
    *text = Windows1252FromUtf16(wide);
    return true;
}

HWND ComboListOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

void DrawItemText(HWND combo, HDC dc, const Rect& rect, int item, unsigned state) {
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    // The closed list's field shows its text plainly; a row of the open
    // list its selection.
    const bool selected = (state & ODS_SELECTED) != 0 && (state & ODS_COMBOBOXEDIT) == 0;
    FillRect(dc, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    std::string text;
    if (item >= 0 && ComboText(combo, item, &text)) {
        const std::u16string wide = Utf16FromWindows1252(text);
        const int mode = SetBkMode(dc, TRANSPARENT);
        const COLORREF colour = SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        area.left += 2;
        DrawTextW(dc, Wide(wide), static_cast<int>(wide.size()), &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        SetTextColor(dc, colour);
        SetBkMode(dc, mode);
    }
    if ((state & ODS_FOCUS) != 0) {
        area.left -= 2;
        DrawFocusRect(dc, &area);
    }
}

void PasteOneLine(HWND edit) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(edit)) return;
    std::u16string line;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const char16_t*>(GlobalLock(data))) {
            const SIZE_T limit = GlobalSize(data) / sizeof(char16_t);
            for (SIZE_T i = 0; i < limit && text[i] != u'\0' && text[i] != u'\r' && text[i] != u'\n'; ++i) {
                line.push_back(text[i]);
            }
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Wide(line)));
}

HICON IconFromXpm(const char* const* xpm) {
    const std::optional<Picture> picture = DecodeXpm(xpm);
    return picture ? CreateIconFromPicture(*picture) : nullptr;
}

HICON CursorFromXpm(const char* const* xpm, int hotX, int hotY, int width, int height) {
    const std::optional<Picture> picture = DecodeXpm(xpm);
    return picture ? CreateCursorFromPicture(*picture, hotX, hotY, width, height) : nullptr;
}

void DestroyNativeIcon(HICON icon) {
    if (icon != nullptr) DestroyIcon(icon);
}

void DestroyNativeCursor(HICON cursor) {
    if (cursor != nullptr) DestroyCursor(cursor);
}

void RemoveTextLimit(HWND edit) { SendMessageW(edit, EM_SETLIMITTEXT, 0, 0); }

void SetNativeCursor(HICON cursor) { SetCursor(cursor); }

void SetStaticIcon(HWND control, HICON icon) { SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0); }

}  // namespace fw::win32
