// Dialog windows from the program's templates: created by the dialog
// manager from a template in memory, given their menu, their font as the
// framework's and their icons, centred, and run modally.
#include <cstring>

#include "fw/app.h"
#include "fw/dialog.h"
#include "fw/exception.h"
#include "fw/gdi.h"
#include "fw/internal.h"
#include "fw/modal.h"
#include "fw/resources.h"
#include "fw/win32/dialog_template.h"
#include "fw/win32/window.h"

namespace fw::detail {
namespace {

struct Creating {
    CDialog& dialog;
    const DialogTemplate& dt;
};

std::vector<win32::MenuPopup> MenuOf(const MenuTemplate& menu) {
    std::vector<win32::MenuPopup> popups;
    for (const MenuPopupTemplate& popup : menu.popups) {
        win32::MenuPopup plain{detail::Utf16FromWindows1252(popup.text), {}};
        for (const MenuItemTemplate& item : popup.items) {
            plain.items.push_back({item.text != nullptr ? detail::Utf16FromWindows1252(item.text) : u"", item.id});
        }
        popups.push_back(std::move(plain));
    }
    return popups;
}

// The framework's copy of the font the dialog manager made from the
// template, so that the dialog and its controls answer WM_GETFONT with a
// font the program can read and copy.
CFont* CopyOfDialogFont(HWND__* dialog) {
    win32::FontDescription description;
    if (!win32::DescribeDialogFont(dialog, &description)) return nullptr;
    LOGFONT logFont;
    logFont.lfHeight = static_cast<LONG>(description.height);
    logFont.lfWeight = static_cast<LONG>(description.weight);
    logFont.lfItalic = description.italic ? 1 : 0;
    logFont.lfCharSet = description.charset;
    std::strncpy(logFont.lfFaceName, description.face.c_str(), LF_FACESIZE - 1);
    auto* font = new CFont;
    if (!font->CreateFontIndirect(&logFont)) {
        delete font;
        return nullptr;
    }
    return font;
}

// The controls take what the template gives them beyond the dialog
// manager's own: the framework's font, the pictures, no text limit.
void PrepareControls(Window* dialog, const DialogTemplate& dt) {
    const std::vector<HWND__*> controls = win32::ControlsOf(dialog->native);
    const HFONT font = dialog->font;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        Window* control = WindowOf(controls[i]);
        if (control == nullptr) continue;
        if (font != nullptr) DefaultProc(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (control->kind == Kind::Edit) win32::RemoveTextLimit(control->native);
        if (i >= dt.controls.size()) continue;
        const ControlTemplate& item = dt.controls[i];
        if (item.kind == ControlKind::Static && (item.style & SS_TYPEMASK) == SS_ICON && item.image != 0) {
            CWinApp* app = AfxGetApp();
            win32::SetStaticIcon(control->native, NativeIcon(app != nullptr ? app->LoadIcon(item.image) : nullptr));
        }
    }
}

void Started(void* dialog) { ModalRunStarted(*static_cast<CDialog*>(dialog)); }

}  // namespace

HWND OpenDialogWindow(CDialog& dialog, UINT templateId, HWND owner) {
    const DialogTemplate* found = FindDialog(templateId);
    if (found == nullptr) return nullptr;
    // Shown once it is initialised and centred.
    DialogTemplate hidden = *found;
    hidden.style &= ~WS_VISIBLE;
    const std::vector<std::uint16_t> bytes = win32::BuildDialogTemplate(hidden, win32::TemplateMenu::Omitted);
    Creating creating{dialog, *found};
    HWND__* native = win32::CreateDialogWindow(bytes, NativeWindow(owner), &creating);
    if (native == nullptr) return nullptr;
    win32::Centre(native, NativeWindow(owner));
    return WindowOf(native);
}

void CloseDialogWindow(HWND window) {
    Attach(window, nullptr);
    win32::DestroyNative(window->native);
}

void EnableModalOwner(HWND owner, bool enable) { win32::EnableNative(owner->native, enable); }

void RunModalLoop(HWND window, CDialog& dialog) {
    win32::ShowNative(window->native);
    win32::RunModalLoop(window->native, window->modalEnded, Started, &dialog);
}

void WakeModalLoop(HWND window) {
    win32::PostNative(window->native, 0 /* WM_NULL: the loop looks again */, 0, 0);
}

}  // namespace fw::detail

namespace fw::win32 {

bool DialogCreated(HWND__* native, void* creating) {
    auto& c = *static_cast<detail::Creating*>(creating);
    CFont* font = detail::CopyOfDialogFont(native);
    detail::Window* window = detail::WindowOf(native);
    window->kind = detail::Kind::Dialog;
    window->ownFont = font;
    window->font = font != nullptr ? font->m_hObject : nullptr;
    window->fontSet = true;
    if (c.dt.menu != 0) {
        if (const MenuTemplate* menu = FindMenu(c.dt.menu)) SetMenuBar(native, detail::MenuOf(*menu));
    }
    detail::PrepareControls(window, c.dt);
    detail::Attach(window, &c.dialog);
    // The first control with a tab stop gets the focus unless the dialog's
    // initialisation answers FALSE.
    try {
        return c.dialog.OnInitDialog() != FALSE;
    } catch (CException* e) {
        e->ReportError(MB_ICONSTOP);
        e->Delete();
        return true;
    }
}

}  // namespace fw::win32

void CDialog::MapDialogRect(CRect* rect) const {
    if (m_hWnd == nullptr || rect == nullptr) return;
    const fw::win32::Rect r =
        fw::win32::MapDialogUnits(fw::detail::NativeWindow(m_hWnd), {rect->left, rect->top, rect->right, rect->bottom});
    *rect = CRect{r.left, r.top, r.right, r.bottom};
}
