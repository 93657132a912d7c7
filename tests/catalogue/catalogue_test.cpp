#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

using catalogue::CoreEntry;
using catalogue::MixEntry;

namespace {

std::vector<const MixEntry*> WalkMixes() {
    std::vector<const MixEntry*> mixes;
    for (const MixEntry* mix = catalogue::Mixes(); !mix->IsEnd(); ++mix) mixes.push_back(mix);
    return mixes;
}

std::vector<const CoreEntry*> WalkCores(int mixRow) {
    std::vector<const CoreEntry*> cores;
    for (const CoreEntry* core = catalogue::CoresOf(mixRow); !core->IsEnd(); ++core) cores.push_back(core);
    return cores;
}

std::string_view Trimmed(std::string_view text) { return text.substr(0, text.find_last_not_of(' ') + 1); }

}  // namespace

TEST(Catalogue, MixTableHoldsElevenMixesInOrder) {
    const std::vector<std::string_view> labels = {"T-xxx-0 ", "T-xxx-1 ", "T-xxx-2 ", "T-xxx-3 ",
                                                  "T-xxx-6 ", "T-xxx-7 ", "T-xxx-10", "T-xxx-12",
                                                  "T-xxx-15", "T-xxx-17", "T-xxx-26"};
    const auto mixes = WalkMixes();
    ASSERT_EQ(mixes.size(), labels.size());
    for (std::size_t row = 0; row < labels.size(); ++row) {
        EXPECT_EQ(mixes[row]->label.View(), labels[row]) << "row " << row;
    }
    // The terminator is all zero.
    const MixEntry& end = catalogue::Mixes()[11];
    EXPECT_EQ(end.permeability, 0);
    EXPECT_EQ(end.fmin, 0.0f);
    EXPECT_EQ(end.fmax, 0.0f);
}

TEST(Catalogue, CoreListsHoldTheirCoresInStoredOrder) {
    struct Row {
        const char* name;
        int mixRow;
        std::size_t count;
        std::string_view first;
        std::string_view last;
    };
    const Row rows[] = {
        {"mix 0", 0, 13, "T-130-0  ", "T-12-0   "},
        {"mix 1", 1, 16, "T-200-1  ", "T-12-1   "},
        {"mix 2", 2, 24, "T-520-2  ", "T-12-2   "},
        {"mix 3", 3, 17, "T-225-3  ", "T-16-3   "},
        {"mix 6", 4, 19, "T-225A-6 ", "T-12-6   "},
        {"mix 7", 5, 4, "T-68-7   ", "T-25-7   "},
        {"mix 10", 6, 11, "T-94-10  ", "T-12-10  "},
        {"mix 12", 7, 11, "T-94-12  ", "T-12-12  "},
        {"mix 15", 8, 14, "T-157-15 ", "T-12-15  "},
        {"mix 17 runs upwards", 9, 11, "T-12-17  ", "T-94-17  "},
        {"mix 26 runs upwards", 10, 20, "T-30-26  ", "T-520-26 "},
    };
    std::size_t total = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto cores = WalkCores(row.mixRow);
        ASSERT_EQ(cores.size(), row.count);
        EXPECT_EQ(cores.front()->partNumber.View(), row.first);
        EXPECT_EQ(cores.back()->partNumber.View(), row.last);
        total += cores.size();
    }
    EXPECT_EQ(total, 160u);
}

