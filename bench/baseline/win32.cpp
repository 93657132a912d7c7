// The Windows yardstick of the start-up benchmark (bench/startup --windows):
// a bare Win32 dialog of the calculator's size and make-up, as the Qt
// baseline (main.cpp) is on Linux: a menu bar, two drop-down lists, four
// fields, six push buttons, the labels, two framed result fields and three
// etched lines, in the dialog's font (MS Sans Serif, 8 points) with the
// lists in a 10-point fixed-pitch font (Courier New and Fixedsys), which the
// calculator gives them once they are made. It imports what any window
// needs (kernel32, user32, gdi32) and nothing else, and has the program's
// manifest (win32.rc).
//
//   baseline.exe WIDTH HEIGHT     (the window's size in pixels, menu bar included)
#include <windows.h>

#include <cstdlib>
#include <cwchar>

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

struct Grid {
    HWND dialog;
    int width;
    int height;
    HFONT font;

    // At (x, y) in units of the calculator's grid of 277 x 225.
    HWND Place(const wchar_t* windowClass, const wchar_t* text, DWORD style, DWORD exStyle, int x, int y, int cx,
               int cy) const {
        HWND control = CreateWindowExW(exStyle, windowClass, text, kChild | style, x * width / 277, y * height / 225,
                                       cx * width / 277, cy * height / 225, dialog, nullptr, nullptr, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return control;
    }
};

HWND List(const Grid& grid, const wchar_t* prefix, int rows, int x, int y, int cx, HFONT font) {
    HWND list = grid.Place(L"ComboBox", nullptr, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, x, y, cx, 120);
    for (int i = 0; i < rows; ++i) {
        wchar_t text[32];
        std::swprintf(text, 32, L"%ls-%d", prefix, i);
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return list;
}

HMENU Menus() {
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 1, L"Salva...");
    AppendMenuW(file, MF_STRING, 2, L"Stampa...");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, IDCANCEL, L"Esci");
    HMENU help = CreatePopupMenu();
    AppendMenuW(help, MF_STRING, 3, L"Aiuto...\tF1");
    AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(help, MF_STRING, 4, L"Informazioni...");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), L"?");
    return bar;
}

HFONT Font(const wchar_t* face, int points) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

}  // namespace

int main(int argc, char** argv) {
    const int width = argc > 2 ? std::atoi(argv[1]) : 420;
    const int height = argc > 2 ? std::atoi(argv[2]) : 360;

    HWND dialog = CreateWindowExW(WS_EX_DLGMODALFRAME, L"#32770", L"Baseline",
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT,
                                  width, height, nullptr, Menus(), nullptr, nullptr);
    RECT client{};
    GetClientRect(dialog, &client);
    const Grid grid{dialog, client.right, client.bottom, Font(L"MS Sans Serif", 8)};

    grid.Place(L"Static", nullptr, SS_ETCHEDHORZ, 0, 10, 75, 184, 1);
    grid.Place(L"Static", nullptr, SS_ETCHEDHORZ, 0, 10, 135, 184, 1);
    grid.Place(L"Static", nullptr, SS_ETCHEDHORZ, 0, 10, 175, 184, 1);
    List(grid, L"T-xxx", 11, 10, 10, 260, Font(L"Fixedsys", 10));
    List(grid, L"T-nn", 15, 195, 30, 75, Font(L"Courier New", 10));
    grid.Place(L"Edit", nullptr, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 195, 50, 75, 12);
    grid.Place(L"Button", L"Calcola Induttanza", BS_PUSHBUTTON | WS_TABSTOP, 0, 195, 70, 75, 12);
    grid.Place(L"Edit", nullptr, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 195, 90, 75, 12);
    grid.Place(L"Edit", nullptr, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 195, 110, 75, 12);
    grid.Place(L"Button", L"Calcola Frequenza", BS_PUSHBUTTON | WS_TABSTOP, 0, 195, 130, 75, 12);
    grid.Place(L"Edit", nullptr, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 195, 150, 75, 12);
    grid.Place(L"Button", L"Calcola Reattanza", BS_PUSHBUTTON | WS_TABSTOP, 0, 195, 170, 75, 12);
    grid.Place(L"Button", L"FL  --->  C", BS_PUSHBUTTON | WS_TABSTOP, 0, 65, 110, 45, 12);
    grid.Place(L"Button", L"FC  --->   L", BS_PUSHBUTTON | WS_TABSTOP, 0, 65, 90, 45, 12);
    grid.Place(L"Button", L"L  --->  N", BS_PUSHBUTTON | WS_TABSTOP, 0, 65, 50, 45, 12);
    grid.Place(L"Static", L"Toroide", SS_LEFT, 0, 125, 30, 61, 12);
    grid.Place(L"Static", L"Induttanza  [\u00B5H]", SS_LEFT, 0, 125, 90, 60, 12);
    grid.Place(L"Static", L"Capacit\u00E0  [pF]", SS_LEFT, 0, 125, 110, 60, 12);
    grid.Place(L"Static", L"Frequenza  [MHz]", SS_LEFT, 0, 125, 150, 65, 12);
    grid.Place(L"Static", L"Numero spire", SS_LEFT, 0, 125, 50, 60, 12);
    grid.Place(L"Static", L"Reattanza induttiva      [Ohm]", SS_LEFT, 0, 75, 190, 105, 12);
    grid.Place(L"Static", nullptr, SS_LEFT, WS_EX_STATICEDGE, 195, 190, 75, 12);
    grid.Place(L"Static", L"Reattanza capacitiva  [Ohm]", SS_LEFT, 0, 75, 205, 105, 12);
    grid.Place(L"Static", nullptr, SS_LEFT, WS_EX_STATICEDGE, 195, 205, 75, 12);

    ShowWindow(dialog, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_COMMAND && LOWORD(message.wParam) == IDCANCEL) break;
        if (IsDialogMessageW(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
