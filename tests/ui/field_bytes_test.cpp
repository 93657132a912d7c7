// What an edit field gives back of the text put into it: the program's texts
// are Windows-1252, the toolkit's are Unicode.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "fw/testing.h"
#include "tests/ui/main_window.h"

using kalvex_test::Item;
using kalvex_test::RunMainWindow;
using kalvex_test::Text;

TEST(FieldBytes, EveryByteButNulComesBackUnchanged) {
    std::string all;
    for (int byte = 1; byte <= 0xFF; ++byte) all += static_cast<char>(byte);
    RunMainWindow([&](CCoilDialog& dialog) {
        dialog.SetDlgItemText(IDC_INDUCTANCE, all.c_str());
        EXPECT_EQ(Text(dialog, IDC_INDUCTANCE), all);
        dialog.EndDialog(IDCANCEL);
    });
}

TEST(FieldBytes, CharactersFromTheDesktopBecomeTheirWindows1252Byte) {
    struct Case {
        const char* name;
        const char* utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {"euro sign", "\xE2\x82\xAC", "\x80"},
        {"micro sign and a grave", "\xC2\xB5\xC3\xA0", "\xB5\xE0"},
        {"a C1 control without a letter in 1252", "\xC2\x81\xC2\x9D", "\x81\x9D"},
        {"a C1 control that 1252 uses for a letter", "\xC2\x80", "?"},
        {"Greek omega", "1\xCE\xA9", "1?"},
        {"outside the basic plane: one character, one ?", "\xF0\x9F\x98\x80x", "?x"},
        {"a combining accent is a character of its own", "a\xCC\x81", "a?"},
        {"malformed UTF-8", "7\xFF", "7?"},
    };
    RunMainWindow([&](CCoilDialog& dialog) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            fw::testing::SetTextUtf8(Item(dialog, IDC_CAPACITANCE), c.utf8);
            EXPECT_EQ(Text(dialog, IDC_CAPACITANCE), c.bytes);
        }
        dialog.EndDialog(IDCANCEL);
    });
}

TEST(FieldBytes, PastedTextCountsUpToItsFirstLineBreakOrNul) {
    using fw::testing::Key;
    using namespace std::string_view_literals;
    struct Case {
        const char* name;
        const char* before;       // set by the program
        Key cursor;               // where the paste goes
        std::string_view pasted;  // UTF-8
        std::string after;
    };
    const Case cases[] = {
        {"a spreadsheet cell", "", Key::End, "30\r\n", "30"},
        {"at the end, the second line dropped", "1.5", Key::End, " uH\nmore", "1.5 uH"},
        {"at the start, the rest of the field kept", "12", Key::Home, "3\n4", "312"},
        {"a line break first: nothing", "8", Key::End, "\r\n7", "8"},
        {"no line break: all of it, tab included", "ab", Key::End, "\tc \xC2\xB5H", "ab\tc \xB5H"},
        {"a NUL ends it", "", Key::End,
         "12\0"
         "34"sv,
         "12"},
        {"a NUL before the line break", "5", Key::Home,
         "6\0"
         "7\r\n8"sv,
         "65"},
        {"a NUL first: nothing", "9", Key::End,
         "\0"
         "1"sv,
         "9"},
    };
    RunMainWindow([&](CCoilDialog& dialog) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            dialog.SetDlgItemText(IDC_FREQUENCY, c.before);
            fw::testing::Click(Item(dialog, IDC_FREQUENCY));
            fw::testing::PressKey(c.cursor);
            fw::testing::PasteUtf8(Item(dialog, IDC_FREQUENCY), c.pasted);
            EXPECT_EQ(Text(dialog, IDC_FREQUENCY), c.after);
        }
        // The program's own text keeps its line break, also once the user types on.
        dialog.SetDlgItemText(IDC_FREQUENCY, "a\r\nb");
        fw::testing::Click(Item(dialog, IDC_FREQUENCY));
        fw::testing::PressKey(Key::End);
        fw::testing::TypeText("c");
        EXPECT_EQ(Text(dialog, IDC_FREQUENCY), "a\r\nbc");
        dialog.EndDialog(IDCANCEL);
    });
}
