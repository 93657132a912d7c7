// The standard controls: static texts and pictures, edit fields, push
// buttons and drop-down lists, created from a template.
#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <limits>

#include "fw/app.h"
#include "fw/controls.h"
#include "fw/gdi.h"
#include "fw/qt/backend.h"
#include "fw/qt/combo_widget.h"
#include "fw/qt/painter_device.h"

namespace fw::detail {
namespace {

// A static control: text, icon or etched line. Its text is painted with
// whatever the dialog (or the control itself, by reflection) answers to the
// colour request made before each painting.
class StaticWidget : public QWidget, public WindowHolder {
public:
    StaticWidget(QWidget* parent, UINT image) : QWidget(parent), WindowHolder(this, Kind::Static), m_image(image) {
        setMouseTracking(true);
        setFocusPolicy(Qt::NoFocus);
    }
    QString windowText() const override { return m_text; }
    void setWindowText(const QString& text) override {
        m_text = text;
        LabelTextChanged(this);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* event) override { askForCursor(event); }
    void mousePressEvent(QMouseEvent* event) override;

private:
    LRESULT hitTest(const QPointF& globalPos) {
        const QPoint p = globalPos.toPoint();
        return Dispatch(handle(), WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(p.x()), static_cast<WORD>(p.y())));
    }
    void askForCursor(QMouseEvent* event) {
        const LRESULT hit = hitTest(event->globalPosition());
        if (hit == HTTRANSPARENT) {
            handle()->cursor = nullptr;
            unsetCursor();
            event->ignore();  // the dialog beneath gets it
            return;
        }
        CursorScope scope(handle());
        Dispatch(handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(handle()),
                 MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(WM_MOUSEMOVE)));
    }
    void paintText(QPainter& painter, const QRect& area);

    QString m_text;
    UINT m_image;
};

// Paints `paint` in whole pixels of the screen: at a fractional scale a
// line of one unit covers a pixel and a half, and falls partly outside the
// control or between pixels. `paint` gets the control's rectangle and the
// width of a line (a pixel at scale 1, two at scale 2, one at 1.5) in the
// screen's pixels.
template <class Paint>
void PaintInPixels(QPainter& painter, const QRect& area, Paint paint) {
    const QTransform toScreen = painter.deviceTransform();
    const qreal scale = std::max<qreal>(1, std::sqrt(std::abs(toScreen.determinant())));
    const QRectF onScreen = toScreen.mapRect(QRectF(area));
    const QRect pixels(QPoint(qCeil(onScreen.left() - 0.01), qCeil(onScreen.top() - 0.01)),
                       QPoint(qFloor(onScreen.right() + 0.01) - 1, qFloor(onScreen.bottom() + 0.01) - 1));
    painter.save();
    painter.setWorldTransform(toScreen.inverted() * painter.worldTransform());
    paint(pixels, std::max(1, static_cast<int>(scale)));
    painter.restore();
}

void StaticWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect area = rect();
    if ((handle()->exStyle & WS_EX_STATICEDGE) != 0) {
        // The style's thin frame, in its colour, whole on every side.
        const QColor edge = palette().color(QPalette::Window).darker(140).lighter(108);
        PaintInPixels(painter, area, [&painter, &edge](const QRect& r, int line) {
            painter.fillRect(QRect(r.left(), r.top(), r.width(), line), edge);
            painter.fillRect(QRect(r.left(), r.bottom() - line + 1, r.width(), line), edge);
            painter.fillRect(QRect(r.left(), r.top(), line, r.height()), edge);
            painter.fillRect(QRect(r.right() - line + 1, r.top(), line, r.height()), edge);
        });
        area.adjust(1, 1, -1, -1);
    }
    switch (handle()->style & SS_TYPEMASK) {
    case SS_ETCHEDHORZ:
        // A dark line over a light one.
        PaintInPixels(painter, rect(), [this, &painter](const QRect& r, int line) {
            painter.fillRect(QRect(r.left(), r.top(), r.width(), line), palette().color(QPalette::Dark));
            painter.fillRect(QRect(r.left(), r.top() + line, r.width(), line), palette().color(QPalette::Light));
        });
        return;
    case SS_ICON:
        painter.drawPixmap(0, 0, IconPixmap(AfxGetApp() ? AfxGetApp()->LoadIcon(m_image) : nullptr));
        return;
    default:
        paintText(painter, area);
    }
}

