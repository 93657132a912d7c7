// The program's icons and cursors, made from its pictures.
#include <map>
#include <set>

#include "fw/app.h"
#include "fw/diagnostics.h"
#include "fw/images.h"
#include "fw/resources.h"
#include "fw/win32/backend.h"
#include "fw/win32/icons.h"
#include "fw/xpm.h"

namespace fw::win32 {
namespace {

// The cursors made for the program; those it destroyed are dropped when
// counted.
std::set<HCURSOR>& Cursors() {
    static auto* const cursors = new std::set<HCURSOR>;
    return *cursors;
}

}  // namespace

HICON IconOf(UINT resource) {
    // Resource icons are shared and live as long as the program.
    static auto* const loaded = new std::map<UINT, HICON>;
    if (auto found = loaded->find(resource); found != loaded->end()) return found->second;
    const ImageTemplate* image = FindIcon(resource);
    const std::optional<Picture> picture = image != nullptr ? DecodeXpm(image->xpm) : std::nullopt;
    HICON icon = picture ? CreateIconFromPicture(*picture) : nullptr;
    if (icon != nullptr) loaded->emplace(resource, icon);
    return icon;
}

}  // namespace fw::win32

HICON CWinApp::LoadIcon(UINT nIDResource) const { return fw::win32::IconOf(nIDResource); }

HCURSOR LoadCursorImage(UINT nIDResource, int cx, int cy) {
    const fw::ImageTemplate* image = fw::FindCursor(nIDResource);
    const std::optional<fw::Picture> picture = image != nullptr ? fw::DecodeXpm(image->xpm) : std::nullopt;
    HCURSOR cursor = picture ? fw::win32::CreateCursorFromPicture(*picture, image->hotX, image->hotY, cx, cy) : nullptr;
    if (cursor != nullptr) fw::win32::Cursors().insert(cursor);
    return cursor;
}

int fw::LiveCursorCount() {
    std::set<HCURSOR>& cursors = win32::Cursors();
    for (auto it = cursors.begin(); it != cursors.end();) {
        ICONINFO info{};
        if (GetIconInfo(*it, &info)) {
            DeleteObject(info.hbmMask);
            if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
            ++it;
        } else {
            it = cursors.erase(it);
        }
    }
    return static_cast<int>(cursors.size());
}
