// A megabyte of text in every field: each command, the report, saving and
// printing still do exactly what they do with a short text.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "fw/testing.h"
#include "tests/report/recording_printer.h"
#include "tests/support/large_input.h"

namespace fs = std::filesystem;
using kalvex_test::Filling;
using kalvex_test::Item;
using kalvex_test::RunMainWindow;
using kalvex_test::Text;

namespace {

constexpr std::size_t kMegabyte = 1 << 20;

// A short text that reads as the same number as the large one.
std::string ShortEquivalent(Filling filling) {
    switch (filling) {
    case Filling::Digits:
        return std::string(400, '9');  // beyond a double and an int as well
    case Filling::Letters:
        return "2.5";
    case Filling::Outside1252:
        return "7";
    case Filling::Controls:
        return "100";
    }
    return "";
}

// Fills every number field with `utf8` and runs `command`.
void FillAndRun(CCoilDialog& dialog, kalvex_test::Command command, const std::string& utf8) {
    kalvex_test::FillForm(dialog, utf8);
    (dialog.*command)();
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(LargeInput, EveryCommandReadsAMegabyteAsItsLeadingNumber) {
    RunMainWindow([](CCoilDialog& dialog) {
        for (const auto& [filling, name] : kalvex_test::kFillings) {
            const std::string large = kalvex_test::LargeUtf8(filling, kMegabyte);
            const std::string same = ShortEquivalent(filling);
            for (const auto& [commandName, command] : kalvex_test::kCommands) {
                SCOPED_TRACE(std::string(name) + ", " + commandName);
                // The fields that the command writes or clears, and how.
                FillAndRun(dialog, command, same);
                std::vector<std::pair<int, std::string>> results;
                for (int id : kalvex_test::kNumberFields) {
                    if (Text(dialog, id) != same) results.emplace_back(id, Text(dialog, id));
                }
                ASSERT_FALSE(results.empty());
                FillAndRun(dialog, command, large);
                for (const auto& [id, expected] : results) EXPECT_EQ(Text(dialog, id), expected) << "field " << id;
            }
        }
        dialog.EndDialog(IDCANCEL);
    });
}

TEST(LargeInput, AMegabyteInEveryFieldIsReportedSavedAndPrintedWhole) {
    const fs::path folder = fs::temp_directory_path() / ("kalvex-large-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    for (const auto& [filling, name] : kalvex_test::kFillings) {
        SCOPED_TRACE(name);
        kalvex_test::RecordedPrintout printout;
        fw::testing::FakeDesktop desktop;
        desktop.fileDialogResult = IDOK;
        desktop.fileDialogPath = (folder / "large.txt").string();
        desktop.printer = [&] { return new kalvex_test::KeptPrinter({}, &printout); };
        desktop.printerName = "Recorder";
        kalvex_test::PrintFromMainWindow(desktop, printout, [&](CCoilDialog& dialog) {
            kalvex_test::FillForm(dialog, kalvex_test::LargeUtf8(filling, kMegabyte));
            fw::testing::ChooseMenuItem(dialog.m_hWnd, ID_FILE_SAVE);
        });

        // The report holds every field whole, in the program's single-byte
        // text: two bytes of UTF-8 outside Windows-1252 become one '?'.
        const std::string& report = printout.report;
        std::string field = kalvex_test::LargeUtf8(filling, kMegabyte);
        if (filling == Filling::Outside1252) {
            std::replace(field.begin(), field.end(), '\xCE', '?');
            std::erase(field, '\xA9');
        }
        const std::vector<std::string> lines = kalvex_test::Pieces(report);
        ASSERT_GE(lines.size(), 10u);
        const std::size_t coreBytes = lines[2].size() - 29;  // "T-xxx-0  "
        EXPECT_EQ(report.size(), 270 + coreBytes + 6 * field.size());
        EXPECT_NE(report.find(field), std::string::npos);
        EXPECT_EQ(report.back(), '\n');

        // Saved with CR LF line ends, and printed line by line.
        std::string withCrLf;
        for (char c : report) {
            if (c == '\n') withCrLf += '\r';
            withCrLf += c;
        }
        EXPECT_EQ(ReadFile(folder / "large.txt"), withCrLf);
        std::vector<std::string> printed;
        for (const fw::DeviceCall& call : printout.calls) {
            if (call.op == fw::DeviceCall::Op::TextOut) printed.push_back(call.text);
        }
        EXPECT_EQ(printed, lines);
        ASSERT_EQ(printout.boxes.size(), 2u);  // saved, printed
    }
    fs::remove_all(folder);
}
