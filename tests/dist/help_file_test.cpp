// The help file's tables of mixes, core sizes and AL values must say what the
// catalogue holds: a user winds by them.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

using catalogue::CoreEntry;
using catalogue::MixEntry;

namespace {

using Row = std::vector<std::string>;

std::string ReadHelp() {
    std::ifstream in(KALVEX_HELP_FILE, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The cells of every table row of the given class, in the order of the file.
std::vector<Row> Rows(const std::string& html, const std::string& rowClass) {
    std::vector<Row> rows;
    const std::regex row("<tr class=\"" + rowClass + "\">(.*?)</tr>");
    const std::regex cell("<td>(.*?)</td>");
    for (auto r = std::sregex_iterator(html.begin(), html.end(), row); r != std::sregex_iterator(); ++r) {
        const std::string inner = (*r)[1];
        Row cells;
        for (auto c = std::sregex_iterator(inner.begin(), inner.end(), cell); c != std::sregex_iterator(); ++c) {
            cells.push_back((*c)[1]);
        }
        rows.push_back(cells);
    }
    return rows;
}

std::string Trimmed(std::string_view text) { return std::string(text.substr(0, text.find_last_not_of(' ') + 1)); }

// A catalogue number as the help writes it: the shortest text that reads
// back as the same single-precision value ("0.05", "18.5", "300").
std::string Shortest(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// The numbers written in a cell ("1.485 (1.4 per T-225A-6)" holds 1.485 and 1.4;
// the part number's digits are not counted).
std::vector<std::string> Numbers(const std::string& cell) {
    std::vector<std::string> numbers;
    const std::regex number("(^|[ (])([0-9]+(\\.[0-9]+)?)(?=$|[ )])");
    for (auto n = std::sregex_iterator(cell.begin(), cell.end(), number); n != std::sregex_iterator(); ++n) {
        numbers.push_back((*n)[2]);
    }
    return numbers;
}

bool Holds(const std::string& cell, float value) {
    for (const std::string& number : Numbers(cell)) {
        if (number == Shortest(value)) return true;
    }
    return false;
}

std::string MixNumber(const MixEntry& mix) { return Trimmed(mix.label.View().substr(6)); }

// "T-225A-6" is size "T-225A" of mix "6".
std::pair<std::string, std::string> SizeAndMix(const CoreEntry& core) {
    const std::string part = Trimmed(core.partNumber.View());
    const auto dash = part.rfind('-');
    return {part.substr(0, dash), part.substr(dash + 1)};
}

class HelpFile : public ::testing::Test {
protected:
    void SetUp() override {
        html = ReadHelp();
        ASSERT_FALSE(html.empty()) << "cannot read " << KALVEX_HELP_FILE;
    }
    std::string html;
};

TEST_F(HelpFile, ListsEveryMixWithItsColoursPermeabilityAndFrequencyRange) {
    const std::vector<Row> rows = Rows(html, "mix");
    std::size_t index = 0;
    for (const MixEntry* mix = catalogue::Mixes(); !mix->IsEnd(); ++mix, ++index) {
        ASSERT_LT(index, rows.size()) << "the help lists fewer mixes than the catalogue";
        const Row& row = rows[index];
        ASSERT_EQ(row.size(), 6u) << "row of mix " << MixNumber(*mix);
        SCOPED_TRACE("mix " + MixNumber(*mix));
        EXPECT_EQ(row[0], MixNumber(*mix));
        EXPECT_EQ(row[1], Trimmed(mix->firstColour.View()));
        EXPECT_EQ(row[2], Trimmed(mix->secondColour.View()));
        EXPECT_EQ(row[3], std::to_string(mix->permeability));
        // The program shows a range starting at 0 as "DC"; so does the help.
        EXPECT_EQ(row[4], mix->fmin == 0.0f ? "DC" : Shortest(mix->fmin));
        EXPECT_EQ(row[5], Shortest(mix->fmax));
    }
    EXPECT_EQ(rows.size(), index) << "the help lists more mixes than the catalogue";
}

TEST_F(HelpFile, GivesTheDimensionsOfEveryCoreInInchesAndMillimetres) {
    std::map<std::string, Row> sizes;
    for (const Row& row : Rows(html, "size")) {
        ASSERT_EQ(row.size(), 7u);
        sizes[row[0]] = row;
    }
    for (int mixRow = 0; catalogue::CoresOf(mixRow) != nullptr; ++mixRow) {
        for (const CoreEntry* core = catalogue::CoresOf(mixRow); !core->IsEnd(); ++core) {
            const std::string size = SizeAndMix(*core).first;
            SCOPED_TRACE(Trimmed(core->partNumber.View()));
            ASSERT_TRUE(sizes.contains(size)) << "size " << size << " is missing";
            const Row& row = sizes[size];
            EXPECT_TRUE(Holds(row[1], core->outerDiameter)) << row[1];
            EXPECT_TRUE(Holds(row[2], core->innerDiameter)) << row[2];
            EXPECT_TRUE(Holds(row[3], core->height)) << row[3];
        }
    }
    // Every millimetre figure is its inch figure converted, to a tenth.
    for (const auto& [size, row] : sizes) {
        for (int column = 1; column <= 3; ++column) {
            const std::vector<std::string> inches = Numbers(row[column]);
            const std::vector<std::string> millimetres = Numbers(row[column + 3]);
            ASSERT_EQ(inches.size(), millimetres.size()) << size << " column " << column;
            for (std::size_t i = 0; i < inches.size(); ++i) {
                EXPECT_NEAR(std::stod(inches[i]) * 25.4, std::stod(millimetres[i]), 0.051)
                    << size << ": " << inches[i] << " in is not " << millimetres[i] << " mm";
            }
        }
    }
}

TEST_F(HelpFile, GivesTheAlOfEveryCoreAndOfNoOther) {
    // The header names the mixes of the columns.
    const std::regex header("<tr><th>misura</th>((<th>[0-9]+</th>)+)</tr>");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(html, match, header)) << "no AL table header";
    std::vector<std::string> columns;
    const std::string headings = match[1];
    const std::regex heading("<th>([0-9]+)</th>");
    for (auto h = std::sregex_iterator(headings.begin(), headings.end(), heading); h != std::sregex_iterator(); ++h) {
        columns.push_back((*h)[1]);
    }

    std::map<std::pair<std::string, std::string>, std::string> cells;
    for (const Row& row : Rows(html, "al")) {
        ASSERT_EQ(row.size(), columns.size() + 1) << row[0];
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (!row[c + 1].empty()) cells[{row[0], columns[c]}] = row[c + 1];
        }
    }

    std::size_t cores = 0;
    for (int mixRow = 0; catalogue::CoresOf(mixRow) != nullptr; ++mixRow) {
        for (const CoreEntry* core = catalogue::CoresOf(mixRow); !core->IsEnd(); ++core, ++cores) {
            const auto key = SizeAndMix(*core);
            SCOPED_TRACE(Trimmed(core->partNumber.View()));
            ASSERT_TRUE(cells.contains(key)) << "no AL given";
            EXPECT_EQ(cells[key], Shortest(core->al));
        }
    }
    EXPECT_EQ(cells.size(), cores) << "the help gives AL values for cores the catalogue does not hold";
}

}  // namespace
