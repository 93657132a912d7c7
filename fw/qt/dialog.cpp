// Dialog windows from templates, their modal run and the dialog manager's
// keyboard handling.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "fw/app.h"
#include "fw/dialog.h"
#include "fw/exception.h"
#include "fw/gdi.h"
#include "fw/modal.h"
#include "fw/qt/backend.h"
#include "fw/qt/combo_widget.h"

namespace fw::detail {
namespace {

// Dialog base units of a font: the average width of the Latin letters and the
// character height, as the dialog manager measures them.
QSize BaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return QSize((letters / 26 + 1) / 2, metrics.height());
}

int Scale(int units, int base, int divisor) {
    return (units * base + divisor / 2) / divisor;  // rounded, as MulDiv does
}

class DialogWidget : public QDialog, public WindowHolder {
public:
    explicit DialogWidget(QWidget* owner) : QDialog(owner), WindowHolder(this, Kind::Dialog) {}
    ~DialogWidget() override { DeleteFont(handle()->font); }

    QString windowText() const override { return windowTitle(); }
    void setWindowText(const QString& text) override { setWindowTitle(text); }

    QSize baseUnits;
    QWidget* client = nullptr;
    QMenuBar* menuBar = nullptr;

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void closeEvent(QCloseEvent* event) override {
        // The close box becomes the system command; whatever that leads to
        // ends the run itself.
        event->ignore();
        Dispatch(handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (!handleKey(event)) QWidget::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent*) override { Dispatch(handle(), WM_PAINT); }

private:
    bool handleKey(QKeyEvent* event);
    // F10: the menu bar takes the keyboard with its first menu selected, or
    // gives it back, as for Alt pressed and released alone.
    void selectMenuBar();
    // F1: a help request to `target`, which passes it on to the dialog.
    void requestHelp(Window* target, Qt::KeyboardModifiers modifiers);
};

// The drop-down list whose open list `watched` is (the popup or the view in
// it), or nullptr.
QComboBox* DropDownOf(QObject* watched) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) return nullptr;
    QWidget* popup = qobject_cast<QAbstractItemView*>(widget) != nullptr ? widget->parentWidget() : widget;
    auto* combo = popup != nullptr ? qobject_cast<QComboBox*>(popup->parentWidget()) : nullptr;
    return combo != nullptr && combo->view()->parentWidget() == popup ? combo : nullptr;
}

