// The drop-down list's members over the list's own messages, an item that
// nobody draws, and an edit field's paste.
#include "fw/controls.h"
#include "fw/win32/backend.h"

namespace fw::win32 {

bool ComboText(HWND combo, int index, std::string* text) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return false;
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
    if (copied == CB_ERR) return false;
    wide.resize(static_cast<std::size_t>(copied));
    *text = Narrow(wide);
    return true;
}

void DrawItemText(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT area = item.rcItem;
    // The closed list's field shows its text plainly; a row of the open
    // list its selection.
    const bool selected = (item.itemState & ODS_SELECTED) != 0 && (item.itemState & ODS_COMBOBOXEDIT) == 0;
    FillRect(dc, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    std::string text;
    if (static_cast<int>(item.itemID) >= 0 && ComboText(item.hwndItem, static_cast<int>(item.itemID), &text)) {
        const std::wstring wide = Wide(text);
        const int mode = SetBkMode(dc, TRANSPARENT);
        const COLORREF colour = SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        area.left += 2;
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        SetTextColor(dc, colour);
        SetBkMode(dc, mode);
    }
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(dc, &item.rcItem);
}

void PasteOneLine(HWND edit) {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !SystemClipboard().open(edit)) return;
    std::wstring line;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            const SIZE_T limit = GlobalSize(data) / sizeof(wchar_t);
            for (SIZE_T i = 0; i < limit && text[i] != L'\0' && text[i] != L'\r' && text[i] != L'\n'; ++i) {
                line.push_back(text[i]);
            }
            GlobalUnlock(data);
        }
    }
    SystemClipboard().close();
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
}

}  // namespace fw::win32

int CComboBox::AddString(const char* text) {
    if (m_hWnd == nullptr) return CB_ERR;
    const std::wstring wide = fw::win32::Wide(text != nullptr ? text : "");
    return static_cast<int>(SendMessageW(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

int CComboBox::GetCount() const { return m_hWnd != nullptr ? static_cast<int>(SendMessageW(m_hWnd, CB_GETCOUNT, 0, 0)) : CB_ERR; }
int CComboBox::GetCurSel() const { return m_hWnd != nullptr ? static_cast<int>(SendMessageW(m_hWnd, CB_GETCURSEL, 0, 0)) : CB_ERR; }

// Notifies nobody.
int CComboBox::SetCurSel(int index) {
    return m_hWnd != nullptr ? static_cast<int>(SendMessageW(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0)) : CB_ERR;
}

void CComboBox::ResetContent() {
    if (m_hWnd != nullptr) SendMessageW(m_hWnd, CB_RESETCONTENT, 0, 0);
}

int CComboBox::GetLBText(int index, CString& text) const {
    std::string bytes;
    if (m_hWnd == nullptr || !fw::win32::ComboText(m_hWnd, index, &bytes)) return CB_ERR;
    text = CString(std::move(bytes));
    return text.GetLength();
}
