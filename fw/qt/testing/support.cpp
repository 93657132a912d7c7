#include "fw/qt/testing/support.h"

#include <QTest>
#include <QWidget>

namespace fw::testing {

// Characters without a key of their own arrive as text, as from an input method.
void TypeCharacters(QWidget* target, const QString& characters) {
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const qsizetype length = characters[i].isHighSurrogate() && i + 1 < characters.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, characters.mid(i, length), Qt::NoModifier);
        i += length - 1;
    }
}

}  // namespace fw::testing
