// Windows opened as their modal run opens them, but with no run.
#include "fw/dialog.h"
#include "fw/internal.h"
#include "fw/testing/modal.h"
#include "fw/testing/toolkit.h"
#include "fw/win32/window.h"

namespace fw::testing {

bool OpenDialog(CDialog& dialog, UINT templateId) {
    detail::Window* window = detail::OpenDialogWindow(dialog, templateId, nullptr);
    if (window == nullptr) return false;
    win32::ShowNative(window->native);
    ProcessEvents();
    return true;
}

void CloseDialog(CDialog& dialog) {
    if (dialog.m_hWnd != nullptr) detail::CloseDialogWindow(dialog.m_hWnd);
    ProcessEvents();
}

}  // namespace fw::testing
