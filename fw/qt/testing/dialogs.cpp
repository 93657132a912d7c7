// Windows opened as their modal run opens them, but with no run.
#include <QWidget>

#include "fw/dialog.h"
#include "fw/qt/backend.h"
#include "fw/testing/modal.h"
#include "fw/testing/toolkit.h"

namespace fw::testing {

bool OpenDialog(CDialog& dialog, UINT templateId) {
    detail::Window* window = detail::OpenDialogWindow(dialog, templateId, nullptr);
    if (window == nullptr) return false;
    window->widget->show();
    ProcessEvents();
    return true;
}

void CloseDialog(CDialog& dialog) {
    if (dialog.m_hWnd != nullptr) detail::CloseDialogWindow(dialog.m_hWnd);
}

}  // namespace fw::testing