void StaticWidget::paintText(QPainter& painter, const QRect& area) {
    PainterDevice dc(&painter, handle()->font, FromQColor(palette().color(QPalette::WindowText)),
                     FromQColor(palette().color(QPalette::Window)));
    const auto brush = reinterpret_cast<HBRUSH>(Dispatch(
        handle()->parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(handle())));
    if (brush != nullptr && !brush->hollow) painter.fillRect(area, ToQColor(brush->colour));

    painter.setFont(QFont(dc.currentQFont(), painter.device()));
    painter.setPen(ToQColor(dc.GetTextColor()));
    if (dc.GetBkMode() == OPAQUE) {
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(ToQColor(dc.GetBkColor()));
    }
    int flags = 0;
    switch (handle()->style & SS_TYPEMASK) {
    case SS_CENTER:
        flags |= Qt::AlignHCenter;
        break;
    case SS_RIGHT:
        flags |= Qt::AlignRight;
        break;
    default:
        flags |= Qt::AlignLeft;
    }
    // One vertically centred line, or words wrapped from the top.
    flags |= (handle()->style & SS_CENTERIMAGE) != 0 ? Qt::AlignVCenter | Qt::TextSingleLine
                                                     : Qt::AlignTop | Qt::TextWordWrap;
    painter.drawText(area, flags, m_text);
}

void StaticWidget::mousePressEvent(QMouseEvent* event) {
    const LRESULT hit = hitTest(event->globalPosition());
    if (hit == HTTRANSPARENT || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint p = event->position().toPoint();
    Dispatch(handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(p.x()), static_cast<WORD>(p.y())));
}

// What the user pastes or drops into a one-line field counts up to its first
// line break, as in the platform's one-line edit: a cell copied from a
// spreadsheet brings "30\r\n" and gives 30. A NUL ends it too, as it ends
// clipboard text there: nothing after it reaches the field. The program's own
// texts are set whole.
class OneLineInput : public QValidator {
public:
    explicit OneLineInput(QObject* parent) : QValidator(parent) {}
    QString before;        // the text before this change
    bool setting = false;  // the program is setting the text

    State validate(QString& input, int& pos) const override {
        if (setting) return Acceptable;
        // The part that changed: what lies between the unchanged start and end.
        const qsizetype shorter = std::min(input.size(), before.size());
        qsizetype head = 0;
        while (head < shorter && input[head] == before[head]) ++head;
        qsizetype tail = 0;
        while (tail < shorter - head && input[input.size() - 1 - tail] == before[before.size() - 1 - tail]) ++tail;
        const QStringView inserted = QStringView(input).mid(head, input.size() - head - tail);
        qsizetype lineEnd = 0;
        while (lineEnd < inserted.size() && inserted[lineEnd] != u'\r' && inserted[lineEnd] != u'\n' &&
               inserted[lineEnd] != u'\0') {
            ++lineEnd;
        }
        if (lineEnd == inserted.size()) return Acceptable;
        QString kept = input.left(head);
        kept += inserted.left(lineEnd);
        kept += input.right(tail);
        input = kept;
        pos = static_cast<int>(head + lineEnd);
        return Acceptable;
    }
};

class EditWidget : public QLineEdit, public WindowHolder {
public:
    explicit EditWidget(QWidget* parent)
        : QLineEdit(parent), WindowHolder(this, Kind::Edit), m_input(new OneLineInput(this)) {
        setValidator(m_input);
        QObject::connect(this, &QLineEdit::textChanged, this, [this](const QString& now) { m_input->before = now; });
    }
    QString windowText() const override { return text(); }
    void setWindowText(const QString& text) override {
        m_input->setting = true;
        setText(text);
        m_input->setting = false;
        m_input->before = text;
    }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        UseToolkitTranslations();
        QLineEdit::contextMenuEvent(event);
    }

private:
    OneLineInput* m_input;
};

class ButtonWidget : public QPushButton, public WindowHolder {
public:
    explicit ButtonWidget(QWidget* parent) : QPushButton(parent), WindowHolder(this, Kind::Button) {
        setAutoDefault(false);
    }
    QString windowText() const override { return text(); }
    void setWindowText(const QString& text) override { setText(text); }
};

