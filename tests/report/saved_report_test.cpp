// The report file, byte for byte: the form filled through the window and
// saved through the file code of the desktop the program runs on. Both
// programs, on Linux and on Windows, must write exactly these bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/temporary_folder.h"
#include "tests/ui/main_window.h"
#include "ui/resource_ids.h"

namespace fs = std::filesystem;

namespace {

// The worked example: T-50-2 of mix 2, 30 turns, 100 pF, then the
// inductance, the frequency and the reactances calculated.
const std::string kWorkedExample =
    "DIMENSIONAMENTO AVVOLGIMENTI SU TOROIDI AMIDON IRON-POWDER\r\n"
    "\r\n"
    "Toroide ............       : T-50-2   \r\n"
    "Numero spire .......       : 30\r\n"
    "Induttanza .........  [\xB5H] : 4.410\r\n"
    "Capacit\xE0 ...........  [pF] : 100\r\n"
    "Frequenza  ......... [MHz] : 7.579\r\n"
    "Reattanza induttiva  [Ohm] : 210.005\r\n"
    "Reattanza capacitiva [Ohm] : 209.995\r\n";

// No core selected, every field empty.
const std::string kEmpty =
    "DIMENSIONAMENTO AVVOLGIMENTI SU TOROIDI AMIDON IRON-POWDER\r\n"
    "\r\n"
    "Toroide ............       : \r\n"
    "Numero spire .......       : \r\n"
    "Induttanza .........  [\xB5H] : \r\n"
    "Capacit\xE0 ...........  [pF] : \r\n"
    "Frequenza  ......... [MHz] : \r\n"
    "Reattanza induttiva  [Ohm] : \r\n"
    "Reattanza capacitiva [Ohm] : \r\n";

void FillWorkedExample(CCoilDialog& dialog) {
    kalvex_test::Choose(dialog, IDC_MIX, 2);
    kalvex_test::Choose(dialog, IDC_CORE, 16);  // T-50-2
    fw::testing::ReplaceText(kalvex_test::Item(dialog, IDC_TURNS), "30");
    fw::testing::ReplaceText(kalvex_test::Item(dialog, IDC_CAPACITANCE), "100");
    for (int button : {IDC_CALC_L, IDC_CALC_F, IDC_CALC_X}) fw::testing::Click(kalvex_test::Item(dialog, button));
}

void EmptyForm(CCoilDialog& dialog) { static_cast<CComboBox*>(dialog.GetDlgItem(IDC_CORE))->SetCurSel(-1); }

std::optional<std::string> Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(SavedReport, IsWrittenByteForByte) {
    struct Case {
        const char* name;
        std::function<void(CCoilDialog&)> fill;
        const char* previous;  // an existing file's content, or nullptr
        const std::string* expected;
        std::size_t bytes;
    };
    const Case cases[] = {
        {"the worked example", FillWorkedExample, nullptr, &kWorkedExample, 317},
        {"every field empty", EmptyForm, nullptr, &kEmpty, 279},
        {"the worked example over a longer file", FillWorkedExample,
         "an older, longer report\n"
         "0123456789\n"
         "0123456789012345678901234567890123456789"
         "0123456789012345678901234567890123456789"
         "0123456789012345678901234567890123456789"
         "0123456789012345678901234567890123456789"
         "0123456789012345678901234567890123456789"
         "0123456789012345678901234567890123456789"
         "0123456789012345678901234567890123456789"
         "0123456789012345678901234567890123456789",
         &kWorkedExample, 317},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const kalvex_test::TemporaryFolder folder;
        const fs::path path = folder / "Kalvex.TXT";
        if (c.previous != nullptr) std::ofstream(path, std::ios::binary) << c.previous;

        fw::testing::FakeDesktop desktop;
        fw::testing::ScopedDesktop scoped(desktop);
        kalvex_test::RunMainWindow([&](CCoilDialog& dialog) {
            c.fill(dialog);
            desktop.fileDialogResult = IDOK;
            const std::u8string spelling = path.u8string();
            desktop.fileDialogPath.assign(spelling.begin(), spelling.end());
            fw::testing::ChooseMenuItem(dialog.m_hWnd, ID_FILE_SAVE);
        });

        EXPECT_EQ(c.expected->size(), c.bytes);
        EXPECT_EQ(Read(path), *c.expected);
        ASSERT_EQ(desktop.boxes.size(), 1u);
        EXPECT_EQ(desktop.boxes[0].text, "Salvato in\n\n" + path.string());
        EXPECT_EQ(desktop.boxes[0].type, MB_ICONINFORMATION);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"Kalvex.TXT"});
    }
}
