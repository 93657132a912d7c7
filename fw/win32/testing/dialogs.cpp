// Windows opened as their modal run opens them, but with no run.
#include "fw/dialog.h"
#include "fw/internal.h"
#include "fw/testing/modal.h"
#include "fw/testing/toolkit.h"

namespace fw::testing {

bool OpenDialog(CDialog& dialog, UINT templateId) {
    HWND window = detail::OpenDialogWindow(dialog, templateId, nullptr);
    if (window == nullptr) return false;
    ShowWindow(window, SW_SHOWNORMAL);
    ProcessEvents();
    return true;
}

void CloseDialog(CDialog& dialog) {
    if (dialog.m_hWnd != nullptr) detail::CloseDialogWindow(dialog.m_hWnd);
    ProcessEvents();
}

}  // namespace fw::testing
