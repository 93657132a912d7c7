// What a screen reader is told about the main window and the About box:
// every control in template order with its role, name, value and label, the
// menu's items with their keys, and what a link's action does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fw/testing.h"
#include "fw/testing/accessible.h"
#include "tests/ui/main_window.h"

using fw::testing::Accessible;
using kalvex_test::Choose;
using kalvex_test::Item;
using kalvex_test::RunMainWindow;
using kalvex_test::Text;

namespace {

// UTF-8, as the accessibility interface gives the program's texts.
constexpr char kInductance[] = "Induttanza  [\xC2\xB5H]";
constexpr char kCapacitance[] = "Capacit\xC3\xA0  [pF]";
constexpr char kXL[] = "Reattanza induttiva      [Ohm]";
constexpr char kXC[] = "Reattanza capacitiva  [Ohm]";

Accessible Label(const char* text) { return {"label", text, "", "", ""}; }
Accessible Button(const char* text) { return {"push button", text, "", "", ""}; }
const Accessible kSeparator{"separator", "", "", "", ""};

}  // namespace

TEST(ScreenReader, TellsEveryControlOfTheMainWindowAndItsMenu) {
    RunMainWindow([](CCoilDialog& dialog) {
        Choose(dialog, IDC_MIX, 2);
        Choose(dialog, IDC_CORE, 16);
        fw::testing::ReplaceText(Item(dialog, IDC_TURNS), "17");
        fw::testing::Click(Item(dialog, IDC_CALC_L));
        fw::testing::ReplaceText(Item(dialog, IDC_CAPACITANCE), "100");
        fw::testing::ReplaceText(Item(dialog, IDC_FREQUENCY), "7.1");
        fw::testing::Click(Item(dialog, IDC_CALC_X));
        const std::string xl = Text(dialog, IDC_XL);
        const std::string xc = Text(dialog, IDC_XC);
        ASSERT_NE(xc, "");

        const std::vector<Accessible> expected = {
            kSeparator,
            kSeparator,
            kSeparator,
            {"combo box", "T-xxx-2 rosso (2.00 - 30.0 MHz)", "T-xxx-2 rosso (2.00 - 30.0 MHz)", "", ""},
            {"combo box", "Toroide", Text(dialog, IDC_CORE), "Toroide", ""},
            {"text", "Numero spire", "17", "", ""},
            Button("Calcola Induttanza"),
            {"text", kInductance, "1.416", "", ""},
            {"text", kCapacitance, "100", "", ""},
            Button("Calcola Frequenza"),
            {"text", "Frequenza  [MHz]", "7.1", "", ""},
            Button("Calcola Reattanza"),
            Button("FL  --->  C"),
            Button("FC  --->   L"),
            Button("L  --->  N"),
            Label("Toroide"),
            Label(kInductance),
            Label(kCapacitance),
            Label("Frequenza  [MHz]"),
            Label("Numero spire"),
            Label(kXL),
            {"label", kXL, xl, kXL, ""},
            Label(kXC),
            {"label", kXC, xc, kXC, ""},
        };
        EXPECT_EQ(fw::testing::AccessibleControls(dialog.m_hWnd), expected);

        const std::vector<Accessible> menu = {
            {"menu item", "File", "", "", ""},
            {"menu item", "Salva...", "", "", ""},
            {"menu item", "Stampa...", "", "", ""},
            kSeparator,
            {"menu item", "Esci", "", "", ""},
            {"menu item", "?", "", "", ""},
            {"menu item", "Aiuto...", "", "", "F1"},
            kSeparator,
            {"menu item", "Informazioni...", "", "", ""},
        };
        EXPECT_EQ(fw::testing::AccessibleMenu(dialog.m_hWnd), menu);
    });
}

TEST(ScreenReader, TellsTheAboutBoxsTextsAndLinksWhoseActionIsAClick) {
    fw::testing::FakeDesktop desktop;
    fw::testing::ScopedDesktop scoped(desktop);
    RunMainWindow([&](CCoilDialog& main) {
        fw::testing::WhenModal([&](CDialog& about) {
            const Accessible picture{"picture", "", "", "", ""};
            const std::vector<Accessible> expected = {
                picture,
                Label("KALVEX  -  Versione 4.0  -  1999\nScritto da un radioamatore"),
                {"push button", "OK", "", "", ""},
                picture,
                {"link", "mailto:autore@example.org", "", "", ""},
                {"link", "https://example.org/~autore/", "", "", ""},
                kSeparator,
                Label("Versione Windows\xC2\xAE  by  ESEMPIO SOFTWARE"),
                {"link", "https://www.example.org/", "", "", ""},
            };
            EXPECT_EQ(fw::testing::AccessibleControls(about.m_hWnd), expected);

            EXPECT_TRUE(fw::testing::PressAccessible(Item(about, IDC_LINK_HOME)));
            EXPECT_EQ(desktop.opened, std::vector<std::string>{"https://example.org/~autore/"});
            EXPECT_FALSE(fw::testing::PressAccessible(Item(about, IDC_MAKER)));
            EXPECT_EQ(desktop.opened.size(), 1u);
            fw::testing::PressKey(fw::testing::Key::Escape);
        });
        main.ShowAbout();
    });
}
