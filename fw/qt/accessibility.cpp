// What a screen reader is told through the toolkit's accessibility interface
// (AT-SPI on Linux): static texts as labels, separators and pictures, a link
// with its action, the outputs and the lists named by their labels, and a
// list's rows as its object speaks them. Edit fields and buttons keep the
// toolkit's own accounts; a field is given its label's text as its name.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

#include <vector>

#include "fw/accessibility.h"
#include "fw/controls.h"
#include "fw/qt/backend.h"
#include "fw/qt/combo_widget.h"

namespace fw::detail {
namespace {

// A labelled control keeps its label's widget in this property.
constexpr char kLabel[] = "kalvex_label";

// The static text that labels `widget`, or nullptr.
QWidget* LabelOf(const QWidget* widget) { return qobject_cast<QWidget*>(widget->property(kLabel).value<QObject*>()); }

// The controls that `label` labels.
QList<QWidget*> LabelledBy(const QWidget* label) {
    QList<QWidget*> labelled;
    if (const QWidget* parent = label->parentWidget()) {
        for (QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (LabelOf(sibling) == label) labelled.append(sibling);
        }
    }
    return labelled;
}

using Relations = QList<QPair<QAccessibleInterface*, QAccessible::Relation>>;

// The toolkit's relations of a control, with its label's.
Relations WithLabel(Relations relations, const QWidget* widget, QAccessible::Relation match) {
    if ((match & QAccessible::Label) == 0) return relations;
    if (QWidget* label = LabelOf(widget)) {
        relations.append({QAccessible::queryAccessibleInterface(label), QAccessible::Label});
    }
    return relations;
}

QString WindowTextOf(const QWidget* widget) {
    const auto* holder = dynamic_cast<const WindowHolder*>(widget);
    return holder != nullptr ? holder->windowText() : QString();
}

// The text an object shows, to be read and never changed.
class ShownText : public QAccessibleTextInterface {
public:
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

protected:
    virtual QString shown() const = 0;
};

// A static control: a label (its text), an output (named by its label, its
// text the value), a link (with a click as its action), a separator or a
// picture.
class StaticAccessible : public QAccessibleWidget, public ShownText {
public:
    explicit StaticAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}
    using ShownText::text;

    QAccessible::Role role() const override {
        switch (control()->style & SS_TYPEMASK) {
        case SS_ETCHEDHORZ:
            return QAccessible::Separator;
        case SS_ICON:
            return QAccessible::Graphic;
        default:
            return isLink() ? QAccessible::Link : QAccessible::StaticText;
        }
    }
    QString text(QAccessible::Text t) const override {
        const QWidget* label = LabelOf(widget());
        switch (t) {
        case QAccessible::Name:
            if (label != nullptr) return WindowTextOf(label);
            return hasText() ? shown() : QString();
        case QAccessible::Value:
            return label != nullptr ? shown() : QString();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    Relations relations(QAccessible::Relation match) const override {
        Relations relations = WithLabel(QAccessibleWidget::relations(match), widget(), match);
        if ((match & QAccessible::Labelled) != 0) {
            for (QWidget* labelled : LabelledBy(widget())) {
                relations.append({QAccessible::queryAccessibleInterface(labelled), QAccessible::Labelled});
            }
        }
        return relations;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && hasText()) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // A link's action is a click.
    QStringList actionNames() const override {
        return isLink() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (isLink() && action == pressAction()) {
            Dispatch(control(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
            return;
        }
        QAccessibleWidget::doAction(action);
    }

protected:
    QString shown() const override { return WindowTextOf(widget()); }

private:
    Window* control() const { return WindowOf(widget()); }
    bool hasText() const { return (control()->style & SS_TYPEMASK) <= SS_RIGHT; }
    bool isLink() const {
        const auto* object = dynamic_cast<const CStatic*>(AttachedTo(control()));
        return hasText() && object != nullptr && object->IsLink();
    }
};

// A drop-down list: named by its label, or without one by its row; its
// value, and the text it shows, is the selected row as its object speaks it.
// Its open list, once made, is its child.
class ComboAccessible : public QAccessibleWidget, public ShownText {
public:
    explicit ComboAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::ComboBox) {}
    using ShownText::text;

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            if (const QWidget* label = LabelOf(widget())) return WindowTextOf(label);
            return spokenRow();
        case QAccessible::Value:
            return spokenRow();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    Relations relations(QAccessible::Relation match) const override {
        return WithLabel(QAccessibleWidget::relations(match), widget(), match);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = combo()->listMade() && combo()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }
    int childCount() const override { return list() != nullptr ? 1 : 0; }
    QAccessibleInterface* child(int index) const override { return index == 0 ? list() : nullptr; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child == list() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) combo()->showPopup();
    }

protected:
    QString shown() const override { return spokenRow(); }

private:
    ComboWidget* combo() const { return static_cast<ComboWidget*>(widget()); }
    QAccessibleInterface* list() const {
        return combo()->listMade() ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    QString spokenRow() const {
        const int row = combo()->currentIndex();
        if (row < 0) return {};
        const auto* object = dynamic_cast<const CComboBox*>(AttachedTo(WindowOf(widget())));
        return object != nullptr ? ToQt(object->GetItemSpokenText(row).View()) : combo()->itemText(row);
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const Window* window = widget != nullptr ? WindowOf(widget) : nullptr;
    if (window == nullptr) return nullptr;
    switch (window->kind) {
    case Kind::Static:
        return new StaticAccessible(widget);
    case Kind::ComboBox:
        return new ComboAccessible(widget);
    default:
        return nullptr;  // the toolkit's own
    }
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(Factory); }

void LabelControls(const DialogTemplate& dialog, const std::vector<QWidget*>& controls) {
    const std::vector<int> labels = ControlLabels(dialog);
    for (std::size_t i = 0; i < labels.size() && i < controls.size(); ++i) {
        if (labels[i] < 0) continue;
        QWidget* label = controls[static_cast<std::size_t>(labels[i])];
        controls[i]->setProperty(kLabel, QVariant::fromValue(static_cast<QObject*>(label)));
        LabelTextChanged(label);
    }
}

void LabelTextChanged(QWidget* label) {
    // The toolkit's account of an edit field takes its name from here.
    for (QWidget* labelled : LabelledBy(label)) {
        const Window* window = WindowOf(labelled);
        if (window != nullptr && window->kind == Kind::Edit) labelled->setAccessibleName(WindowTextOf(label));
    }
}

}  // namespace fw::detail
