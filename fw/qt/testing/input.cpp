// Key and mouse input through the toolkit, where the user's would go; menus
// and drop-down lists.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "fw/qt/backend.h"
#include "fw/qt/testing/support.h"
#include "fw/testing/input.h"
#include "fw/testing/toolkit.h"

namespace fw::testing {
namespace {

QWidget* InputTarget() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        // An open drop-down list takes keys in its list view.
        if (auto* view = popup->findChild<QAbstractItemView*>()) return view;
        return popup;
    }
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    return QApplication::activeModalWidget();
}

Qt::KeyboardModifiers ToQt(unsigned modifiers) {
    Qt::KeyboardModifiers result;
    if (modifiers & kShift) result |= Qt::ShiftModifier;
    if (modifiers & kControl) result |= Qt::ControlModifier;
    if (modifiers & kAlt) result |= Qt::AltModifier;
    return result;
}

Qt::Key ToQt(Key key) {
    switch (key) {
    case Key::Tab:
        return Qt::Key_Tab;
    case Key::BackTab:
        return Qt::Key_Backtab;
    case Key::Enter:
        return Qt::Key_Return;
    case Key::Escape:
        return Qt::Key_Escape;
    case Key::Space:
        return Qt::Key_Space;
    case Key::F1:
        return Qt::Key_F1;
    case Key::F4:
        return Qt::Key_F4;
    case Key::F10:
        return Qt::Key_F10;
    case Key::Alt:
        return Qt::Key_Alt;
    case Key::Up:
        return Qt::Key_Up;
    case Key::Down:
        return Qt::Key_Down;
    case Key::Home:
        return Qt::Key_Home;
    case Key::End:
        return Qt::Key_End;
    }
    return Qt::Key_unknown;
}

QMenuBar* MenuBarOf(HWND dialog) { return dialog->widget->findChild<QMenuBar*>(); }

}  // namespace

void PressKey(Key key, unsigned modifiers) {
    QWidget* target = InputTarget();
    if (target == nullptr) return;
    QTest::keyClick(target, ToQt(key), ToQt(modifiers));
    ProcessEvents();
}

void TypeText(std::string_view text) {
    QWidget* target = InputTarget();
    if (target == nullptr) return;
    QTest::keyClicks(target, detail::ToQt(text));
    ProcessEvents();
}

void TypeUtf8(std::string_view text) {
    QWidget* target = InputTarget();
    if (target == nullptr) return;
    TypeCharacters(target, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    ProcessEvents();
}

void ReplaceText(HWND edit, std::string_view text) {
    Click(edit);
    QTest::keyClick(edit->widget, Qt::Key_A, Qt::ControlModifier);
    if (text.empty()) {
        QTest::keyClick(edit->widget, Qt::Key_Delete);
    } else {
        QTest::keyClicks(edit->widget, detail::ToQt(text));
    }
    ProcessEvents();
}

void SetTextUtf8(HWND window, std::string_view text) {
    auto* holder = dynamic_cast<detail::WindowHolder*>(window->widget);
    if (holder != nullptr) holder->setWindowText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void PasteUtf8(HWND edit, std::string_view text) {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    QTest::keyClick(edit->widget, Qt::Key_V, Qt::ControlModifier);
    ProcessEvents();
}

void RequestClose(HWND window) {
    window->widget->close();
    ProcessEvents();
}

void Click(HWND window) { ClickAt(window, CPoint{window->widget->width() / 2, window->widget->height() / 2}); }

void ClickAt(HWND window, CPoint point) {
    QTest::mouseClick(window->widget, Qt::LeftButton, Qt::NoModifier, QPoint(point.x, point.y));
    ProcessEvents();
}

void MoveMouse(HWND window, CPoint point) {
    // Straight to the window that holds the widget: moving the pointer by its
    // screen position could find another window first where windows overlap.
    QWidget* top = window->widget->window();
    QTest::mouseMove(top->windowHandle(), window->widget->mapTo(top, QPoint(point.x, point.y)));
    ProcessEvents();
}

void Activate(HWND window) {
    if (window == nullptr) return;
    window->widget->activateWindow();
    QApplication::setActiveWindow(window->widget);
}

HWND FocusWindow() {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? detail::WindowOf(focus) : nullptr;
}

bool IsDropDownOpen(HWND comboBox) {
    const QAbstractItemView* view = OpenListOf(comboBox);
    return view != nullptr && view->isVisible();
}

void OpenDropDown(HWND comboBox) {
    if (QComboBox* combo = ComboOf(comboBox)) {
        combo->setFocus(Qt::MouseFocusReason);
        combo->showPopup();
    }
    ProcessEvents();
}

void ClickListRow(HWND comboBox, int row) {
    QAbstractItemView* view = OpenListOf(comboBox);
    if (view == nullptr || !view->isVisible()) return;
    view->scrollTo(view->model()->index(row, 0));
    const QRect visible = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, visible.center());
    ProcessEvents();
}

bool IsMenuOpen() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; }

int SelectedMenu(HWND dialog) {
    QMenuBar* bar = MenuBarOf(dialog);
    if (bar == nullptr || IsMenuOpen()) return -1;
    // A selected title is drawn in the highlight colour.
    const QImage picture = bar->grab().toImage();
    const QColor highlight = bar->palette().color(QPalette::Highlight);
    const qreal scale = picture.devicePixelRatio();
    const QList<QAction*> titles = bar->actions();
    for (int i = 0; i < titles.size(); ++i) {
        const QRect title = bar->actionGeometry(titles[i]);
        for (int y = title.top(); y <= title.bottom(); ++y) {
            for (int x = title.left(); x <= title.right(); ++x) {
                if (picture.pixelColor(QPoint(qRound(x * scale), qRound(y * scale))) == highlight) return i;
            }
        }
    }
    return -1;
}

void OpenMenu(HWND dialog, int index) {
    QMenuBar* bar = MenuBarOf(dialog);
    if (bar == nullptr || index < 0 || index >= bar->actions().size()) return;
    QAction* action = bar->actions()[index];
    bar->setActiveAction(action);
    ProcessEvents();
}

void ChooseMenuItem(HWND dialog, UINT commandId) {
    QMenuBar* bar = MenuBarOf(dialog);
    if (bar == nullptr) return;
    for (QAction* action : bar->findChildren<QAction*>()) {
        if (action->objectName() == QString::number(commandId)) {
            action->trigger();
            break;
        }
    }
    ProcessEvents();
}

}  // namespace fw::testing
