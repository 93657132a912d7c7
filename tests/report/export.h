// Saving from the main window in a test: a folder of the test's own, the
// file dialog answered in the user's place, the files real.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "fw/file_dialog.h"
#include "tests/support/temporary_folder.h"
#include "tests/ui/main_window.h"
#include "ui/resource_ids.h"

namespace kalvex_test {

inline std::optional<std::string> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path)) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::string WithCrLf(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}

// The path as the file system spells it (UTF-8), as the file dialog gives it.
inline std::string Spelling(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// Runs File > Save as the menu does, the dialog answering with `path`.
inline void Save(CCoilDialog& dialog, fw::testing::FakeDesktop& desktop, const std::filesystem::path& path) {
    desktop.fileDialogResult = IDOK;
    desktop.fileDialogPath = Spelling(path);
    fw::testing::ChooseMenuItem(dialog.m_hWnd, ID_FILE_SAVE);
}

inline void FillWorkedExample(CCoilDialog& dialog) {
    Choose(dialog, IDC_MIX, 2);
    Choose(dialog, IDC_CORE, 16);  // T-50-2
    fw::testing::ReplaceText(Item(dialog, IDC_TURNS), "30");
    fw::testing::ReplaceText(Item(dialog, IDC_CAPACITANCE), "100");
    for (int button : {IDC_CALC_L, IDC_CALC_F, IDC_CALC_X}) fw::testing::Click(Item(dialog, button));
}

}  // namespace kalvex_test
