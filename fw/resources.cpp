#include "fw/resources.h"

namespace fw {
namespace {

template <class T>
const T* FindById(std::span<const T* const> items, UINT id) {
    for (const T* item : items) {
        if (item->id == id) return item;
    }
    return nullptr;
}

}  // namespace

const DialogTemplate* FindDialog(UINT id) { return FindById(ProgramResources().dialogs, id); }
const MenuTemplate* FindMenu(UINT id) { return FindById(ProgramResources().menus, id); }
const ImageTemplate* FindIcon(UINT id) { return FindById(ProgramResources().icons, id); }
const ImageTemplate* FindCursor(UINT id) { return FindById(ProgramResources().cursors, id); }

}  // namespace fw
