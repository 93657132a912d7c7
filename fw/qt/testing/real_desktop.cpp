// The toolkit's own desktop and dialogs, watched and answered as the user
// would: the print, file and message dialogs, the edit fields' menu, the
// clipboard. The print dialog is known by its class name: its library comes
// with the print module, which only the program opens.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>
#include <set>

#include "fw/qt/backend.h"
#include "fw/qt/testing/support.h"
#include "fw/testing/real_desktop.h"
#include "fw/testing/toolkit.h"

namespace fw::detail {
Desktop& RealDesktop();
}

namespace fw::testing {
namespace {

std::vector<std::string> ToStd(const QStringList& list) {
    std::vector<std::string> result;
    for (const QString& each : list) result.push_back(each.toStdString());
    return result;
}

// The texts of a window's visible buttons and labels.
std::vector<std::string> ShownTexts(const QWidget* window) {
    std::vector<std::string> texts;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && !button->text().isEmpty()) texts.push_back(button->text().toStdString());
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty()) texts.push_back(label->text().toStdString());
    }
    return texts;
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
    std::vector<std::string> Texts() const override { return ShownTexts(m_dialog); }
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
            TypeCharacters(edit, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        }
        QMetaObject::invokeMethod(m_dialog, "accept");
    }
    std::string Folder() const override { return m_dialog->directory().absolutePath().toStdString(); }
    std::vector<std::string> ListedFiles() override {
        auto* view = m_dialog->findChild<QAbstractItemView*>(QStringLiteral("listView"));
        if (view == nullptr) return {};
        // The folder is read in the background: its first files, then a moment more.
        QElapsedTimer waited;
        waited.start();
        while (view->model()->rowCount(view->rootIndex()) == 0 && waited.elapsed() < 3000) ProcessEvents();
        QTest::qWait(100);
        std::vector<std::string> names;
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
            names.push_back(view->model()->index(row, 0, view->rootIndex()).data().toString().toStdString());
        }
        return names;
    }
    std::string PressEnter(bool yes) override {
        std::string question;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&poll, &question, yes] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) return;
            poll.stop();
            question = box->text().toStdString();
            if (QAbstractButton* button = box->button(yes ? QMessageBox::Yes : QMessageBox::No)) {
                QTest::mouseClick(button, Qt::LeftButton);
            } else {
                box->reject();
            }
        });
        poll.start(10);
        auto* edit = m_dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (edit != nullptr) {
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_Return);  // returns once a question is answered
        }
        ProcessEvents();
        return question;
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

namespace {

QPointer<QTimer> g_printDialogPoll;

// Opens the dialog's options as the user would and notes what can be reached.
void Inspect(QDialog& dialog, PrintChoices& offered) {
    offered.shown = true;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->isVisible()) offered.buttons.push_back(button->text().toStdString());
    }
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
            } else if (qobject_cast<QAbstractSpinBox*>(widget) != nullptr ||
                       qobject_cast<QLineEdit*>(widget) != nullptr) {
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
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->inherits("QPrintDialog") || !dialog->isVisible()) return;
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

Desktop& RealDesktop() { return detail::RealDesktop(); }

void AnswerNextMessageBox(ShownMessageBox* shown) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        if (shown != nullptr) {
            shown->shown = true;
            shown->text = box->text().toStdString();
            for (const QAbstractButton* button : box->buttons()) shown->buttons.push_back(button->text().toStdString());
            shown->icon = ToImage(box->iconPixmap().toImage());
        }
        box->accept();
    });
    poll->start(10);
}

std::vector<std::string> EditMenuTexts(HWND edit) {
    QWidget* widget = edit->widget;
    const QPoint inside(widget->width() / 2, widget->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, widget->mapToGlobal(inside));
    QCoreApplication::sendEvent(widget, &event);
    ProcessEvents();
    std::vector<std::string> texts;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) texts.push_back(action->text().section(u'\t', 0, 0).toStdString());
        }
        menu->close();
        ProcessEvents();
    }
    return texts;
}

std::string ClipboardText() { return detail::FromQt(QGuiApplication::clipboard()->text()); }

}  // namespace fw::testing
