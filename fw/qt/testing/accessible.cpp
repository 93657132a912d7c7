// What a screen reader is told, read through the toolkit's accessibility
// interface.
#include <QAccessible>
#include <QMenuBar>

#include "fw/qt/backend.h"
#include "fw/testing/accessible.h"

namespace fw::testing {
namespace {

std::string RoleName(QAccessible::Role role) {
    switch (role) {
    case QAccessible::StaticText:
        return "label";
    case QAccessible::EditableText:
        return "text";
    case QAccessible::ComboBox:
        return "combo box";
    case QAccessible::PushButton:
        return "push button";
    case QAccessible::Link:
        return "link";
    case QAccessible::Graphic:
        return "picture";
    case QAccessible::Separator:
        return "separator";
    case QAccessible::PopupMenu:
        return "menu";
    case QAccessible::MenuItem:
        return "menu item";
    default:
        return "role " + std::to_string(static_cast<int>(role));
    }
}

Accessible Describe(QAccessibleInterface* object) {
    Accessible described;
    if (object == nullptr) return described;
    described.role = RoleName(object->role());
    described.name = object->text(QAccessible::Name).toStdString();
    described.value = object->text(QAccessible::Value).toStdString();
    const auto labels = object->relations(QAccessible::Label);
    if (!labels.isEmpty() && labels.first().first != nullptr) {
        described.labelled = labels.first().first->text(QAccessible::Name).toStdString();
    }
    described.shortcut = object->text(QAccessible::Accelerator).toStdString();
    return described;
}

}  // namespace

std::vector<Accessible> AccessibleControls(HWND dialog) {
    std::vector<Accessible> controls;
    QAccessibleInterface* client = QAccessible::queryAccessibleInterface(dialog->client);
    for (int i = 0; client != nullptr && i < client->childCount(); ++i) controls.push_back(Describe(client->child(i)));
    return controls;
}

std::vector<Accessible> AccessibleMenu(HWND dialog) {
    std::vector<Accessible> items;
    auto* bar = dialog->widget->findChild<QMenuBar*>();
    QAccessibleInterface* menuBar = bar != nullptr ? QAccessible::queryAccessibleInterface(bar) : nullptr;
    for (int i = 0; menuBar != nullptr && i < menuBar->childCount(); ++i) {
        QAccessibleInterface* title = menuBar->child(i);
        items.push_back(Describe(title));
        QAccessibleInterface* menu = title->childCount() > 0 ? title->child(0) : nullptr;
        for (int j = 0; menu != nullptr && j < menu->childCount(); ++j) items.push_back(Describe(menu->child(j)));
    }
    return items;
}

bool PressAccessible(HWND control) {
    QAccessibleInterface* object = QAccessible::queryAccessibleInterface(control->widget);
    QAccessibleActionInterface* actions = object != nullptr ? object->actionInterface() : nullptr;
    if (actions == nullptr || !actions->actionNames().contains(QAccessibleActionInterface::pressAction())) {
        return false;
    }
    actions->doAction(QAccessibleActionInterface::pressAction());
    return true;
}

}  // namespace fw::testing
