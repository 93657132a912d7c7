// The drop-down list's members over the list's own messages.
#include "fw/controls.h"
#include "fw/win32/window.h"

namespace {
HWND__* Native(HWND window) { return fw::detail::NativeWindow(window); }
}  // namespace

int CComboBox::AddString(const char* text) {
    return m_hWnd != nullptr ? fw::win32::ComboAdd(Native(m_hWnd), text != nullptr ? text : "") : CB_ERR;
}

int CComboBox::GetCount() const { return m_hWnd != nullptr ? fw::win32::ComboCount(Native(m_hWnd)) : CB_ERR; }
int CComboBox::GetCurSel() const { return m_hWnd != nullptr ? fw::win32::ComboSelection(Native(m_hWnd)) : CB_ERR; }

int CComboBox::SetCurSel(int index) {
    return m_hWnd != nullptr ? fw::win32::ComboSelect(Native(m_hWnd), index) : CB_ERR;  // notifies nobody
}

void CComboBox::ResetContent() {
    if (m_hWnd != nullptr) fw::win32::ComboReset(Native(m_hWnd));
}

int CComboBox::GetLBText(int index, CString& text) const {
    std::string bytes;
    if (m_hWnd == nullptr || !fw::win32::ComboText(Native(m_hWnd), index, &bytes)) return CB_ERR;
    text = CString(bytes);
    return text.GetLength();
}
