#include "fw/testing.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <clocale>
#include <memory>
#include <set>

#include "fw/dialog.h"
#include "fw/gdi.h"
#include "fw/qt/backend.h"
#include "fw/qt/painter_device.h"
#include "fw/qt/printer_device.h"
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

std::vector<std::string> ToStd(const QStringList& list) {
    std::vector<std::string> result;
    for (const QString& each : list) result.push_back(each.toStdString());
    return result;
}

class QtFileDialogControl : public FileDialogControl {
public:
    explicit QtFileDialogControl(QFileDialog* dialog) : m_dialog(dialog) {}
    std::vector<std::string> Filters() const override { return ToStd(m_dialog->nameFilters()); }
    std::string SelectedFilter() const override { return m_dialog->selectedNameFilter().toStdString(); }
    std::vector<std::string> ListedPatterns() const override {
        const auto* files = m_dialog->findChild<QFileSystemModel*>();
        return files != nullptr ? ToStd(files->nameFilters()) : std::vector<std::string>{};
    }
    std::string FileName() const override {
        const auto* edit = m_dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        return edit != nullptr ? edit->text().toStdString() : std::string();
    }
    std::string DefaultSuffix() const override { return m_dialog->defaultSuffix().toStdString(); }
    bool ConfirmsOverwrite() const override { return !m_dialog->testOption(QFileDialog::DontConfirmOverwrite); }
    bool IsSaveDialog() const override { return m_dialog->acceptMode() == QFileDialog::AcceptSave; }
    void NextFilter() override {
        for (QComboBox* combo : m_dialog->findChildren<QComboBox*>()) {
            if (combo->count() > 0 && combo->itemText(0) == m_dialog->nameFilters().value(0)) {
                QTest::keyClick(combo, Qt::Key_Down);
            }
        }
        ProcessEvents();
    }
    void Accept(std::string_view name) override {
        if (auto* edit = m_dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        }
        QMetaObject::invokeMethod(m_dialog, "accept");
    }

private:
    QFileDialog* m_dialog;
};

}  // namespace

void WhenFileDialog(std::function<void(FileDialogControl&)> action) {
    // Looks for the dialog until it is up.
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action = std::move(action)] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        ProcessEvents();
        QtFileDialogControl control(dialog);
        action(control);
        if (dialog->isVisible()) dialog->reject();
    });
    timer->start(10);
}

void AnswerNextMessageBox() {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        box->accept();
    });
    poll->start(10);
}

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

bool OpenDialog(CDialog& dialog) {
    if (!detail::OpenWithoutRun(dialog)) return false;
    ProcessEvents();
    return true;
}

void CloseDialog(CDialog& dialog) { detail::CloseWithoutRun(dialog); }

void ProcessEvents() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

int ToolkitWidgetCount() {
    // Widgets closed with deleteLater go first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return static_cast<int>(QApplication::allWidgets().size());
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

void TypeUtf8(std::string_view text) {
    QWidget* target = InputTarget();
    if (target == nullptr) return;
    // Characters without a key of their own arrive as text, as from an input method.
    const QString characters = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const qsizetype length = characters[i].isHighSurrogate() && i + 1 < characters.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, characters.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
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

CSize CursorSize(HCURSOR cursor) {
    const QSize size = detail::CursorOf(cursor).pixmap().size();
    return CSize{size.width(), size.height()};
}

CPoint CursorHotSpot(HCURSOR cursor) {
    const QPoint spot = detail::CursorOf(cursor).hotSpot();
    return CPoint{spot.x(), spot.y()};
}

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

INT_PTR FakeDesktop::PrintDialog(HWND owner, DWORD flags, HDC* chosen, CString* deviceName) {
    printDialogs.push_back({owner, flags});
    HDC context = printer ? printer() : nullptr;
    if (context == nullptr) return IDCANCEL;
    *chosen = context;
    *deviceName = printerName;
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

HDC PdfPrinter(const std::string& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    return new detail::PrinterDevice(std::move(printer));
}

namespace {

QPointer<QTimer> g_printDialogPoll;

// Opens the dialog's options as the user would and notes what can be reached.
void Inspect(QPrintDialog& dialog, PrintChoices& offered) {
    offered.shown = true;
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text().remove(u'&').startsWith(QStringLiteral("Options >>"))) button->click();
    }
    ProcessEvents();
    if (const auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"))) {
        for (int i = 0; i < printers->count(); ++i) {
            if (!printers->itemText(i).isEmpty()) offered.printers.push_back(printers->itemText(i).toStdString());
        }
    }
    std::set<std::string> reachable;
    const auto note = [&dialog, &reachable] {
        for (QWidget* widget : dialog.findChildren<QWidget*>()) {
            if (!widget->isVisible() || !widget->isEnabled()) continue;
            if (auto* button = qobject_cast<QAbstractButton*>(widget); button != nullptr && button->isCheckable()) {
                reachable.insert(button->text().remove(u'&').toStdString());
            } else if (qobject_cast<QAbstractSpinBox*>(widget) != nullptr || qobject_cast<QLineEdit*>(widget) != nullptr) {
                if (qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) == nullptr) {
                    reachable.insert(widget->objectName().toStdString());
                }
            }
        }
    };
    note();
    for (QTabWidget* tabs : dialog.findChildren<QTabWidget*>()) {
        if (!tabs->isVisible()) continue;
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            ProcessEvents();
            note();
        }
    }
    offered.reachable.assign(reachable.begin(), reachable.end());
}

}  // namespace

void AnswerNextPrintDialog(bool confirm, PrintChoices* offered) {
    // Polls until the dialog's own loop runs, then answers from inside it.
    ForgetPrintDialogAnswer();
    auto* poll = new QTimer(qApp);
    g_printDialogPoll = poll;
    QObject::connect(poll, &QTimer::timeout, [poll, confirm, offered] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        if (offered != nullptr) Inspect(*dialog, *offered);
        if (confirm) {
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
    poll->start(10);
}

void ForgetPrintDialogAnswer() {
    if (g_printDialogPoll != nullptr) {
        g_printDialogPoll->stop();
        g_printDialogPoll->deleteLater();
    }
    g_printDialogPoll = nullptr;
}

INT_PTR FakeDesktop::FileDialog(HWND owner, FileDialogRequest& request) {
    fileDialogs.push_back(request);
    fileDialogOwners.push_back(owner);
    if (fileDialogResult == IDOK) request.fileName = fileDialogPath;
    return fileDialogResult;
}

Desktop& RealDesktop() { return detail::RealDesktop(); }

ScopedLocale::ScopedLocale(const char* name) : m_previous(std::setlocale(LC_ALL, nullptr)) {
    m_active = std::setlocale(LC_ALL, name) != nullptr;
    if (m_active) QLocale::setDefault(QLocale(QString::fromLatin1(name).section(QLatin1Char('.'), 0, 0)));
}

ScopedLocale::~ScopedLocale() {
    std::setlocale(LC_ALL, m_previous.c_str());
    QLocale::setDefault(QLocale::system());
}

std::string ClipboardText() { return detail::FromQt(QGuiApplication::clipboard()->text()); }

}  // namespace fw::testing