void Notify(Window* control, UINT code) {
    Dispatch(control->parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(control->id), static_cast<WORD>(code)),
             reinterpret_cast<LPARAM>(control));
}

}  // namespace

QWidget* CreateControl(const ControlTemplate& item, Window* dialog, QWidget* client) {
    QWidget* widget = nullptr;
    Window* window = nullptr;
    switch (item.kind) {
    case ControlKind::Static: {
        auto* control = new StaticWidget(client, item.image);
        window = control->handle();
        widget = control;
        break;
    }
    case ControlKind::Edit: {
        auto* control = new EditWidget(client);
        window = control->handle();
        // The program sets no limit, and setting the text is never cut short.
        control->setMaxLength(std::numeric_limits<int>::max());
        control->setReadOnly((item.style & ES_READONLY) != 0);
        control->setFrame((item.style & WS_BORDER) != 0);
        QObject::connect(control, &QLineEdit::textChanged, control, [window] { Notify(window, EN_CHANGE); });
        widget = control;
        break;
    }
    case ControlKind::Button: {
        auto* control = new ButtonWidget(client);
        window = control->handle();
        QObject::connect(control, &QPushButton::clicked, control, [window] { Notify(window, BN_CLICKED); });
        widget = control;
        break;
    }
    case ControlKind::ComboBox: {
        auto* control = new ComboWidget(client, (item.style & CBS_OWNERDRAWFIXED) != 0, dialog->widget);
        window = control->handle();
        // A choice the user confirms, also of the row already selected.
        QObject::connect(control, &QComboBox::activated, control, [window] { Notify(window, CBN_SELENDOK); });
        widget = control;
        break;
    }
    }
    window->id = item.id;
    window->style = item.style;
    window->exStyle = item.exStyle;
    window->parent = dialog;
    if (item.kind != ControlKind::Static) {
        widget->setFocusPolicy((item.style & WS_TABSTOP) != 0 ? Qt::StrongFocus : Qt::ClickFocus);
    }
    if (item.text != nullptr) dynamic_cast<WindowHolder*>(widget)->setWindowText(ToQt(item.text));
    return widget;
}

}  // namespace fw::detail

using fw::detail::ToQt;

// --- control wrappers ----------------------------------------------------------

namespace {
QComboBox* ComboOf(HWND window) { return window != nullptr ? qobject_cast<QComboBox*>(window->widget) : nullptr; }
}  // namespace

int CComboBox::AddString(const char* text) {
    QComboBox* combo = ComboOf(m_hWnd);
    if (combo == nullptr) return CB_ERR;
    const QSignalBlocker quiet(combo);  // adding the first row selects nothing here
    const int selected = combo->currentIndex();
    combo->addItem(ToQt(text ? text : ""));
    combo->setCurrentIndex(selected);
    const int row = combo->count() - 1;
    // The row as a screen reader speaks it in the open list, where the list's
    // object says it differs from its text.
    if (const auto* owner = dynamic_cast<const CComboBox*>(fw::detail::AttachedTo(m_hWnd))) {
        const CString spoken = owner->GetItemSpokenText(row);
        if (spoken.View() != (text ? std::string_view(text) : std::string_view())) {
            combo->setItemData(row, ToQt(spoken.View()), Qt::AccessibleTextRole);
        }
    }
    return row;
}

int CComboBox::GetCount() const {
    QComboBox* combo = ComboOf(m_hWnd);
    return combo != nullptr ? combo->count() : CB_ERR;
}

int CComboBox::GetCurSel() const {
    QComboBox* combo = ComboOf(m_hWnd);
    return combo != nullptr ? combo->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int index) {
    QComboBox* combo = ComboOf(m_hWnd);
    if (combo == nullptr) return CB_ERR;
    const bool valid = index >= 0 && index < combo->count();
    combo->setCurrentIndex(valid ? index : -1);  // sends no notification
    return valid ? index : CB_ERR;
}

void CComboBox::ResetContent() {
    if (QComboBox* combo = ComboOf(m_hWnd)) combo->clear();
}

int CComboBox::GetLBText(int index, CString& text) const {
    QComboBox* combo = ComboOf(m_hWnd);
    if (combo == nullptr || index < 0 || index >= combo->count()) return CB_ERR;
    text = fw::detail::FromQt(combo->itemText(index));
    return text.GetLength();
}
