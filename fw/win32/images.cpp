// Icons and cursors made from the program's pictures, the cursor a window
// sets for itself, and the system's metrics.
#include <map>

#include "fw/app.h"
#include "fw/diagnostics.h"
#include "fw/images.h"
#include "fw/resources.h"
#include "fw/win32/window.h"

namespace {
int g_liveCursors = 0;
}  // namespace

int fw::LiveCursorCount() { return g_liveCursors; }

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    // Resource icons are shared and live as long as the program.
    static auto* const loaded = new std::map<UINT, fw::detail::IconObject>;
    if (auto found = loaded->find(nIDResource); found != loaded->end()) return &found->second;
    const fw::ImageTemplate* image = fw::FindIcon(nIDResource);
    if (image == nullptr) return nullptr;
    HICON__* native = fw::win32::IconFromXpm(image->xpm);
    if (native == nullptr) return nullptr;
    return &loaded->emplace(nIDResource, fw::detail::IconObject{native}).first->second;
}

HCURSOR LoadCursorImage(UINT nIDResource, int cx, int cy) {
    const fw::ImageTemplate* image = fw::FindCursor(nIDResource);
    if (image == nullptr) return nullptr;
    HICON__* native = fw::win32::CursorFromXpm(image->xpm, image->hotX, image->hotY, cx, cy);
    if (native == nullptr) return nullptr;
    ++g_liveCursors;
    return new fw::detail::CursorObject{native};
}

BOOL DestroyCursor(HCURSOR cursor) {
    if (cursor == nullptr) return FALSE;
    fw::win32::DestroyNativeCursor(cursor->native);
    delete cursor;
    --g_liveCursors;
    return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor) {
    fw::win32::SetNativeCursor(cursor != nullptr ? cursor->native : nullptr);
    fw::detail::Window* target = fw::detail::CurrentCursorTarget();
    if (target == nullptr) return nullptr;
    HCURSOR previous = target->cursor;
    target->cursor = cursor;
    return previous;
}

int GetSystemMetrics(int index) { return fw::win32::SystemMetric(index); }