void DialogWidget::requestHelp(Window* target, Qt::KeyboardModifiers modifiers) {
    const InputScope input(modifiers);
    HELPINFO info{};
    info.cbSize = sizeof(info);
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = target->id;
    info.hItemHandle = target;
    Dispatch(target, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

// The dialog manager: keys that mean something to the dialog as a whole.
bool DialogWidget::handleKey(QKeyEvent* event) {
    const InputScope input(event->modifiers());
    const int key = event->key();
    if (key == Qt::Key_F1) {
        // The help request goes to the window with the focus; controls pass it on.
        QWidget* focus = QApplication::focusWidget();
        requestHelp(focus != nullptr && WindowOf(focus) != nullptr ? WindowOf(focus) : handle(), event->modifiers());
        return true;
    }
    if (key == Qt::Key_F10 && event->modifiers() == Qt::NoModifier) {
        selectMenuBar();
        return true;
    }
    if (key == Qt::Key_F4 && event->modifiers() == Qt::AltModifier) {
        Dispatch(handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
    if (key == Qt::Key_Escape) {
        Dispatch(handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Enter runs the focused push button, otherwise the default button
        // or, without one, IDOK.
        QWidget* focus = QApplication::focusWidget();
        Window* focused = focus != nullptr ? WindowOf(focus) : nullptr;
        if (focused != nullptr && focused->kind == Kind::Button) {
            Dispatch(handle(), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(focused->id), BN_CLICKED),
                     reinterpret_cast<LPARAM>(focused));
            return true;
        }
        int id = IDOK;
        for (QPushButton* button : client->findChildren<QPushButton*>()) {
            Window* w = WindowOf(button);
            if (w != nullptr && (w->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) id = w->id;
        }
        Dispatch(handle(), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
        return true;
    }
    return false;
}

void DialogWidget::selectMenuBar() {
    if (menuBar == nullptr) return;
    // The toolkit's menu bar watches its window for Alt pressed alone and
    // the application for its release.
    QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(menuBar, &release);
}

bool DialogWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Keep the keys of the dialog manager away from the controls' own use.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->key() == Qt::Key_F1) {
            event->accept();
            return false;
        }
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (QComboBox* combo = DropDownOf(watched)) {
        // An open list keeps its keys, but the list keeps the keyboard focus
        // while it is open: F1 asks for help from the list, as when closed.
        if (key->key() != Qt::Key_F1 || WindowOf(combo) == nullptr) return false;
        requestHelp(WindowOf(combo), key->modifiers());
        return true;
    }
    if (qobject_cast<QMenu*>(watched) != nullptr || qobject_cast<QMenuBar*>(watched) != nullptr) {
        // In a menu only F1 is ours: help for the window that owns the menu.
        if (key->key() != Qt::Key_F1) return false;
        const InputScope input(key->modifiers());
        HELPINFO info{};
        info.cbSize = sizeof(info);
        info.iContextType = HELPINFO_MENUITEM;
        Dispatch(handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        return true;
    }
    return handleKey(key);
}

QMenuBar* BuildMenu(const MenuTemplate& menu, DialogWidget* dialog) {
    auto* bar = new QMenuBar(dialog);
    bar->setNativeMenuBar(false);
    bar->installEventFilter(dialog);
    Window* window = dialog->handle();
    for (const MenuPopupTemplate& popup : menu.popups) {
        QMenu* qmenu = bar->addMenu(ToQt(popup.text));
        qmenu->installEventFilter(dialog);
        for (const MenuItemTemplate& item : popup.items) {
            if (item.text == nullptr) {
                qmenu->addSeparator();
                continue;
            }
            // "text\tshortcut": the shortcut is shown right-aligned and told
            // to a screen reader apart from the name. It is no key of the menu:
            // the dialog takes the keys of the menu's shortcuts before the menu
            // would (F1 is a help request).
            const QString text = ToQt(item.text);
            QAction* action = qmenu->addAction(text.section(u'\t', 0, 0));
            if (text.contains(u'\t')) {
                action->setShortcut(QKeySequence(text.section(u'\t', 1)));
                action->setShortcutContext(Qt::WidgetShortcut);
            }
            action->setObjectName(QString::number(item.id));
            const UINT id = item.id;
            QObject::connect(action, &QAction::triggered, dialog,
                             [window, id] { Dispatch(window, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0); });
        }
    }
    return bar;
}

void Centre(QWidget* widget, QWidget* owner) {
    // Over the owner, or in the work area of the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect area = owner != nullptr ? owner->frameGeometry() : screen;
    QRect frame = widget->frameGeometry();
    if (owner != nullptr && !widget->isVisible()) {
        // A window not shown yet has no frame; it will get one like its owner's.
        const QRect ownerFrame = owner->frameGeometry();
        const QRect ownerInside = owner->geometry();
        frame.adjust(ownerFrame.left() - ownerInside.left(), ownerFrame.top() - ownerInside.top(),
                     ownerFrame.right() - ownerInside.right(), ownerFrame.bottom() - ownerInside.bottom());
    }
    frame.moveCenter(area.center());
    frame.moveLeft(std::clamp(frame.left(), screen.left(), std::max(screen.left(), screen.right() - frame.width())));
    frame.moveTop(std::clamp(frame.top(), screen.top(), std::max(screen.top(), screen.bottom() - frame.height())));
    widget->move(frame.topLeft());
}

DialogWidget* Create(const DialogTemplate& dt, Window* owner) {
    auto* widget = new DialogWidget(owner != nullptr ? owner->widget : nullptr);
    Window* window = widget->handle();
    window->style = dt.style;
    window->exStyle = dt.exStyle;
    window->parent = nullptr;

    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (dt.style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (owner == nullptr && (dt.style & WS_MINIMIZEBOX))
        flags = (flags & ~Qt::Dialog) | Qt::Window | Qt::WindowMinimizeButtonHint;
    widget->setWindowFlags(flags);
    widget->setWindowTitle(ToQt(dt.caption ? dt.caption : ""));

    window->font = CreateFontFor(dt.fontFace, dt.pointSize, ScreenLogPixelsY());
    const QFont font = ToQFont(window->font);
    widget->setFont(font);
    widget->baseUnits = BaseUnits(font);
    const QSize units = widget->baseUnits;

    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (dt.menu != 0) {
        if (const MenuTemplate* menu = FindMenu(dt.menu)) {
            widget->menuBar = BuildMenu(*menu, widget);
            layout->setMenuBar(widget->menuBar);
        }
    }
    auto* client = new QFrame(widget);
    window->client = client;
    if (dt.exStyle & WS_EX_CLIENTEDGE) {
        client->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        client->setLineWidth(2);
    }
    const QMargins frame = client->contentsMargins();
    client->setFixedSize(Scale(dt.cx, units.width(), 4) + frame.left() + frame.right(),
                         Scale(dt.cy, units.height(), 8) + frame.top() + frame.bottom());
    layout->addWidget(client);
    widget->client = client;

    QWidget* previous = nullptr;
    std::vector<QWidget*> controls;
    for (const ControlTemplate& item : dt.controls) {
        QWidget* control = CreateControl(item, window, client);
        controls.push_back(control);
        Window* controlWindow = WindowOf(control);
        controlWindow->style |= WS_CHILD;
        // The dialog's font, which the control shows already: it takes it from
        // the dialog, as it was made inside it.
        controlWindow->font = window->font;
        const int height = Scale(item.cy, units.height(), 8);
        control->move(frame.left() + Scale(item.x, units.width(), 4), frame.top() + Scale(item.y, units.height(), 8));
        if (item.kind == ControlKind::ComboBox) {
            // The template gives the height of the opened list.
            auto* combo = static_cast<ComboWidget*>(control);
            control->resize(Scale(item.cx, units.width(), 4), combo->fieldHeight());
            combo->listHeight = height;
        } else if (item.kind == ControlKind::Static && (item.style & SS_TYPEMASK) == SS_ICON) {
            // A picture static takes the size of its icon, whatever the template says.
            const QPixmap icon = IconPixmap(AfxGetApp() != nullptr ? AfxGetApp()->LoadIcon(item.image) : nullptr);
            control->resize(icon.isNull() ? QSize(Scale(item.cx, units.width(), 4), height) : icon.size());
        } else {
            control->resize(Scale(item.cx, units.width(), 4), height);
        }
        control->installEventFilter(widget);
        // Tab order: the template order of the controls with a tab stop.
        if ((item.style & WS_TABSTOP) != 0) {
            if (previous != nullptr) QWidget::setTabOrder(previous, control);
            previous = control;
        }
    }
    LabelControls(dt, controls);
    widget->installEventFilter(widget);
    widget->layout()->setSizeConstraint(QLayout::SetFixedSize);
    return widget;
}

}  // namespace

namespace {

// Creates the dialog's window, attaches the object and initialises it, ready
// to be shown.
DialogWidget* Open(CDialog& dialog, const DialogTemplate& dt, Window* owner) {
    DialogWidget* widget = Create(dt, owner);
    Attach(widget->handle(), &dialog);

    // The first control with a tab stop gets the focus unless the dialog's
    // initialisation answers FALSE.
    BOOL focusFirst = TRUE;
    try {
        focusFirst = dialog.OnInitDialog();
    } catch (CException* e) {
        e->ReportError(MB_ICONSTOP);
        e->Delete();
    }
    widget->adjustSize();
    if (focusFirst) {
        for (QWidget* child : widget->client->findChildren<QWidget*>()) {
            Window* w = WindowOf(child);
            if (w != nullptr && (w->style & WS_TABSTOP) != 0) {
                child->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
    Centre(widget, owner != nullptr ? owner->widget : nullptr);
    return widget;
}

void Close(DialogWidget* widget) {
    Attach(widget->handle(), nullptr);
    delete widget;
}

}  // namespace

HWND OpenDialogWindow(CDialog& dialog, UINT templateId, HWND owner) {
    const DialogTemplate* dt = FindDialog(templateId);
    return dt != nullptr ? Open(dialog, *dt, owner)->handle() : nullptr;
}

void CloseDialogWindow(HWND window) {
    if (auto* widget = dynamic_cast<DialogWidget*>(window->widget)) Close(widget);
}

// The toolkit's modal dialog keeps input from its owner by itself.
void EnableModalOwner(HWND, bool) {}

void RunModalLoop(HWND window, CDialog& dialog) {
    auto* widget = static_cast<DialogWidget*>(window->widget);
    widget->setModal(true);
    QTimer::singleShot(0, widget, [&dialog] { ModalRunStarted(dialog); });
    widget->exec();
}

void WakeModalLoop(HWND window) {
    if (auto* widget = dynamic_cast<QDialog*>(window->widget)) widget->done(window->modalResult);
}

}  // namespace fw::detail

void CDialog::MapDialogRect(CRect* rect) const {
    auto* widget = m_hWnd != nullptr ? dynamic_cast<fw::detail::DialogWidget*>(m_hWnd->widget) : nullptr;
    if (widget == nullptr || rect == nullptr) return;
    const QSize units = widget->baseUnits;
    rect->left = fw::detail::Scale(rect->left, units.width(), 4);
    rect->right = fw::detail::Scale(rect->right, units.width(), 4);
    rect->top = fw::detail::Scale(rect->top, units.height(), 8);
    rect->bottom = fw::detail::Scale(rect->bottom, units.height(), 8);
}
