// Printing through the toolkit's own printer, writing a PDF file: the page as
// a reader of the file sees it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/report/printing.h"

namespace {

struct Word {
    double x;
    std::string text;
};

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + "kalvex-" + std::to_string(getpid()) + "-" + name;
}

// The words of each page's lines, top to bottom, from poppler's pdftotext.
std::vector<std::vector<std::vector<Word>>> PagesOf(const std::string& pdf) {
    const std::string html = TempPath("words.html");
    const std::string command = "pdftotext -bbox '" + pdf + "' '" + html + "'";
    if (std::system(command.c_str()) != 0) return {};
    std::stringstream content;
    content << std::ifstream(html).rdbuf();
    std::filesystem::remove(html);

    static const std::regex tag(
        R"rx(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="[0-9.]+" yMax="([0-9.]+)">([^<]*)</word>)rx");
    std::vector<std::map<long, std::vector<Word>>> pages;
    const std::string text = content.str();
    for (std::sregex_iterator it(text.begin(), text.end(), tag), end; it != end; ++it) {
        const std::smatch& m = *it;
        if (!m[1].matched) {
            pages.emplace_back();
            continue;
        }
        const long middle = std::lround((std::stod(m[2]) + std::stod(m[3])) / 2);
        pages.back()[middle].push_back({std::stod(m[1]), m[4]});
    }
    std::vector<std::vector<std::vector<Word>>> result;
    for (const auto& lines : pages) {
        result.emplace_back();
        for (const auto& [y, words] : lines) result.back().push_back(words);
    }
    return result;
}

// A report line as the reader extracts it: UTF-8 words between blanks.
std::vector<std::string> WordsOf(const std::string& line) {
    std::string utf8;
    for (unsigned char c : line) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else {  // the report's two accented letters have these code points
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    std::vector<std::string> words;
    std::istringstream in(utf8);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

void FillForm(CCoilDialog& dialog) {
    dialog.SetDlgItemText(IDC_TURNS, "30");
    dialog.SetDlgItemText(IDC_INDUCTANCE, "4.410");
    dialog.SetDlgItemText(IDC_CAPACITANCE, "100");
    dialog.SetDlgItemText(IDC_FREQUENCY, "7.579");
    dialog.SetDlgItemText(IDC_XL, "210.005");
    dialog.SetDlgItemText(IDC_XC, "209.995");
}

// Prints the filled form from the main window on a PDF printer named "PDF"
// that writes `pdf`.
kalvex_test::Printout PrintToPdf(const std::string& pdf) {
    fw::testing::FakeDesktop desktop;
    desktop.printer = [&] { return fw::testing::PdfPrinter(pdf); };
    desktop.printerName = "PDF";
    kalvex_test::Printout out;
    kalvex_test::PrintFromMainWindow(desktop, out, FillForm);
    return out;
}

}  // namespace

TEST(PrintingToPdf, ThePageShowsTheReportInTwelvePointFixedPitch) {
    const std::string pdf = TempPath("report.pdf");
    const kalvex_test::Printout out = PrintToPdf(pdf);
    ASSERT_EQ(out.boxes.size(), 1u);
    EXPECT_EQ(out.boxes[0].text, "Stampato su\n\nPDF");

    const auto pages = PagesOf(pdf);
    std::filesystem::remove(pdf);
    ASSERT_EQ(pages.size(), 1u);
    std::vector<std::vector<std::string>> expected;
    for (const std::string& piece : kalvex_test::Pieces(out.report)) {
        if (!piece.empty()) expected.push_back(WordsOf(piece));
    }
    ASSERT_EQ(pages[0].size(), expected.size());
    // Half an inch is 36 points; a 12-point fixed-pitch character is 7.2
    // points wide, so the values, after 29 characters, start 208.8 further in.
    for (std::size_t line = 0; line < expected.size(); ++line) {
        SCOPED_TRACE(line);
        const std::vector<Word>& words = pages[0][line];
        std::vector<std::string> texts;
        for (const Word& word : words) texts.push_back(word.text);
        EXPECT_EQ(texts, expected[line]);
        EXPECT_NEAR(words.front().x, 36.0, 0.2);
        if (line > 0) {
            EXPECT_NEAR(words.back().x, 36.0 + 29 * 7.2, 0.2);
        }
    }
}

TEST(PrintingToPdf, APrinterThatCannotBeginIsReportedInsteadOfConfirmed) {
    const std::string pdf = "/nonexistent-kalvex-folder/report.pdf";
    ASSERT_FALSE(std::filesystem::exists(std::filesystem::path(pdf).parent_path()));
    const kalvex_test::Printout out = PrintToPdf(pdf);
    ASSERT_EQ(out.boxes.size(), 1u);
    EXPECT_EQ(out.boxes[0].text, "Impossibile stampare su\n\nPDF");
    EXPECT_EQ(out.boxes[0].type, MB_ICONSTOP);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}