TEST(Catalogue, EveryCoreBelongsToItsMixAndSharesItsSizesDimensions) {
    std::map<std::string, const CoreEntry*> bySize;
    const auto mixes = WalkMixes();
    for (int mixRow = 0; mixRow < static_cast<int>(mixes.size()); ++mixRow) {
        const std::string_view label = Trimmed(mixes[mixRow]->label.View());
        const std::string_view mixNumber = label.substr(label.rfind('-') + 1);
        for (const CoreEntry* core : WalkCores(mixRow)) {
            const std::string_view part = Trimmed(core->partNumber.View());
            SCOPED_TRACE(std::string(part));
            EXPECT_EQ(part.substr(part.rfind('-') + 1), mixNumber);
            EXPECT_GT(core->al, 0.0f);
            const std::string size(part.substr(0, part.rfind('-')));
            const auto [known, inserted] = bySize.emplace(size, core);
            if (inserted || part == "T-225A-6") continue;
            EXPECT_EQ(core->outerDiameter, known->second->outerDiameter);
            EXPECT_EQ(core->height, known->second->height);
            if (Trimmed(known->second->partNumber.View()) != "T-225A-6") {
                EXPECT_EQ(core->innerDiameter, known->second->innerDiameter);
            }
        }
    }
    EXPECT_EQ(bySize.size(), 24u);
}

TEST(Catalogue, LookupsByRow) {
    struct Row {
        const char* name;
        int mixRow;
        int coreRow;
        const char* part;  // nullptr: no such core
        float al;
    };
    const Row rows[] = {
        {"T-50-2 keeps its padding", 2, 16, "T-50-2   ", 49.0f},
        {"widest part number", 10, 18, "T-400A-26", 2600.0f},
        {"last core of mix 7", 5, 3, "T-25-7   ", 29.0f},
        {"past the end of mix 7", 5, 4, nullptr, 0},
        {"shared AL, first", 1, 6, "T-80-1   ", 115.0f},
        {"shared AL, second", 1, 7, "T-68-1   ", 115.0f},
        {"shared AL in mix 2, first", 2, 6, "T-225-2  ", 120.0f},
        {"shared AL in mix 2, second", 2, 8, "T-200-2  ", 120.0f},
        {"negative core row", 0, -1, nullptr, 0},
        {"negative mix row", -1, 0, nullptr, 0},
        {"mix row past the table", 11, 0, nullptr, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CoreEntry* core = catalogue::FindCore(row.mixRow, row.coreRow);
        if (row.part == nullptr) {
            EXPECT_EQ(core, nullptr);
            continue;
        }
        ASSERT_NE(core, nullptr);
        EXPECT_EQ(core->partNumber.View(), row.part);
        EXPECT_EQ(core->al, row.al);
    }
}

TEST(Catalogue, NumbersAreSinglePrecisionWidenedWhenRead) {
    const CoreEntry* t94 = catalogue::FindCore(0, 2);
    ASSERT_NE(t94, nullptr);
    EXPECT_EQ(t94->Al(), 10.600000381469727);
    EXPECT_NE(t94->Al(), 10.6);
    EXPECT_EQ(catalogue::Mixes()[3].FrequencyMin(), 0.05000000074505806);
    // T-225A-6 is the one T-225A core with a 1.4 inch hole.
    EXPECT_EQ(catalogue::FindCore(4, 0)->innerDiameter, 1.4f);
    EXPECT_EQ(catalogue::FindCore(2, 5)->innerDiameter, 1.485f);
}

TEST(Catalogue, ColourPairs) {
    struct Row {
        const char* name;
        int mixRow;
        catalogue::Colour first;
        catalogue::Colour second;
    };
    const Row rows[] = {
        {"mix 0 brown", 0, 0x000080, 0x000080},
        {"mix 3 two greys", 3, 0x606060, 0x646464},
        {"mix 10 black", 6, 0x000000, 0x000000},
        {"mix 12 green and white", 7, 0x008000, 0xFFFFFF},
        {"mix 17 blue and yellow", 9, 0xFF0000, 0x00FFFF},
        {"mix 26 yellow and white", 10, 0x00FFFF, 0xFFFFFF},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto pair = catalogue::MixColours(row.mixRow);
        ASSERT_TRUE(pair.has_value());
        EXPECT_EQ(pair->first, row.first);
        EXPECT_EQ(pair->second, row.second);
    }
    EXPECT_FALSE(catalogue::MixColours(-1).has_value());
    EXPECT_FALSE(catalogue::MixColours(11).has_value());
}
