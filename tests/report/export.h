// Saving from the main window in a test: a folder of the test's own, the
// file dialog answered in the user's place, the files real.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "fw/file_dialog.h"
#include "tests/ui/main_window.h"
#include "ui/resource_ids.h"

namespace kalvex_test {

// A folder of its own in the temporary folder, removed with what it holds.
class ExportFolder {
public:
    ExportFolder() {
        std::mt19937 random{std::random_device{}()};
        m_path = std::filesystem::temp_directory_path() / ("kalvex-export-" + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~ExportFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ExportFolder(const ExportFolder&) = delete;
    ExportFolder& operator=(const ExportFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path m_path;
};

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
