// The program's resources: the main window's and the About box's templates,
// the menu, and the table through which the framework finds them and the
// pictures.
#include <array>

#include "ui/resources.h"

#include "ui/images.h"
#include "ui/resource_ids.h"

using fw::ControlKind;
using fw::ControlTemplate;

namespace {

// Every control is a visible child window.
constexpr DWORD kControl = WS_CHILD | WS_VISIBLE;
constexpr DWORD kEtchedLine = kControl | SS_ETCHEDHORZ;
constexpr DWORD kDropDownList = kControl | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kOwnerDrawnList = kDropDownList | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
constexpr DWORD kEdit = kControl | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kButton = kControl | BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kMultilineButton = kButton | BS_MULTILINE;
constexpr DWORD kLabel = kControl | SS_LEFT | SS_CENTERIMAGE | WS_GROUP;
constexpr DWORD kRightLabel = kControl | SS_RIGHT | SS_CENTERIMAGE | WS_GROUP;
constexpr DWORD kIcon = kControl | SS_ICON;
constexpr DWORD kText = kControl | SS_LEFT | WS_GROUP;
constexpr DWORD kDefaultButton = kControl | BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP;
// The style words as the templates list them.
static_assert(kEtchedLine == 0x50000010);
static_assert(kDropDownList == 0x50210003);
static_assert(kOwnerDrawnList == 0x50210213);
static_assert(kEdit == 0x50810080);
static_assert(kButton == 0x50010000);
static_assert(kMultilineButton == 0x50012000);
static_assert(kLabel == 0x50020200);
static_assert(kRightLabel == 0x50020202);
static_assert(kIcon == 0x50000003);
static_assert(kText == 0x50020000);
static_assert(kDefaultButton == 0x50030001);

// The main window: a fixed dialog frame with a caption, a system menu and a
// minimise button, its own task-bar button and a sunken client edge.
constexpr DWORD kMainStyle =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_SETFONT;
constexpr DWORD kMainExStyle = WS_EX_APPWINDOW | WS_EX_CLIENTEDGE;
static_assert(kMainStyle == 0x90CA00C0);
static_assert(kMainExStyle == 0x00040200);
// The About box: a modal frame with a caption and a system menu.
constexpr DWORD kAboutStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
static_assert(kAboutStyle == 0x80C800C0);

// In template order, which is also the Tab order of those with a tab stop.
constexpr std::array kMainControls = {
    ControlTemplate{ControlKind::Static, -1, nullptr, 10, 75, 184, 1, kEtchedLine},
    ControlTemplate{ControlKind::Static, -1, nullptr, 10, 135, 184, 1, kEtchedLine},
    ControlTemplate{ControlKind::Static, -1, nullptr, 10, 175, 184, 1, kEtchedLine},
    ControlTemplate{ControlKind::ComboBox, IDC_MIX, nullptr, 10, 10, 260, 235, kOwnerDrawnList},
    ControlTemplate{ControlKind::ComboBox, IDC_CORE, nullptr, 195, 30, 75, 235, kDropDownList},
    ControlTemplate{ControlKind::Edit, IDC_TURNS, nullptr, 195, 50, 75, 12, kEdit},
    ControlTemplate{ControlKind::Button, IDC_CALC_L, "Calcola Induttanza", 195, 70, 75, 12, kButton},
    ControlTemplate{ControlKind::Edit, IDC_INDUCTANCE, nullptr, 195, 90, 75, 12, kEdit},
    ControlTemplate{ControlKind::Edit, IDC_CAPACITANCE, nullptr, 195, 110, 75, 12, kEdit},
    ControlTemplate{ControlKind::Button, IDC_CALC_F, "Calcola Frequenza", 195, 130, 75, 12, kButton},
    ControlTemplate{ControlKind::Edit, IDC_FREQUENCY, nullptr, 195, 150, 75, 12, kEdit},
    ControlTemplate{ControlKind::Button, IDC_CALC_X, "Calcola Reattanza", 195, 170, 75, 12, kButton},
    ControlTemplate{ControlKind::Button, IDC_CALC_C_FROM_FL, "FL  --->  C", 65, 110, 45, 12, kButton},
    ControlTemplate{ControlKind::Button, IDC_CALC_L_FROM_FC, "FC  --->   L", 65, 90, 45, 12, kMultilineButton},
    ControlTemplate{ControlKind::Button, IDC_CALC_N, "L  --->  N", 65, 50, 45, 12, kButton},
    ControlTemplate{ControlKind::Static, -1, "Toroide", 125, 30, 61, 12, kLabel},
    ControlTemplate{ControlKind::Static, -1, "Induttanza  [\xB5H]", 125, 90, 60, 12, kLabel},
    ControlTemplate{ControlKind::Static, -1, "Capacit\xE0  [pF]", 125, 110, 60, 12, kLabel},
    ControlTemplate{ControlKind::Static, -1, "Frequenza  [MHz]", 125, 150, 65, 12, kLabel},
    ControlTemplate{ControlKind::Static, -1, "Numero spire", 125, 50, 60, 12, kLabel},
    ControlTemplate{ControlKind::Static, -1, "Reattanza induttiva      [Ohm]", 75, 190, 105, 12, kRightLabel},
    ControlTemplate{ControlKind::Static, IDC_XL, nullptr, 195, 190, 75, 12, kLabel, WS_EX_STATICEDGE},
    ControlTemplate{ControlKind::Static, -1, "Reattanza capacitiva  [Ohm]", 75, 205, 105, 12, kRightLabel},
    ControlTemplate{ControlKind::Static, IDC_XC, nullptr, 195, 205, 75, 12, kLabel, WS_EX_STATICEDGE},
};

constexpr fw::DialogTemplate kMainDialog{
    IDD_MAIN,     "KALVEX - V 4.0", 0, 0, 277, 225, kMainStyle, kMainExStyle, "MS Sans Serif", 8,
    IDR_MAINMENU, kMainControls,
};

// Only OK has a tab stop. The links and the credit line hold the texts they
// show; a link's text is also what is opened or copied.
constexpr std::array kAboutControls = {
    ControlTemplate{ControlKind::Static, -1, nullptr, 10, 90, 20, 20, kIcon, 0, IDI_ABOUT},
    ControlTemplate{ControlKind::Static, -1, "KALVEX  -  Versione 4.0  -  1999\nScritto da un radioamatore", 40, 10,
                    160, 20, kText},
    ControlTemplate{ControlKind::Button, IDOK, "OK", 205, 5, 38, 14, kDefaultButton},
    ControlTemplate{ControlKind::Static, -1, nullptr, 10, 10, 20, 20, kIcon, 0, IDR_MAINFRAME},
    ControlTemplate{ControlKind::Static, IDC_LINK_MAIL, "mailto:autore@example.org", 40, 40, 185, 8, kText},
    ControlTemplate{ControlKind::Static, IDC_LINK_HOME, "https://example.org/~autore/", 40, 55, 185, 8, kText},
    ControlTemplate{ControlKind::Static, -1, nullptr, 10, 75, 230, 1, kEtchedLine},
    ControlTemplate{ControlKind::Static, IDC_MAKER, "Versione Windows\xAE  by  ESEMPIO SOFTWARE", 40, 90, 185, 8,
                    kText},
    ControlTemplate{ControlKind::Static, IDC_LINK_MAKER, "https://www.example.org/", 40, 105, 185, 8, kText},
};

constexpr fw::DialogTemplate kAboutDialog{
    IDD_ABOUTBOX, "Informazioni", 0, 0, 249, 122, kAboutStyle, 0, "MS Sans Serif", 8, 0, kAboutControls,
};

constexpr std::array kFileMenu = {
    fw::MenuItemTemplate{"Salva...", ID_FILE_SAVE},
    fw::MenuItemTemplate{"Stampa...", ID_FILE_PRINT},
    fw::MenuItemTemplate{nullptr, 0},
    fw::MenuItemTemplate{"Esci", ID_APP_EXIT},
};
constexpr std::array kHelpMenu = {
    fw::MenuItemTemplate{"Aiuto...\tF1", ID_HELP_CONTENTS},
    fw::MenuItemTemplate{nullptr, 0},
    fw::MenuItemTemplate{"Informazioni...", ID_APP_ABOUT},
};
constexpr std::array kMainMenuPopups = {
    fw::MenuPopupTemplate{"File", kFileMenu},
    fw::MenuPopupTemplate{"?", kHelpMenu},
};
constexpr fw::MenuTemplate kMainMenu{IDR_MAINMENU, kMainMenuPopups};

constexpr fw::ImageTemplate kMainIcon{IDR_MAINFRAME, kToroidIcon};
constexpr fw::ImageTemplate kAboutIcon{IDI_ABOUT, kEmblemIcon};
// The hot spot is the fingertip.
constexpr fw::ImageTemplate kLinkCursor{IDC_LINK_CURSOR, kHandCursor, 6, 0};

constexpr std::array<const fw::DialogTemplate*, 2> kDialogs = {&kAboutDialog, &kMainDialog};
constexpr std::array<const fw::MenuTemplate*, 1> kMenus = {&kMainMenu};
constexpr std::array<const fw::ImageTemplate*, 2> kIcons = {&kMainIcon, &kAboutIcon};
constexpr std::array<const fw::ImageTemplate*, 1> kCursors = {&kLinkCursor};

}  // namespace

const fw::ResourceTable& ProgramResources() {
    static constexpr fw::ResourceTable kTable{kDialogs, kMenus, kIcons, kCursors};
    return kTable;
}
