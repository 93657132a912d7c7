// Icons and cursors made from the program's XPM pictures.
#include <QCursor>
#include <QImage>
#include <QPixmap>

#include <map>
#include <optional>

#include "fw/app.h"
#include "fw/diagnostics.h"
#include "fw/images.h"
#include "fw/qt/backend.h"
#include "fw/resources.h"
#include "fw/xpm.h"

namespace fw::detail {

struct IconObject {
    QPixmap pixmap;
};

struct CursorObject {
    explicit CursorObject(const QCursor& c) : cursor(c) { ++live; }
    ~CursorObject() { --live; }
    CursorObject(const CursorObject&) = delete;
    CursorObject& operator=(const CursorObject&) = delete;

    QCursor cursor;
    static inline int live = 0;
};

namespace {

Window* g_cursorTarget = nullptr;

// The picture in the toolkit's form, decoded by the framework's own reader:
// the toolkit's reads its header with the C library's scanf, which nothing
// else at start-up needs.
QImage PictureOf(const fw::ImageTemplate& image) {
    const std::optional<fw::Picture> picture = fw::DecodeXpm(image.xpm);
    if (!picture) return {};
    return QImage(reinterpret_cast<const uchar*>(picture->pixels.data()), picture->width, picture->height,
                  QImage::Format_ARGB32)
        .copy();
}

}  // namespace

QPixmap IconPixmap(HICON icon) { return icon != nullptr ? icon->pixmap : QPixmap(); }
QCursor CursorOf(HCURSOR cursor) { return cursor != nullptr ? cursor->cursor : QCursor(); }

CursorScope::CursorScope(Window* window) : m_previous(g_cursorTarget) { g_cursorTarget = window; }
CursorScope::~CursorScope() { g_cursorTarget = m_previous; }

}  // namespace fw::detail

using fw::detail::CursorObject;
using fw::detail::IconObject;

int fw::LiveCursorCount() { return CursorObject::live; }

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    // Resource icons are shared and live as long as the program: they are
    // never destroyed, not even after the toolkit has ended.
    static auto* const loaded = new std::map<UINT, IconObject>;
    if (auto found = loaded->find(nIDResource); found != loaded->end()) return &found->second;
    const fw::ImageTemplate* image = fw::FindIcon(nIDResource);
    if (image == nullptr) return nullptr;
    return &loaded->emplace(nIDResource, IconObject{QPixmap::fromImage(fw::detail::PictureOf(*image))}).first->second;
}

HCURSOR LoadCursorImage(UINT nIDResource, int cx, int cy) {
    const fw::ImageTemplate* image = fw::FindCursor(nIDResource);
    if (image == nullptr) return nullptr;
    const QImage picture = fw::detail::PictureOf(*image);
    if (picture.isNull()) return nullptr;
    const QPixmap scaled = QPixmap::fromImage(picture.scaled(cx, cy));
    const int hotX = image->hotX * cx / picture.width();
    const int hotY = image->hotY * cy / picture.height();
    return new CursorObject(QCursor(scaled, hotX, hotY));
}

BOOL DestroyCursor(HCURSOR cursor) {
    if (cursor == nullptr) return FALSE;
    delete cursor;
    return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor) {
    fw::detail::Window* target = fw::detail::g_cursorTarget;
    if (target == nullptr) return nullptr;
    HCURSOR previous = target->cursor;
    target->cursor = cursor;
    if (cursor != nullptr) {
        target->widget->setCursor(cursor->cursor);
    } else {
        target->widget->unsetCursor();
    }
    return previous;
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    default:
        return 0;
    }
}
