// The dialog manager's integer conversion, as the turns field is read.
#include "fw/dialog_int.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

TEST(DialogInt, SignedConversion) {
    struct Row {
        const char* text;
        std::int32_t value;
        BOOL translated;
    };
    const Row rows[] = {
        {"17", 17, TRUE},
        {"-17", -17, TRUE},
        {"  42", 42, TRUE},
        {"0", 0, TRUE},
        {"", 0, FALSE},
        {"abc", 0, FALSE},
        {"-", 0, FALSE},
        {"+17", 0, FALSE},
        {"- 17", 0, FALSE},
        {"17abc", 17, TRUE},  // conversion stops at the first non-digit
        {"17 spire", 17, TRUE},
        {"1.9", 1, TRUE},
        {"2147483647", 2147483647, TRUE},
        {"2147483648", 0, FALSE},
        {"-2147483648", std::numeric_limits<std::int32_t>::min(), TRUE},
        {"-2147483649", 0, FALSE},
        {"99999999999999999999999", 0, FALSE},
        {"0000000000000000000017", 17, TRUE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("text \"") + row.text + "\"");
        BOOL translated = -1;
        EXPECT_EQ(static_cast<std::int32_t>(fw::DialogTextToInt(row.text, &translated, TRUE)), row.value);
        EXPECT_EQ(translated, row.translated);
    }
}

TEST(DialogInt, UnsignedConversionTakesNoSign) {
    EXPECT_EQ(fw::DialogTextToInt("4294967295", nullptr, FALSE), 4294967295u);
    EXPECT_EQ(fw::DialogTextToInt("4294967296", nullptr, FALSE), 0u);
    EXPECT_EQ(fw::DialogTextToInt("-1", nullptr, FALSE), 0u);
}
