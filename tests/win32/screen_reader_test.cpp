// What a screen reader learns of Kalvex.exe through MSAA, read from a process
// of its own as a screen reader reads it (oleacc's AccessibleObjectFromWindow):
// every control of the main window and of the About box in the dialog's
// order, with its role, name, value and action, and a link's action done.
// Kalvex.exe is started from the test's folder, the build's, and driven by
// the messages its controls and commands take.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "tests/win32/native_files.h"

namespace {

struct Accessible {
    std::string role;
    std::string name;
    std::string value;
    std::string action;  // the default action's name
    friend bool operator==(const Accessible&, const Accessible&) = default;
};
[[maybe_unused]] void PrintTo(const Accessible& a, std::ostream* os) {
    *os << "{" << a.role << ", \"" << a.name << "\", \"" << a.value << "\", \"" << a.action << "\"}";
}

std::string Utf8(const wchar_t* text, int length) {
    if (text == nullptr || length == 0) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    return out;
}

std::string Take(BSTR text) {
    std::string out = text != nullptr ? Utf8(text, static_cast<int>(SysStringLen(text))) : "";
    SysFreeString(text);
    return out;
}

// The roles by their names here, which do not depend on the system's
// language as its own names for them do.
std::string RoleName(long role) {
    switch (role) {
    case ROLE_SYSTEM_CLIENT:
        return "client";
    case ROLE_SYSTEM_TEXT:
        return "text";
    case ROLE_SYSTEM_STATICTEXT:
        return "static text";
    case ROLE_SYSTEM_COMBOBOX:
        return "combo box";
    case ROLE_SYSTEM_PUSHBUTTON:
        return "push button";
    case ROLE_SYSTEM_LINK:
        return "link";
    case ROLE_SYSTEM_GRAPHIC:
        return "picture";
    default:
        return "role " + std::to_string(role);
    }
}

IAccessible* ObjectOf(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return nullptr;
    }
    return object;
}

VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

Accessible Read(HWND control) {
    IAccessible* object = ObjectOf(control);
    if (object == nullptr) return {"none", "", "", ""};
    Accessible read;
    VARIANT role{};
    if (SUCCEEDED(object->get_accRole(Self(), &role)) && role.vt == VT_I4) read.role = RoleName(role.lVal);
    BSTR text = nullptr;
    if (SUCCEEDED(object->get_accName(Self(), &text))) read.name = Take(text);
    text = nullptr;
    if (SUCCEEDED(object->get_accValue(Self(), &text))) read.value = Take(text);
    text = nullptr;
    if (SUCCEEDED(object->get_accDefaultAction(Self(), &text))) read.action = Take(text);
    object->Release();
    return read;
}

// The dialog's controls in its order (the template's).
std::vector<Accessible> Controls(HWND dialog) {
    std::vector<Accessible> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        controls.push_back(Read(child));
    }
    return controls;
}

