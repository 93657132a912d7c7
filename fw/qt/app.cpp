// The program's start over the toolkit.
#include <QApplication>
#include <QFileInfo>
#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fw/app.h"
#include "fw/internal.h"
#include "fw/qt/backend.h"
#include "fw/qt/toolkit.h"

namespace fw::detail {
namespace {

// While the toolkit starts, its messages are held back. When it cannot reach
// a display it says so in several lines and aborts; the user gets one line
// and exit status 1 instead. Once it has started, what it said is passed on.
struct HeldMessage {
    QtMsgType type;
    const char* category;  // the toolkit's categories are named by literals
    QString text;
};
std::vector<HeldMessage> g_held;
QtMessageHandler g_passOn = nullptr;
std::string g_programName;

std::string NoDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray display = qgetenv("DISPLAY");
    if (!platform.isEmpty() && !platform.startsWith("xcb")) {
        return "cannot start the window system \"" + platform.toStdString() + "\"";
    }
    if (display.isEmpty()) {
        return qEnvironmentVariableIsSet("DISPLAY") ? "no display to show the window on (DISPLAY is empty)"
                                                    : "no display to show the window on (DISPLAY is not set)";
    }
    return "cannot connect to the display \"" + display.toStdString() + "\"";
}

void HoldStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s%s%s\n", g_programName.c_str(), g_programName.empty() ? "" : ": ", NoDisplay().c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    g_held.push_back({type, context.category, text});
}

void PassOnHeldMessages() {
    qInstallMessageHandler(g_passOn);
    for (const HeldMessage& message : g_held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category);
        if (g_passOn != nullptr) {
            g_passOn(message.type, context, message.text);
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
        }
    }
    g_held.clear();
}

std::string g_appName;

}  // namespace

std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv) {
    IgnoreWriteSignals();
    // The program keeps no settings, and the toolkit keeps none for it: its
    // file dialog would store its last folder and history in the user's
    // ~/.config/QtProject.conf. The user's settings are looked for beneath a
    // file, where no folder can be made, so they are neither read nor written.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
    }
    // The toolkit's own dialogs always, never the desktop's (the GTK theme's
    // or the portal's file dialog): the desktop's asks about replacing the
    // name as typed, before the default extension is added, lists only the
    // files whose extension has the pattern's case, and keeps recent files
    // and settings in the home folder; merely making one, even to show the
    // toolkit's own instead, makes folders there.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    if (argc > 0 && argv[0] != nullptr) {
        g_programName = argv[0];
        g_programName.erase(0, g_programName.find_last_of('/') + 1);
    }
    g_passOn = qInstallMessageHandler(HoldStartMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    PassOnHeldMessages();
    QApplication::setStyle(CreateStyle());
    InstallAccessibility();
    // The application's name: the program file's name without directory and extension.
    g_appName = FromQt(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    if (CWinApp* winApp = AfxGetApp(); winApp != nullptr && winApp->m_pszAppName == nullptr) {
        winApp->m_pszAppName = g_appName.c_str();
    }
    return app;
}

}  // namespace fw::detail

int AfxWinMain(int argc, char** argv) {
    auto toolkit = fw::detail::StartToolkit(argc, argv);
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return 1;
    if (app->InitInstance()) QApplication::exec();
    return app->ExitInstance();
}
