// On a desktop in another language the toolkit's own texts (the save
// dialog, the edit fields' menu) follow it, while the program's texts and
// the framework's file-error box stay as they are. Runs with the real
// desktop: the toolkit's dialogs and message boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/ui/main_window.h"
#include "ui/resource_ids.h"

using kalvex_test::Item;
using kalvex_test::RunMainWindow;
using kalvex_test::Text;

namespace {

bool Holds(const std::vector<std::string>& texts, const std::string& wanted) {
    return std::find(texts.begin(), texts.end(), wanted) != texts.end();
}

}  // namespace

TEST(DesktopLanguage, ToolkitTextsFollowTheLocaleAndTheFrameworksStay) {
    struct Case {
        const char* locale;
        const char* saveButton;
        const char* copyAction;
    };
    const Case cases[] = {
        {"C", "&Save", "&Copy"},
        {"it_IT.UTF-8", "&Salva", "&Copia"},
        {"C", "&Save", "&Copy"},  // and back: the earlier language is dropped
    };
    const std::string missing = (std::filesystem::temp_directory_path() / "kalvex-no-such-folder" / "report").string();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        fw::testing::ScopedLocale locale(c.locale);
        ASSERT_TRUE(locale.Active()) << c.locale << " is not generated";
        std::vector<std::string> dialogTexts;
        fw::testing::ShownMessageBox box;
        RunMainWindow([&](CCoilDialog& dialog) {
            EXPECT_TRUE(Holds(fw::testing::EditMenuTexts(Item(dialog, IDC_TURNS)), c.copyAction));

            fw::testing::WhenFileDialog([&](fw::testing::FileDialogControl& files) {
                dialogTexts = files.Texts();
                files.Accept(missing);
            });
            fw::testing::AnswerNextMessageBox(&box);
            fw::testing::ChooseMenuItem(dialog.m_hWnd, ID_FILE_SAVE);
            EXPECT_EQ(Text(dialog, IDC_CALC_L), "Calcola Induttanza");
        });
        EXPECT_TRUE(Holds(dialogTexts, c.saveButton)) << ::testing::PrintToString(dialogTexts);
        ASSERT_TRUE(box.shown);
        EXPECT_EQ(box.text, missing + ".TXT contains an invalid path.");
        EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
    }
}
