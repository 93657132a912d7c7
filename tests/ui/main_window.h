// Running the main window in a test.
#pragma once

#include <functional>
#include <string>

#include "fw/app.h"
#include "fw/testing.h"
#include "ui/coil_dialog.h"

#include <ostream>

inline void PrintTo(const CRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
inline void PrintTo(const CPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const CSize& s, std::ostream* os) { *os << s.cx << " x " << s.cy; }

namespace kalvex_test {

// Runs the main window as the program does, with `action` inside its modal
// run; answers the run's result.
inline INT_PTR RunMainWindow(const std::function<void(CCoilDialog&)>& action) {
    CCoilDialog dialog;
    AfxGetApp()->m_pMainWnd = &dialog;
    fw::testing::WhenModal([&](CDialog& running) { action(static_cast<CCoilDialog&>(running)); });
    return dialog.DoModal();
}

inline HWND Item(const CWnd& dialog, int id) {
    CWnd* item = dialog.GetDlgItem(id);
    return item != nullptr ? item->m_hWnd : nullptr;
}

inline std::string Text(const CWnd& dialog, int id) {
    CString text;
    dialog.GetDlgItemText(id, text);
    return text.Str();
}

// Chooses a row of a drop-down list with the mouse.
inline void Choose(const CWnd& dialog, int listId, int row) {
    fw::testing::OpenDropDown(Item(dialog, listId));
    fw::testing::ClickListRow(Item(dialog, listId), row);
}

}  // namespace kalvex_test
