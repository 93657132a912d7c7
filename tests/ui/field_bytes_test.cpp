// What an edit field gives back of the text put into it: the program's texts
// are Windows-1252, the toolkit's are Unicode.
#include <gtest/gtest.h>

#include <string>

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
