// The About box: how it opens and closes over the main window, how its links
// look, point and click, and that it leaves nothing behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "fw/diagnostics.h"
#include "fw/gdi.h"
#include "fw/testing.h"
#include "tests/ui/main_window.h"
#include "ui/about_dialog.h"

using fw::testing::Key;
using kalvex_test::Item;
using kalvex_test::RunMainWindow;
using kalvex_test::Text;

namespace {

struct Link {
    int id;
    const char* text;
};
constexpr Link kLinks[] = {
    {IDC_LINK_MAIL, "mailto:autore@example.org"},
    {IDC_LINK_HOME, "https://example.org/~autore/"},
    {IDC_LINK_MAKER, "https://www.example.org/"},
};

// Runs the About box from the main window's menu with `action` inside it.
void RunAboutBox(const std::function<void(CDialog& about, CCoilDialog& main)>& action) {
    RunMainWindow([&](CCoilDialog& main) {
        fw::testing::WhenModal([&](CDialog& about) { action(about, main); });
        fw::testing::ChooseMenuItem(main.m_hWnd, ID_APP_ABOUT);
    });
}

// The title has no id: found where the mouse would find it.
HWND Title(const CDialog& about) {
    CRect origin{40, 10, 0, 0};
    about.MapDialogRect(&origin);
    return fw::testing::WindowAt(about.m_hWnd, CPoint{origin.left + 2, origin.top + 2});
}

CPoint Centre(const CWnd& window) {
    CRect rect;
    window.GetWindowRect(&rect);
    return CPoint{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The longest horizontal run of pixels that `match` accepts, inside `area`.
template <class Match>
int LongestRun(const fw::testing::Image& image, const CRect& area, Match match) {
    int longest = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        int run = 0;
        for (int x = area.left; x < area.right; ++x) {
            run = match(image.At(x, y)) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

bool IsLinkBlue(COLORREF c) { return c == RGB(0, 0, 255); }
bool IsDark(COLORREF c) { return GetRValue(c) < 96 && GetGValue(c) < 96 && GetBValue(c) < 96; }

}  // namespace

TEST(AboutBox, OpensModallyOverTheMainWindowFromMenuAndSystemCommands) {
    struct Way {
        const char* name;
        void (*open)(CCoilDialog&);
    };
    const Way ways[] = {
        {"menu Informazioni...", [](CCoilDialog& d) { fw::testing::ChooseMenuItem(d.m_hWnd, ID_APP_ABOUT); }},
        {"system command 0x0010", [](CCoilDialog& d) { d.SendMessage(WM_SYSCOMMAND, 0x0010); }},
        {"system command 0x001F", [](CCoilDialog& d) { d.SendMessage(WM_SYSCOMMAND, 0x001F); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        RunMainWindow([&](CCoilDialog& main) {
            bool opened = false;
            fw::testing::WhenModal([&](CDialog& about) {
                opened = true;
                EXPECT_NE(dynamic_cast<CAboutDialog*>(&about), nullptr);
                CString caption;
                about.GetWindowText(caption);
                EXPECT_EQ(caption, "Informazioni");
                EXPECT_FALSE(main.IsWindowEnabled());
                // Centred, to the rounding of odd sizes.
                EXPECT_LE(std::abs(Centre(about).x - Centre(main).x), 1);
                EXPECT_LE(std::abs(Centre(about).y - Centre(main).y), 1);
                CRect size{0, 0, 249, 122};
                about.MapDialogRect(&size);
                CRect client;
                about.GetClientRect(&client);
                EXPECT_EQ(client, size);
                // OK holds the focus and is the only stop for Tab.
                EXPECT_EQ(fw::testing::FocusWindow(), Item(about, IDOK));
                fw::testing::PressKey(Key::Tab);
                EXPECT_EQ(fw::testing::FocusWindow(), Item(about, IDOK));
            });
            way.open(main);
            EXPECT_TRUE(opened);
            EXPECT_TRUE(main.IsWindowEnabled());
        });
    }
}

TEST(AboutBox, EnterEscapeAndTheCloseBoxEndItAndTheMainWindowWorksAgain) {
    struct Way {
        const char* name;
        void (*close)(CDialog&);
        INT_PTR result;
    };
    const Way ways[] = {
        {"Enter", [](CDialog&) { fw::testing::PressKey(Key::Enter); }, IDOK},
        {"Escape", [](CDialog&) { fw::testing::PressKey(Key::Escape); }, IDCANCEL},
        {"close box", [](CDialog& about) { fw::testing::RequestClose(about.m_hWnd); }, IDCANCEL},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        RunMainWindow([&](CCoilDialog& main) {
            CAboutDialog about;
            fw::testing::WhenModal(way.close);
            EXPECT_EQ(about.DoModal(), way.result);
            EXPECT_TRUE(main.IsWindowEnabled());
            fw::testing::ReplaceText(Item(main, IDC_INDUCTANCE), "1");
            fw::testing::ReplaceText(Item(main, IDC_CAPACITANCE), "100");
            fw::testing::Click(Item(main, IDC_CALC_F));
            EXPECT_EQ(Text(main, IDC_FREQUENCY), "15.915");
        });
    }
}

TEST(AboutBox, ColourRequestsGiveOnlyTheLinksTheLinkLook) {
    RunAboutBox([](CDialog& about, CCoilDialog&) {
        LOGFONT dialogFont;
        ASSERT_EQ(GetObject(reinterpret_cast<HFONT>(about.SendMessage(WM_GETFONT)), sizeof(LOGFONT), &dialogFont),
                  static_cast<int>(sizeof(LOGFONT)));
        // The control's colour request on a fresh context (black text,
        // opaque, its own font): the brush answered and what the context
        // draws with afterwards.
        struct Answer {
            HBRUSH brush;
            COLORREF textColour;
            int bkMode;
            LOGFONT font;
            bool fontChanged;
        };
        const auto request = [&](HWND control) {
            Answer answer{};
            fw::testing::PaintImage(8, 8, nullptr, [&](CDC& dc) {
                HGDIOBJ before = GetCurrentObject(dc.m_hDC, OBJ_FONT);
                answer.brush = reinterpret_cast<HBRUSH>(about.SendMessage(
                    WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC), reinterpret_cast<LPARAM>(control)));
                answer.textColour = GetTextColor(dc.m_hDC);
                answer.bkMode = GetBkMode(dc.m_hDC);
                HGDIOBJ after = GetCurrentObject(dc.m_hDC, OBJ_FONT);
                answer.fontChanged = after != before;
                if (answer.fontChanged) GetObject(after, sizeof(LOGFONT), &answer.font);
            });
            return answer;
        };
        fw::testing::Grab(about.m_hWnd);  // every label has painted once
        for (const Link& link : kLinks) {
            SCOPED_TRACE(link.text);
            EXPECT_EQ(Text(about, link.id), link.text);
            // Its underlined font was made at that first painting, not now.
            const int fonts = fw::LiveFontCount();
            const Answer answer = request(Item(about, link.id));
            EXPECT_EQ(answer.brush, GetStockObject(NULL_BRUSH));
            EXPECT_EQ(fw::LiveFontCount(), fonts);
            EXPECT_EQ(answer.textColour, 0xFF0000u);
            EXPECT_EQ(answer.bkMode, TRANSPARENT);
            // The dialog's font, underlined.
            ASSERT_TRUE(answer.fontChanged);
            LOGFONT underlined = answer.font;
            EXPECT_EQ(underlined.lfUnderline, 1);
            underlined.lfUnderline = dialogFont.lfUnderline;
            EXPECT_EQ(std::memcmp(&underlined, &dialogFont, offsetof(LOGFONT, lfFaceName)), 0);
            EXPECT_STREQ(underlined.lfFaceName, dialogFont.lfFaceName);
        }
        // The credit line, the title, and a label put on a picture (style 3)
        // keep the dialog's own colours: no hollow brush, and the context's
        // text, mode and font as they were (the dialog's own answer is no
        // brush from the toolkit, its face's brush from the system).
        CLinkLabel onIcon;
        CRect iconOrigin{10, 10, 0, 0};
        about.MapDialogRect(&iconOrigin);
        onIcon.SubclassWindow(fw::testing::WindowAt(about.m_hWnd, {iconOrigin.left + 1, iconOrigin.top + 1}));
        ASSERT_EQ(onIcon.GetStyle() & 0xFF, 3u);
        const std::pair<const char*, HWND> plain[] = {
            {"credit line", Item(about, IDC_MAKER)}, {"title", Title(about)}, {"label on an icon", onIcon.m_hWnd}};
        for (const auto& [name, control] : plain) {
            SCOPED_TRACE(name);
            const Answer answer = request(control);
            EXPECT_NE(answer.brush, GetStockObject(NULL_BRUSH));
            EXPECT_EQ(answer.textColour, 0u);
            EXPECT_EQ(answer.bkMode, OPAQUE);
            EXPECT_FALSE(answer.fontChanged);
        }
        onIcon.UnsubclassWindow();
    });
}

TEST(AboutBox, ShowsBothIconsAndDrawsOnlyTheLinksUnderlinedInBlue) {
    struct Icon {
        const char* name;
        CPoint units;     // where the template puts it
        COLORREF colour;  // one of its colours
    };
    const Icon icons[] = {{"toroid", {10, 10}, RGB(0x68, 0x68, 0x68)}, {"emblem", {10, 90}, RGB(0x10, 0x20, 0x70)}};
    RunAboutBox([&](CDialog& about, CCoilDialog&) {
        const fw::testing::Image image = fw::testing::Grab(about.m_hWnd);
        for (const Icon& icon : icons) {
            SCOPED_TRACE(icon.name);
            CRect at{icon.units.x, icon.units.y, 0, 0};
            about.MapDialogRect(&at);
            const CRect area =
                fw::testing::ClientRectOf(fw::testing::WindowAt(about.m_hWnd, {at.left + 1, at.top + 1}));
            EXPECT_EQ(area, (CRect{at.left, at.top, at.left + 32, at.top + 32}));  // the icon's own size
            EXPECT_GT(LongestRun(image, area, [&](COLORREF c) { return c == icon.colour; }), 0);
        }
        const COLORREF background = image.At(2, 2);
        for (const Link& link : kLinks) {
            SCOPED_TRACE(link.text);
            const CRect area = fw::testing::ClientRectOf(Item(about, link.id));
            EXPECT_GE(LongestRun(image, area, IsLinkBlue), 60);  // the underline
            EXPECT_EQ(LongestRun(image, area, IsDark), 0);
            // No background of its own: the dialog's shows, also behind the text's end.
            EXPECT_EQ(image.At(area.right - 2, area.top + 1), background);
        }
        const std::pair<const char*, HWND> plain[] = {{"credit line", Item(about, IDC_MAKER)}, {"title", Title(about)}};
        for (const auto& [name, control] : plain) {
            SCOPED_TRACE(name);
            const CRect area = fw::testing::ClientRectOf(control);
            EXPECT_GT(LongestRun(image, area, IsDark), 0);
            EXPECT_LT(LongestRun(image, area, IsDark), 30);  // letters, no underline
            EXPECT_EQ(LongestRun(image, area, IsLinkBlue), 0);
        }
    });
}

TEST(AboutBox, PointingHandOverTheWholeLinkAndTheArrowElsewhere) {
    RunAboutBox([](CDialog& about, CCoilDialog&) {
        for (const Link& link : kLinks) {
            SCOPED_TRACE(link.text);
            const HWND control = Item(about, link.id);
            const CRect area = fw::testing::ClientRectOf(control);
            // The left end, the middle, and far right of where the text ends.
            for (const int x : {1, area.Width() / 2, area.Width() - 2}) {
                fw::testing::MoveMouse(about.m_hWnd, CPoint{area.left + x, area.top + area.Height() / 2});
                EXPECT_EQ(fw::testing::WindowAt(about.m_hWnd, {area.left + x, area.top + 1}), control);
                const HCURSOR cursor = fw::testing::CursorOf(control);
                ASSERT_NE(cursor, nullptr) << "at " << x;
                EXPECT_EQ(fw::testing::CursorSize(cursor), (CSize{32, 32}));
                EXPECT_EQ(fw::testing::CursorHotSpot(cursor), (CPoint{6, 0}));
            }
        }
        for (const HWND control : {Item(about, IDC_MAKER), Title(about)}) {
            const CRect area = fw::testing::ClientRectOf(control);
            fw::testing::MoveMouse(about.m_hWnd, CPoint{area.left + 3, area.top + 3});
            EXPECT_EQ(fw::testing::CursorOf(control), nullptr);
        }
    });
}

TEST(AboutBox, ClickingALinkOpensItOrCopiesItToTheClipboard) {
    using Calls = std::vector<std::string>;
    struct Case {
        const char* name;
        INT_PTR openResult;
        BOOL canOpenClipboard;
        BOOL canEmptyClipboard;
        bool copied;
        Calls clipboardCalls;  // with "<link>" for the link's text
    };
    const Case cases[] = {
        {"opened", 42, TRUE, TRUE, false, {}},
        {"opened, lowest success", 33, TRUE, TRUE, false, {}},
        {"highest failure", 32, TRUE, TRUE, true, {"open", "empty", "set:<link>", "close"}},
        {"no program for it", 31, TRUE, TRUE, true, {"open", "empty", "set:<link>", "close"}},
        {"clipboard held by another program", 31, FALSE, TRUE, false, {"open"}},
        {"clipboard cannot be emptied", 31, TRUE, FALSE, false, {"open", "empty", "close"}},
    };
    fw::testing::FakeDesktop desktop;
    fw::testing::ScopedDesktop scoped(desktop);
    RunAboutBox([&](CDialog& about, CCoilDialog&) {
        for (const Case& c : cases) {
            for (const Link& link : kLinks) {
                SCOPED_TRACE(std::string(c.name) + ", " + link.text);
                desktop.opened.clear();
                desktop.clipboardCalls.clear();
                desktop.clipboardText = "earlier content";
                desktop.openResult = c.openResult;
                desktop.canOpenClipboard = c.canOpenClipboard;
                desktop.canEmptyClipboard = c.canEmptyClipboard;
                const CRect area = fw::testing::ClientRectOf(Item(about, link.id));
                fw::testing::ClickAt(Item(about, link.id), CPoint{area.Width() - 3, area.Height() / 2});

                EXPECT_EQ(desktop.opened, Calls{link.text});
                Calls expected = c.clipboardCalls;
                for (std::string& call : expected) {
                    if (call == "set:<link>") call = std::string("set:") + link.text;
                }
                EXPECT_EQ(desktop.clipboardCalls, expected);
                EXPECT_EQ(desktop.clipboardText, c.copied ? link.text : "earlier content");
            }
        }
        // The credit line and the title are no links: a click there does nothing.
        desktop.opened.clear();
        desktop.clipboardCalls.clear();
        desktop.openResult = 31;
        desktop.canOpenClipboard = desktop.canEmptyClipboard = TRUE;
        fw::testing::Click(Item(about, IDC_MAKER));
        fw::testing::Click(Title(about));
        EXPECT_TRUE(desktop.opened.empty());
        EXPECT_TRUE(desktop.clipboardCalls.empty());
        EXPECT_TRUE(desktop.boxes.empty());
    });
}

TEST(AboutBox, OpeningItTwoHundredTimesLeavesNoFontOrCursorBehind) {
    const int fonts = fw::LiveFontCount();
    const int cursors = fw::LiveCursorCount();
    RunMainWindow([&](CCoilDialog& main) {
        const int mainFonts = fw::LiveFontCount();
        for (int i = 0; i < 200; ++i) {
            fw::testing::WhenModal([&](CDialog& about) {
                fw::testing::Grab(about.m_hWnd);  // every label paints
                if (i == 0) {
                    EXPECT_EQ(fw::LiveCursorCount(), cursors + 3);
                    EXPECT_EQ(fw::LiveFontCount(), mainFonts + 3);  // the three underlined
                }
                fw::testing::PressKey(Key::Escape);
            });
            main.ShowAbout();
        }
        EXPECT_EQ(fw::LiveFontCount(), mainFonts);
    });
    EXPECT_EQ(fw::LiveFontCount(), fonts);
    EXPECT_EQ(fw::LiveCursorCount(), cursors);
}
