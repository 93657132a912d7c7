// The window record and the modal run, once for every backend.
#include "fw/app.h"
#include "fw/dialog.h"
#include "fw/exception.h"
#include "fw/internal.h"
#include "fw/modal.h"

namespace fw::detail {

WindowRecord::~WindowRecord() {
    if (attached != nullptr) attached->m_hWnd = nullptr;
    if (temporary != nullptr) {
        temporary->m_hWnd = nullptr;
        delete temporary;
    }
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = RecordOf(window);
    if (record == nullptr) return 0;
    if (record->attached != nullptr) return record->attached->WindowProc(message, wParam, lParam);
    return DefaultProc(window, message, wParam, lParam);
}

namespace {
int g_dispatchDepth = 0;
}

LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    struct Depth {
        Depth() { ++g_dispatchDepth; }
        ~Depth() {
            if (--g_dispatchDepth == 0) FreeTemporaryDCs();
        }
    } depth;
    try {
        return Send(window, message, wParam, lParam);
    } catch (CException* e) {
        e->ReportError(MB_ICONSTOP);
        e->Delete();
        return 0;
    }
}

CWnd* AttachedTo(HWND window) {
    WindowRecord* record = RecordOf(window);
    return record != nullptr ? record->attached : nullptr;
}

void Attach(HWND window, CWnd* object) {
    WindowRecord* record = RecordOf(window);
    if (record == nullptr) return;
    if (record->attached != nullptr) record->attached->m_hWnd = nullptr;
    record->attached = object;
    if (object != nullptr) object->m_hWnd = window;
}

CWnd* TemporaryWrapper(HWND window) {
    WindowRecord* record = RecordOf(window);
    if (record == nullptr) return nullptr;
    if (record->temporary == nullptr) {
        record->temporary = new CWnd;
        record->temporary->m_hWnd = window;
    }
    return record->temporary;
}

void Destroy(HWND window) {
    WindowRecord* record = RecordOf(window);
    if (record == nullptr) return;
    if (record->inModalRun) {
        EndModal(window, IDCANCEL);
        return;
    }
    Attach(window, nullptr);
    DestroyWindowOf(window);
}

INT_PTR RunModal(CDialog& dialog, UINT templateId, HWND owner) {
    HWND window = OpenDialogWindow(dialog, templateId, owner);
    if (window == nullptr) return -1;
    WindowRecord* record = RecordOf(window);
    record->inModalRun = true;
    WindowRecord* ownerRecord = RecordOf(owner);
    if (ownerRecord != nullptr && ownerRecord->modalDisabled++ == 0) EnableModalOwner(owner, false);
    RunModalLoop(window, dialog);
    // The owner comes back before the window goes, so that it is activated.
    if (ownerRecord != nullptr && --ownerRecord->modalDisabled == 0) EnableModalOwner(owner, true);
    const int result = record->modalResult;
    CloseDialogWindow(window);
    return result;
}

void EndModal(HWND window, int result) {
    WindowRecord* record = RecordOf(window);
    if (record == nullptr || record->modalEnded) return;  // the first result stands
    record->modalEnded = true;
    record->modalResult = result;
    WakeModalLoop(window);
}

void ModalRunStarted(CDialog& dialog) {
    if (ModalObserver* observer = CurrentModalObserver()) observer->Running(dialog);
}

}  // namespace fw::detail
