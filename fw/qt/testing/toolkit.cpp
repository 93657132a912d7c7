// The toolkit of a test program, and the locale it runs under.
#include <QApplication>
#include <QLocale>

#include <clocale>
#include <memory>

#include "fw/qt/toolkit.h"
#include "fw/testing/toolkit.h"

namespace fw::testing {
namespace {

std::unique_ptr<QApplication> g_toolkit;

}  // namespace

void StartToolkit(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    g_toolkit = detail::StartToolkit(argc, argv);
}

void StopToolkit() { g_toolkit.reset(); }

void ProcessEvents() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

int ToolkitWidgetCount() {
    // Widgets closed with deleteLater go first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return static_cast<int>(QApplication::allWidgets().size());
}

ScopedLocale::ScopedLocale(const char* name) : m_previous(std::setlocale(LC_ALL, nullptr)) {
    m_active = std::setlocale(LC_ALL, name) != nullptr;
    if (m_active) QLocale::setDefault(QLocale(QString::fromLatin1(name).section(QLatin1Char('.'), 0, 0)));
}

ScopedLocale::~ScopedLocale() {
    std::setlocale(LC_ALL, m_previous.c_str());
    QLocale::setDefault(QLocale::system());
}

}  // namespace fw::testing
