#include "fw/resources.h"

#include "fw/app.h"

namespace fw {
namespace {

const ResourceTable kNoResources{};

const ResourceTable& Table() {
    const CWinApp* app = AfxGetApp();
    return app != nullptr && app->m_pResources != nullptr ? *app->m_pResources : kNoResources;
}

template <class T>
const T* FindById(std::span<const T* const> items, UINT id) {
    for (const T* item : items) {
        if (item->id == id) return item;
    }
    return nullptr;
}

}  // namespace

const DialogTemplate* FindDialog(UINT id) { return FindById(Table().dialogs, id); }
const MenuTemplate* FindMenu(UINT id) { return FindById(Table().menus, id); }
const ImageTemplate* FindIcon(UINT id) { return FindById(Table().icons, id); }
const ImageTemplate* FindCursor(UINT id) { return FindById(Table().cursors, id); }

}  // namespace fw
