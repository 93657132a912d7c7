// The real desktop: message boxes, the print dialog, the desktop's opener and
// the clipboard.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <vector>

#include "fw/desktop.h"
#include "fw/qt/backend.h"
#include "fw/qt/printer_device.h"

extern char** environ;

namespace fw::detail {
namespace {

constexpr INT_PTR kOpened = 42;  // any answer above 32

// Openers still running after we stopped waiting: reaped as they end.
void ReapLater(pid_t pid) {
    static std::vector<pid_t> running;
    static QTimer* reaper = nullptr;
    running.push_back(pid);
    if (reaper == nullptr) {
        reaper = new QTimer(qApp);
        QObject::connect(reaper, &QTimer::timeout, [] {
            std::erase_if(running, [](pid_t each) { return waitpid(each, nullptr, WNOHANG) != 0; });
            if (running.empty()) reaper->stop();
        });
    }
    reaper->start(1000);
}

// Runs xdg-open on `target` in a session of its own, so that it outlives the
// program. Its exit status decides, if it ends within about two seconds; an
// opener still running then (a viewer in the foreground) counts as success.
INT_PTR RunOpener(const QString& target) {
    const QByteArray argument = target.toLocal8Bit();
    char program[] = "xdg-open";
    char* argv[] = {program, const_cast<char*>(argument.constData()), nullptr};
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, program, nullptr, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    if (error != 0) return SE_ERR_NOASSOC;

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
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? kOpened : SE_ERR_NOASSOC;
        }
        // Keep the windows painted, but take no input meanwhile.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        QThread::msleep(20);
    }
    ReapLater(pid);
    return kOpened;
}

// A document named relative to the current directory is looked up there
// first and then in the data folder of the program's installation, found
// from where the program file is: <prefix>/bin/NAME reads <prefix>/share/NAME/.
// So a document installed with the program opens whichever folder the
// program was started in. Answers the absolute path, or nothing.
QString FindDocument(const QString& name) {
    const QFileInfo here(QDir::current(), name);
    if (here.exists()) return here.absoluteFilePath();
    if (QDir::isAbsolutePath(name)) return {};
    // On Linux the toolkit reads the program's path from /proc/self/exe.
    const QFileInfo program(QCoreApplication::applicationFilePath());
    const QString data = QDir::cleanPath(program.absolutePath() + QStringLiteral("/../share/") +
                                         program.completeBaseName() + u'/' + name);
    return QFileInfo::exists(data) ? data : QString();
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
        QString target = ToQt(file.View());
        // An address goes to the opener as it is; a file name is looked up.
        static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
        if (!scheme.match(target).hasMatch()) {
            target = FindDocument(target);
            if (target.isEmpty()) return SE_ERR_FNF;
        }
        return RunOpener(target);
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

    INT_PTR FileDialog(HWND owner, FileDialogRequest& request) override {
        return detail::FileDialog(owner, request);
    }
};

}  // namespace

Desktop& RealDesktop() {
    static QtDesktop desktop;
    return desktop;
}

}  // namespace fw::detail