std::wstring TextOf(HWND control) {
    wchar_t text[256] = {};
    SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string Utf8(const std::wstring& text) { return Utf8(text.data(), static_cast<int>(text.size())); }

template <class Condition>
bool WaitFor(Condition condition) {
    for (int wait = 0; wait < 200; ++wait) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

// Kalvex.exe from the current folder, its main window shown; closed at the end.
class Program {
public:
    Program() {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        wchar_t command[] = L"Kalvex.exe";
        if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_process)) {
            return;
        }
        WaitFor([&] { return (m_main = Window(L"KALVEX - V 4.0")) != nullptr; });
    }
    ~Program() {
        if (m_process.hProcess == nullptr) return;
        if (m_main != nullptr) PostMessageW(m_main, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND Main() const { return m_main; }
    // The program's shown window of that title, or nullptr.
    HWND Window(const wchar_t* title) const {
        HWND found = FindWindowW(nullptr, title);
        DWORD process = 0;
        GetWindowThreadProcessId(found, &process);
        return found != nullptr && process == m_process.dwProcessId && IsWindowVisible(found) ? found : nullptr;
    }
    HWND Item(int id) const { return GetDlgItem(m_main, id); }
    // A command as its control sends it, handled before this returns.
    void Command(int id, int code) const {
        SendMessageW(m_main, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
    }

private:
    PROCESS_INFORMATION m_process{};
    HWND m_main = nullptr;
};

// The program's texts, as UTF-8.
constexpr char kInductance[] = "Induttanza  [\xC2\xB5H]";
constexpr char kCapacitance[] = "Capacit\xC3\xA0  [pF]";
constexpr char kXL[] = "Reattanza induttiva      [Ohm]";
constexpr char kXC[] = "Reattanza capacitiva  [Ohm]";

// Wine's own objects for the controls whose system objects are left as they
// are call them "client" (Windows' say push button, static text, separator);
// their names are the system's.
Accessible System(const char* name) { return {"client", name, "", ""}; }
const Accessible kUnnamed = System("");

}  // namespace

TEST(ScreenReader, TellsEveryControlOfTheMainWindow) {
    Program program;
    ASSERT_NE(program.Main(), nullptr);
    SendMessageW(program.Item(1005), CB_SETCURSEL, 2, 0);  // mix 2, confirmed: its cores
    program.Command(1005, CBN_SELENDOK);
    SendMessageW(program.Item(1000), CB_SETCURSEL, 16, 0);
    SendMessageW(program.Item(1004), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"17"));
    program.Command(1011, BN_CLICKED);  // the inductance of 17 turns
    SendMessageW(program.Item(1002), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"100"));
    SendMessageW(program.Item(1003), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"7.1"));
    program.Command(1014, BN_CLICKED);  // the reactances
    const std::string core = Utf8(TextOf(program.Item(1000)));
    const std::string xl = Utf8(TextOf(program.Item(1009)));
    const std::string xc = Utf8(TextOf(program.Item(1010)));
    ASSERT_NE(xc, "");

    const std::vector<Accessible> expected = {
        kUnnamed,
        kUnnamed,
        kUnnamed,
        // The mix list, which has no label: named and read as its row is painted.
        {"combo box", "T-xxx-2 rosso (2.00 - 30.0 MHz)", "T-xxx-2 rosso (2.00 - 30.0 MHz)", ""},
        {"combo box", "Toroide", core, ""},
        // Each field named by its label, on its line to its left.
        {"text", "Numero spire", "17", ""},
        System("Calcola Induttanza"),
        {"text", kInductance, "1.416", ""},
        {"text", kCapacitance, "100", ""},
        System("Calcola Frequenza"),
        {"text", "Frequenza  [MHz]", "7.1", ""},
        System("Calcola Reattanza"),
        System("FL  --->  C"),
        System("FC  --->   L"),
        System("L  --->  N"),
        System("Toroide"),
        System(kInductance),
        System(kCapacitance),
        System("Frequenza  [MHz]"),
        System("Numero spire"),
        System(kXL),
        // The outputs: named by their labels, reading their values.
        {"static text", kXL, xl, ""},
        System(kXC),
        {"static text", kXC, xc, ""},
    };
    EXPECT_EQ(Controls(program.Main()), expected);
}

TEST(ScreenReader, TellsTheAboutBoxAndItsLinksWhoseActionIsAClick) {
    const std::filesystem::path noted = std::filesystem::temp_directory_path() / "kalvex-link-opened.txt";
    std::filesystem::remove(noted);
    // The web browser: a program that notes the address it was given.
    const kalvex_test::ScopedFileType browser(
        L"https", L"C:\\windows\\system32\\cmd.exe /c echo %1> \"" + noted.wstring() + L"\"");
    Program program;
    ASSERT_NE(program.Main(), nullptr);
    PostMessageW(program.Main(), WM_COMMAND, 57664, 0);  // ? > "Informazioni..."
    HWND about = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (about = program.Window(L"Informazioni")) != nullptr; }));

    const Accessible picture{"picture", "", "", ""};
    const std::vector<Accessible> expected = {
        picture,
        System("KALVEX  -  Versione 4.0  -  1999\nScritto da un radioamatore"),
        System("OK"),
        picture,
        {"link", "mailto:autore@example.org", "mailto:autore@example.org", "Click"},
        {"link", "https://example.org/~autore/", "https://example.org/~autore/", "Click"},
        kUnnamed,
        System("Versione Windows\xC2\xAE  by  ESEMPIO SOFTWARE"),
        {"link", "https://www.example.org/", "https://www.example.org/", "Click"},
    };
    EXPECT_EQ(Controls(about), expected);

    // The home-page link's action opens it, as a click does.
    IAccessible* link = ObjectOf(GetDlgItem(about, 1011));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->accDoDefaultAction(Self()), S_OK);
    link->Release();
    std::string opened;
    WaitFor([&] {
        std::ifstream in(noted);
        opened.assign(std::istreambuf_iterator<char>(in), {});
        return !opened.empty();
    });
    EXPECT_EQ(opened.substr(0, opened.find_first_of(" \r\n")), "https://example.org/~autore/");
    std::filesystem::remove(noted);
    PostMessageW(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return program.Window(L"Informazioni") == nullptr; }));
}

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
