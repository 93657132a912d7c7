// Internals of the Qt implementation, shared by its source files only.
#pragma once

#include <QCursor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fw/desktop.h"
#include "fw/internal.h"
#include "fw/resources.h"
#include "fw/types.h"
#include "fw/wnd.h"

class CWnd;
class CDialog;

namespace fw::detail {

enum class Kind { Dialog, Static, Edit, Button, ComboBox };

// What a window handle points to: the widget and what the framework keeps
// about it. Owned by the widget (see WindowHolder).
struct Window : WindowRecord {
    Window(QWidget* widget, Kind kind);
    ~Window() override;

    QWidget* widget;
    QWidget* client = nullptr;  // a dialog's client area, below its menu bar
    Kind kind;
    int id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    Window* parent = nullptr;  // the dialog of a control
    HFONT font = nullptr;      // as set by WM_SETFONT
    HICON icons[2] = {};       // small, big
    HCURSOR cursor = nullptr;  // as last set while it answered WM_SETCURSOR
};

struct BrushObject {
    bool hollow;
    COLORREF colour;
};

// Mixed into every widget class the framework creates.
class WindowHolder {
public:
    WindowHolder(QWidget* widget, Kind kind) : m_window(widget, kind) {}
    virtual ~WindowHolder() = default;
    Window* handle() { return &m_window; }

    // The window text, as the user sees it.
    virtual QString windowText() const = 0;
    virtual void setWindowText(const QString& text) = 0;

private:
    Window m_window;
};

Window* WindowOf(QWidget* widget);
// The widget a toolkit dialog opens over: the owner's, or without one the
// modal window that is up.
QWidget* OwnerWidget(HWND owner);

// While alive, GetKeyState answers from the modifiers of this input.
class InputScope {
public:
    explicit InputScope(Qt::KeyboardModifiers modifiers);
    ~InputScope();
    InputScope(const InputScope&) = delete;
    InputScope& operator=(const InputScope&) = delete;

private:
    Qt::KeyboardModifiers m_previous;
    bool m_wasActive;
};

// Windows-1252 at the toolkit boundary; characters without a byte become '?'.
QString ToQt(std::string_view text);
std::string FromQt(const QString& text);
inline QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
inline COLORREF FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

// Fonts.
QFont ToQFont(HFONT font);
HFONT CreateFontFor(const char* face, int pointSize, int logPixelsY);
void DeleteFont(HFONT font);

// Images.
QPixmap IconPixmap(HICON icon);
QCursor CursorOf(HCURSOR cursor);
// While alive, SetCursor changes the cursor of this window.
class CursorScope {
public:
    explicit CursorScope(Window* window);
    ~CursorScope();
    CursorScope(const CursorScope&) = delete;
    CursorScope& operator=(const CursorScope&) = delete;

private:
    Window* m_previous;
};

// Controls created from a template.
QWidget* CreateControl(const ControlTemplate& item, Window* dialog, QWidget* client);
void ApplyFont(Window* window, HFONT font);

// The toolkit's file dialog, as the real desktop runs it.
INT_PTR FileDialog(HWND owner, FileDialogRequest& request);

// Before the toolkit shows texts of its own: its translations for the
// user's language.
void UseToolkitTranslations();

// The framework's style (fw/qt/style.cpp), for the application.
QStyle* CreateStyle();

// What a screen reader is told (fw/qt/accessibility.cpp): the accounts of
// the framework's controls, installed once the toolkit has started; the
// labels of a dialog's controls, made from its template, in template order;
// and a label's new text, which names the controls it labels.
void InstallAccessibility();
void LabelControls(const DialogTemplate& dialog, const std::vector<QWidget*>& controls);
void LabelTextChanged(QWidget* label);

}  // namespace fw::detail
