#include "fw/testing.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>

#include <memory>

#include "fw/dialog.h"
#include "fw/gdi.h"
#include "fw/qt/backend.h"
#include "fw/qt/painter_device.h"
#include "fw/qt/toolkit.h"

namespace fw::detail {
Desktop& RealDesktop();
}

namespace fw::testing {
namespace {

std::unique_ptr<QApplication> g_toolkit;

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
    case Key::Tab: return Qt::Key_Tab;
    case Key::BackTab: return Qt::Key_Backtab;
    case Key::Enter: return Qt::Key_Return;
    case Key::Escape: return Qt::Key_Escape;
    case Key::Space: return Qt::Key_Space;
    case Key::F1: return Qt::Key_F1;
    case Key::F4: return Qt::Key_F4;
    case Key::Up: return Qt::Key_Up;
    case Key::Down: return Qt::Key_Down;
    case Key::Home: return Qt::Key_Home;
    case Key::End: return Qt::Key_End;
    }
    return Qt::Key_unknown;
}

QComboBox* ComboOf(HWND window) { return qobject_cast<QComboBox*>(window->widget); }

QMenuBar* MenuBarOf(HWND dialog) { return dialog->widget->findChild<QMenuBar*>(); }

}  // namespace

void StartToolkit(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    g_toolkit = detail::StartToolkit(argc, argv);
}

void StopToolkit() { g_toolkit.reset(); }

void WhenModal(std::function<void(CDialog&)> action) {
    detail::QueueModalAction([action = std::move(action)](CDialog& dialog) {
        if (QWidget* window = dialog.m_hWnd ? dialog.m_hWnd->widget : nullptr) {
            window->activateWindow();
            QApplication::setActiveWindow(window);
        }
        ProcessEvents();
        action(dialog);
        if (dialog.m_hWnd != nullptr && !dialog.m_hWnd->modalEnded) dialog.EndDialog(kEndedByTest);
    });
}

void ProcessEvents() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

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
    QTest::mouseMove(window->widget, QPoint(point.x, point.y));
    ProcessEvents();
}

HWND FocusWindow() {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? detail::WindowOf(focus) : nullptr;
}

bool IsDropDownOpen(HWND comboBox) {
    QComboBox* combo = ComboOf(comboBox);
    return combo != nullptr && combo->view()->isVisible();
}

void OpenDropDown(HWND comboBox) {
    if (QComboBox* combo = ComboOf(comboBox)) {
        combo->setFocus(Qt::MouseFocusReason);
        combo->showPopup();
    }
    ProcessEvents();
}

void ClickListRow(HWND comboBox, int row) {
    QComboBox* combo = ComboOf(comboBox);
    if (combo == nullptr || !combo->view()->isVisible()) return;
    QAbstractItemView* view = combo->view();
    view->scrollTo(view->model()->index(row, 0));
    const QRect visible = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, visible.center());
    ProcessEvents();
}

bool IsMenuOpen() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; }

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

HCURSOR CursorOf(HWND window) { return window->cursor; }

HWND WindowAt(HWND window, CPoint point) {
    QWidget* child = window->widget->childAt(point.x, point.y);
    return child != nullptr ? detail::WindowOf(child) : nullptr;
}

namespace {

Image ToImage(const QImage& source) {
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    Image image;
    image.width = picture.width();
    image.height = picture.height();
    image.pixels.reserve(static_cast<std::size_t>(image.width * image.height));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) image.pixels.push_back(detail::FromQColor(picture.pixelColor(x, y)));
    }
    return image;
}

}  // namespace

Image Grab(HWND window) { return ToImage(window->widget->grab().toImage()); }

Image GrabDropDown(HWND comboBox) {
    QComboBox* combo = ComboOf(comboBox);
    if (combo == nullptr || !combo->view()->isVisible()) return {};
    return ToImage(combo->view()->viewport()->grab().toImage());
}

CRect DropDownRowRect(HWND comboBox, int row) {
    QComboBox* combo = ComboOf(comboBox);
    if (combo == nullptr) return {};
    const QRect r = combo->view()->visualRect(combo->model()->index(row, 0));
    return CRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

Image PaintImage(int width, int height, HFONT font, const std::function<void(CDC&)>& paint) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        detail::PainterDevice device(&painter, font, 0x000000, 0xFFFFFF);
        paint(*CDC::FromHandle(&device));
    }
    return ToImage(picture);
}

CRect ClientRectOf(HWND control) {
    const QWidget* widget = control->widget;
    const QWidget* client = widget->parentWidget();
    const QPoint origin = client != nullptr ? client->contentsRect().topLeft() : QPoint();
    const QRect g = widget->geometry().translated(-origin);
    return CRect{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

std::string FontFamilyOf(HWND window) { return QFontInfo(window->widget->font()).family().toStdString(); }
int FontPixelSizeOf(HWND window) { return QFontInfo(window->widget->font()).pixelSize(); }
bool IsFixedPitch(HWND window) { return QFontInfo(window->widget->font()).fixedPitch(); }

int FakeDesktop::MessageBox(HWND, const CString& text, const CString& caption, UINT type) {
    boxes.push_back({text.Str(), caption.Str(), type});
    return IDOK;
}

INT_PTR FakeDesktop::Open(const CString& file, int) {
    opened.push_back(file.Str());
    return openResult;
}

BOOL FakeDesktop::OpenClipboard(HWND) {
    clipboardCalls.emplace_back("open");
    return canOpenClipboard;
}

BOOL FakeDesktop::EmptyClipboard() {
    clipboardCalls.emplace_back("empty");
    if (canEmptyClipboard) clipboardText.clear();
    return canEmptyClipboard;
}

BOOL FakeDesktop::SetClipboardText(const CString& text) {
    clipboardCalls.push_back("set:" + text.Str());
    clipboardText = text.Str();
    return TRUE;
}

BOOL FakeDesktop::CloseClipboard() {
    clipboardCalls.emplace_back("close");
    return TRUE;
}

Desktop& RealDesktop() { return detail::RealDesktop(); }

}  // namespace fw::testing
