// The real desktop: message boxes, the print dialog, the desktop's opener and
// the clipboard.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "fw/desktop.h"
#include "fw/internal.h"
#include "fw/posix/opener.h"
#include "fw/qt/backend.h"
#include "fw/qt/printer_device.h"

namespace fw::detail {
namespace {

constexpr INT_PTR kOpened = 42;  // any answer above 32

// Openers still running after we stopped waiting: reaped as they end.
void ReapLater(int process) {
    static std::vector<int> running;
    static QTimer* reaper = nullptr;
    running.push_back(process);
    if (reaper == nullptr) {
        reaper = new QTimer(qApp);
        QObject::connect(reaper, &QTimer::timeout, [] {
            std::erase_if(running, [](int each) { return CheckOpener(each) != OpenerState::Running; });
            if (running.empty()) reaper->stop();
        });
    }
    reaper->start(1000);
}

// Hands `target` to the desktop's opener. Its exit status decides, if it
// ends within about two seconds; an opener still running then (a viewer in
// the foreground) counts as success. The windows are kept painted meanwhile.
INT_PTR RunOpener(const std::string& target) {
    const int process = StartOpener(target);
    if (process < 0) return SE_ERR_NOASSOC;

    // Keys and clicks that arrive meanwhile are kept by the toolkit and
    // handled after the wait, in order. It was told of them while we waited,
    // though, so it must be reminded: otherwise they wait for the next event
    // from the window system, which may be long in coming.
    struct RemindOfKeptInput {
        ~RemindOfKeptInput() {
            if (QAbstractEventDispatcher* dispatcher = QCoreApplication::eventDispatcher()) dispatcher->wakeUp();
        }
    } remind;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < deadline) {
        switch (CheckOpener(process)) {
        case OpenerState::Opened:
            return kOpened;
        case OpenerState::Failed:
            return SE_ERR_NOASSOC;
        case OpenerState::Running:
            break;
        }
        // Keep the windows painted, but take no input meanwhile.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        QThread::msleep(20);
    }
    ReapLater(process);
    return kOpened;
}

class QtDesktop : public Desktop {
public:
    int MessageBox(HWND owner, const CString& text, const CString& caption, UINT type) override {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        switch (type & MB_ICONMASK) {
        case MB_ICONSTOP:
            icon = QMessageBox::Critical;
            break;
        case MB_ICONEXCLAMATION:
            icon = QMessageBox::Warning;
            break;
        case MB_ICONINFORMATION:
            icon = QMessageBox::Information;
            break;
        default:
            break;
        }
        QMessageBox box(icon, ToQt(caption.View()), ToQt(text.View()), QMessageBox::Ok, OwnerWidget(owner));
        // The framework's own button text, whatever language the toolkit's
        // dialogs speak.
        box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        box.exec();
        return IDOK;
    }

    INT_PTR PrintDialog(HWND owner, DWORD flags, HDC* printer, CString* deviceName) override {
        return RunPrintDialog(owner, flags, printer, deviceName);
    }

    INT_PTR Open(const CString& file, int) override {
        const std::optional<std::string> target = OpenerTarget(NativeFileName(file.View()));
        return target ? RunOpener(*target) : SE_ERR_FNF;
    }

    // The toolkit's clipboard needs no opening; the calls keep their order.
    BOOL OpenClipboard(HWND) override { return TRUE; }
    BOOL EmptyClipboard() override {
        QGuiApplication::clipboard()->clear();
        return TRUE;
    }
    BOOL SetClipboardText(const CString& text) override {
        QGuiApplication::clipboard()->setText(ToQt(text.View()));
        return TRUE;
    }
    BOOL CloseClipboard() override { return TRUE; }

    INT_PTR FileDialog(HWND owner, FileDialogRequest& request) override { return detail::FileDialog(owner, request); }
};

}  // namespace

Desktop& RealDesktop() {
    static QtDesktop desktop;
    return desktop;
}

}  // namespace fw::detail

// The system's shell and clipboard functions, answered by the desktop in use.
HINSTANCE ShellExecuteA(HWND, const char* verb, const char* file, const char*, const char*, int showCommand) {
    return reinterpret_cast<HINSTANCE>(fw::detail::OpenThroughDesktop(verb, file, showCommand));
}

BOOL OpenClipboard(HWND owner) { return fw::CurrentDesktop().OpenClipboard(owner); }
BOOL EmptyClipboard() { return fw::CurrentDesktop().EmptyClipboard(); }
BOOL CloseClipboard() { return fw::CurrentDesktop().CloseClipboard(); }
