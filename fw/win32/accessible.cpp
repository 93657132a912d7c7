// What a screen reader is told of the framework's controls through MSAA,
// where the system's own accessible objects do not say it: an edit field or
// a list is named by its label (fw/accessibility.h, kept in its record when
// the dialog is made), a static text drawn sunken (a value shown) by
// its label with the value it shows, a list's selected row is spoken as the
// list's object speaks it (CComboBox::GetItemSpokenText), a link
// (CStatic::IsLink) is a link whose action is a click, and an icon is a
// picture.
#include <string>

#include "fw/controls.h"
#include "fw/win32/backend.h"

#include <oleacc.h>  // after the Windows headers

namespace fw::win32 {
namespace {

// The accessibility DLLs' functions, loaded from the system folder on the
// first request: a program that no screen reader asks loads none of them.
struct Functions {
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&SysAllocStringLen) allocString = nullptr;
};

const Functions* Loaded() {
    static const Functions* const loaded = []() -> const Functions* {
        static Functions f;
        const auto initialise = SystemFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
        f.createStandard =
            SystemFunction<decltype(&CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject");
        f.lresultFromObject = SystemFunction<decltype(&LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
        f.allocString = SystemFunction<decltype(&SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen");
        if (initialise == nullptr || f.createStandard == nullptr || f.lresultFromObject == nullptr ||
            f.allocString == nullptr) {
            return nullptr;
        }
        // The objects go to the screen reader's process through COM.
        initialise(nullptr, COINIT_APARTMENTTHREADED);
        return &f;
    }();
    return loaded;
}

// What the control is to a screen reader, as the system's role; None where
// the system's object says it all.
enum class Role : LONG {
    None = 0,
    Field = ROLE_SYSTEM_TEXT,
    List = ROLE_SYSTEM_COMBOBOX,
    Value = ROLE_SYSTEM_STATICTEXT,  // a static text that shows a value
    Link = ROLE_SYSTEM_LINK,
    Picture = ROLE_SYSTEM_GRAPHIC,
};

Role RoleOf(const Window& window) {
    switch (window.kind) {
    case Kind::Edit:
        return Role::Field;
    case Kind::ComboBox:
        return Role::List;
    case Kind::Static:
        break;
    default:
        return Role::None;
    }
    const LONG type = GetWindowLongW(window.handle, GWL_STYLE) & SS_TYPEMASK;
    if (type == SS_ICON) return Role::Picture;
    if (type > SS_RIGHT) return Role::None;  // not a text
    const auto* label = dynamic_cast<const CStatic*>(window.attached);
    if (label != nullptr && label->IsLink()) return Role::Link;
    // A static text drawn sunken shows a value, as a read-only field does.
    const LONG edges = GetWindowLongW(window.handle, GWL_EXSTYLE) & (WS_EX_STATICEDGE | WS_EX_CLIENTEDGE);
    return edges != 0 ? Role::Value : Role::None;
}

// The list's selected row as its object speaks it; nothing without one.
std::wstring SelectedRow(HWND list) {
    const int row = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
    const auto* object = dynamic_cast<const CComboBox*>(detail::AttachedTo(list));
    if (object != nullptr && row >= 0) return Wide(object->GetItemSpokenText(row).View());
    std::string text;
    return ComboText(list, row, &text) ? Wide(text) : std::wstring();
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// A control's accessible object: the system's own, with what it lacks said.
class ControlAccessible final : public IAccessible {
public:
    ControlAccessible(HWND window, Role role, IAccessible* system, const Functions& f)
        : m_window(window), m_role(role), m_system(system), m_f(f) {}
    ControlAccessible(const ControlAccessible&) = delete;
    ControlAccessible& operator=(const ControlAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (IsEqualIID(id, __uuidof(IUnknown)) || IsEqualIID(id, __uuidof(IDispatch)) ||
            IsEqualIID(id, __uuidof(IAccessible))) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return m_system->QueryInterface(id, object);  // the window and the children, as the system has them
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_references)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&m_references);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return m_system->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return m_system->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override {
        return m_system->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argument) override {
        return m_system->Invoke(member, id, locale, flags, parameters, result, exception, argument);
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child) || name == nullptr || m_role == Role::Link) return m_system->get_accName(child, name);
        if (m_role == Role::Picture) return Answer(L"", name);  // not the icon's number that its text may hold
        const Window* held = HeldBy(m_window);
        if (held != nullptr && held->label != nullptr) return Answer(WindowText(held->label), name);
        if (m_role == Role::List) return Answer(SelectedRow(m_window), name);  // a list named by its row
        return m_system->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!IsSelf(child) || value == nullptr || m_role == Role::Field || m_role == Role::Picture) {
            return m_system->get_accValue(child, value);
        }
        if (m_role == Role::List) return Answer(SelectedRow(m_window), value);
        return Answer(WindowText(m_window), value);  // what a value or a link shows
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child) || role == nullptr) return m_system->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = static_cast<LONG>(m_role);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = m_system->get_accState(child, state);
        if (SUCCEEDED(result) && IsSelf(child) && m_role == Role::Link && state->vt == VT_I4) {
            state->lVal |= STATE_SYSTEM_LINKED;
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (IsSelf(child) && action != nullptr && m_role == Role::Link) return Answer(L"Click", action);
        return m_system->get_accDefaultAction(child, action);
    }
    // A link's action is what a click on it does.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child) || m_role != Role::Link) return m_system->accDoDefaultAction(child);
        if (!IsWindow(m_window)) return E_FAIL;
        PostMessageW(m_window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        PostMessageW(m_window, WM_LBUTTONUP, 0, 0);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return m_system->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return m_system->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return m_system->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return m_system->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        return m_system->get_accHelp(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return m_system->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return m_system->get_accKeyboardShortcut(child, keys);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return m_system->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return m_system->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return m_system->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        return m_system->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return m_system->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return m_system->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return m_system->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return m_system->put_accValue(child, value);
    }

private:
    ~ControlAccessible() { m_system->Release(); }

    HRESULT Answer(const std::wstring& text, BSTR* out) const {
        *out = m_f.allocString(text.data(), static_cast<UINT>(text.size()));
        return *out != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    HWND m_window;
    Role m_role;
    IAccessible* m_system;
    const Functions& m_f;
    LONG m_references = 1;
};

}  // namespace

LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam) {
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
    const Window* held = HeldBy(window);
    if (held == nullptr) return 0;
    const Role role = RoleOf(*held);
    if (role == Role::None) return 0;
    const Functions* f = Loaded();
    if (f == nullptr) return 0;
    IAccessible* system = nullptr;
    if (FAILED(f->createStandard(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&system))) ||
        system == nullptr) {
        return 0;
    }
    auto* object = new ControlAccessible(window, role, system, *f);
    const LRESULT answer = f->lresultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return answer > 0 ? answer : 0;
}

}  // namespace fw::win32
