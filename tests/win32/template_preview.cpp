// Shows the program's main window and About box as the Windows dialog
// manager lays out their templates, with the program's menu and icons, but
// without the program behind them: a look at the Win32 backend's first
// pieces. Closes with either window, or by itself after the number of
// milliseconds given as its argument.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/win32/program_templates.h"

namespace {

std::wstring Wide(const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

HMENU MenuOf(unsigned id) {
    HMENU bar = CreateMenu();
    for (const win32_test::MenuPopup& popup : win32_test::ProgramMenu(id)) {
        HMENU items = CreatePopupMenu();
        for (const win32_test::MenuItem& item : popup.items) {
            if (item.text.empty()) {
                AppendMenuW(items, MF_SEPARATOR, 0, nullptr);
            } else {
                AppendMenuW(items, MF_STRING, item.id, Wide(item.text).c_str());
            }
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), Wide(popup.text).c_str());
    }
    return bar;
}

INT_PTR CALLBACK PreviewDialog(HWND, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) PostQuitMessage(0);
        return TRUE;
    case WM_CLOSE:
        PostQuitMessage(0);
        return TRUE;
    default:
        return FALSE;
    }
}

HWND Show(unsigned id, int left, int top) {
    const std::vector<std::uint16_t> bytes = win32_test::TemplateOf(id, win32_test::Menu::Omitted, true);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND window = CreateDialogIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(bytes.data()), nullptr,
                                             PreviewDialog, 0);
    if (window == nullptr) return nullptr;
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return window;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    const std::vector<win32_test::Dialog> dialogs = win32_test::ProgramDialogs();
    HWND main = Show(dialogs[0].id, 40, 40);
    if (main == nullptr) return 1;
    // A menu set afterwards takes its room from the client area: the window
    // grows to give it back.
    RECT client{};
    GetClientRect(main, &client);
    SetMenu(main, MenuOf(dialogs[0].menu));
    AdjustWindowRectEx(&client, static_cast<DWORD>(GetWindowLongW(main, GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongW(main, GWL_EXSTYLE)));
    SetWindowPos(main, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    SendMessageW(main, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LoadIconW(instance, MAKEINTRESOURCEW(128))));
    SendMessageW(main, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadImageW(instance, MAKEINTRESOURCEW(128),
                                                                                  IMAGE_ICON, 16, 16, 0)));
    RECT placed{};
    GetWindowRect(main, &placed);
    HWND about = Show(dialogs[1].id, placed.right + 20, 40);
    if (about == nullptr) return 1;
    ShowWindow(main, SW_SHOWNORMAL);
    ShowWindow(about, SW_SHOWNORMAL);

    const int closeAfter = std::wcstol(arguments, nullptr, 10);
    if (closeAfter > 0) SetTimer(nullptr, 0, static_cast<UINT>(closeAfter), nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr) break;
        if (!IsDialogMessageW(main, &message) && !IsDialogMessageW(about, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return 0;
}
