// The framework's style over the toolkit's Fusion style.
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QMutex>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <functional>
#include <optional>

#include "fw/qt/backend.h"

namespace fw::detail {
namespace {

// An icon that is made the first time it is drawn, measured or asked about.
// The toolkit asks for some standard icons long before it shows them, or
// for nothing at all: the menu bar's button for menus that do not fit, which
// a menu bar of two menus never shows, costs a first window reading its
// pictures and loading every image format the toolkit knows.
class DeferredIcon : public QIconEngine {
public:
    explicit DeferredIcon(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override {
        icon().addPixmap(pixmap, mode, state);
    }
    void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        icon().addFile(fileName, size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("kalvex-deferred"); }
    QIconEngine* clone() const override { return new DeferredIcon(*this); }

private:
    DeferredIcon(const DeferredIcon& other) = default;

    QIcon& icon() {
        if (!m_icon) m_icon = m_make();
        return *m_icon;
    }

    std::function<QIcon()> m_make;
    std::optional<QIcon> m_icon;
};

// Drop-down lists open below their field, as the program's users know them;
// a menu bar with the keyboard shows its selected title.
// The standard icons (message boxes, file dialogs, file lists) are made once,
// when first needed: the toolkit keeps what it draws of every icon object in
// its pixmap cache, up to 10 MB, so a new icon object for each message box and
// file dialog left memory behind every time.
class Style : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        // A menu bar that has the keyboard (after Alt or F10) draws its
        // selected title as selected, as it draws an open one.
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuBarItem && item != nullptr && item->state.testFlag(State_Selected) && widget != nullptr &&
            widget->hasFocus()) {
            QStyleOptionMenuItem selected(*item);
            selected.state |= State_Sunken;
            QProxyStyle::drawControl(element, &selected, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
        // Some icons differ from right to left (back and forward arrows); the
        // option's direction decides, or else the widget's or the application's.
        const Qt::LayoutDirection direction = option != nullptr   ? option->direction
                                              : widget != nullptr ? widget->layoutDirection()
                                                                  : QGuiApplication::layoutDirection();
        const bool mirrored = direction == Qt::RightToLeft;
        const int key = static_cast<int>(which) * 2 + (mirrored ? 1 : 0);
        const QMutexLocker lock(&m_iconsLock);
        if (const auto found = m_icons.constFind(key); found != m_icons.cend()) return *found;
        const QIcon deferred(new DeferredIcon([this, which, direction] {
            QStyleOption inDirection;
            inDirection.direction = direction;
            return QProxyStyle::standardIcon(which, &inDirection, nullptr);
        }));
        return *m_icons.insert(key, deferred);
    }

private:
    mutable QMutex m_iconsLock;
    mutable QHash<int, QIcon> m_icons;
};

}  // namespace

QStyle* CreateStyle() { return new Style(QStyleFactory::create(QStringLiteral("Fusion"))); }

}  // namespace fw::detail
