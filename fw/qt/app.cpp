// The program's start over the toolkit.
#include <QApplication>
#include <QFileInfo>
#include <QProxyStyle>
#include <QSettings>
#include <QStyleFactory>

#include <string>

#include "fw/app.h"
#include "fw/internal.h"
#include "fw/qt/backend.h"
#include "fw/qt/toolkit.h"

namespace fw::detail {
namespace {

// Drop-down lists open below their field, as the program's users know them.
class Style : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

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
    auto app = std::make_unique<QApplication>(argc, argv);
    QApplication::setStyle(new Style(QStyleFactory::create(QStringLiteral("Fusion"))));
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
