// The toolkit's own texts (its file and print dialogs, the overwrite
// question, the edit fields' menu) in the user's language, from the
// toolkit's translations installed on the system. They are loaded when such
// a text is first about to be shown, not at start-up, and follow the
// locale in force at that moment.
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "fw/qt/backend.h"

namespace fw::detail {

void UseToolkitTranslations() {
    static QTranslator* translator = nullptr;
    static QString language;
    const QLocale locale;
    if (translator != nullptr && locale.name() == language) return;
    language = locale.name();
    if (translator == nullptr) {
        translator = new QTranslator(qApp);
    } else {
        QCoreApplication::removeTranslator(translator);
    }
    // No file for the language (English, or not installed): the toolkit's
    // built-in English texts.
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
}

}  // namespace fw::detail
