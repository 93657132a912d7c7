#include "calc/mix_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

TEST(MixText, EveryRowAsTheListShowsItAndAsItIsSpoken) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"T-xxx-0 ; marrone;       ; (100.00 - 300.0 MHz)", "T-xxx-0 marrone (100.00 - 300.0 MHz)"},
        {"T-xxx-1 ; blu    ;       ; (  0.50 -   5.0 MHz)", "T-xxx-1 blu (0.50 - 5.0 MHz)"},
        {"T-xxx-2 ; rosso  ;       ; (  2.00 -  30.0 MHz)", "T-xxx-2 rosso (2.00 - 30.0 MHz)"},
        {"T-xxx-3 ; grigio ;       ; (  0.05 -   0.5 MHz)", "T-xxx-3 grigio (0.05 - 0.5 MHz)"},
        {"T-xxx-6 ; giallo ;       ; ( 10.00 -  50.0 MHz)", "T-xxx-6 giallo (10.00 - 50.0 MHz)"},
        {"T-xxx-7 ; bianco ;       ; (  3.00 -  35.0 MHz)", "T-xxx-7 bianco (3.00 - 35.0 MHz)"},
        {"T-xxx-10; nero   ;       ; ( 30.00 - 100.0 MHz)", "T-xxx-10 nero (30.00 - 100.0 MHz)"},
        {"T-xxx-12; verde  ;bianco ; ( 50.00 - 200.0 MHz)", "T-xxx-12 verde bianco (50.00 - 200.0 MHz)"},
        {"T-xxx-15; rosso  ;bianco ; (  0.10 -   2.0 MHz)", "T-xxx-15 rosso bianco (0.10 - 2.0 MHz)"},
        {"T-xxx-17; blu    ;giallo ; ( 50.00 - 200.0 MHz)", "T-xxx-17 blu giallo (50.00 - 200.0 MHz)"},
        {"T-xxx-26; giallo ;bianco ; (    DC -   1.0 MHz)", "T-xxx-26 giallo bianco (DC - 1.0 MHz)"},
    };
    std::size_t row = 0;
    for (const catalogue::MixEntry* mix = catalogue::Mixes(); !mix->IsEnd(); ++mix, ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        ASSERT_LT(row, expected.size());
        EXPECT_EQ(calc::MixRowText(*mix), expected[row].first);
        EXPECT_EQ(calc::MixRowText(*mix).size(), 47u);
        EXPECT_EQ(calc::SpokenMixRow(expected[row].first), expected[row].second);
    }
    EXPECT_EQ(row, expected.size());
}

// Rows that are not the catalogue's are spoken as the list paints them.
TEST(MixText, OnlyWhatIsPaintedIsSpoken) {
    EXPECT_EQ(calc::SpokenMixRow("a;b;c;d;after the fourth"), "a b c d");
    EXPECT_EQ(calc::SpokenMixRow(";;;"), "");
    EXPECT_EQ(calc::SpokenMixRow("  T-1 ;;; ( x )  "), "T-1 (x)");
}

TEST(MixText, OnlyAZeroLowerLimitBecomesDC) {
    // 100.00 and 10.00 hold "0.00" but not " 0.00".
    catalogue::MixEntry mix = catalogue::Mixes()[0];
    mix.fmin = 0.0f;
    mix.fmax = 0.0f;
    EXPECT_EQ(calc::MixRowText(mix), "T-xxx-0 ; marrone;       ; (    DC -   0.0 MHz)");
    mix.fmin = 1000.0f;
    EXPECT_EQ(calc::MixRowText(mix), "T-xxx-0 ; marrone;       ; (1000.00 -   0.0 MHz)");
}
