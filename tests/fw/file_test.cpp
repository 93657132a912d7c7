// File names: the spelling that a chosen name carries, and the conversions
// between the program's characters and the file system's.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "fw/cstring.h"
#include "fw/internal.h"

TEST(FileNames, NativeSpellingTravelsWithCopiesOnly) {
    const CString chosen = fw::detail::WithNativeSpelling("/tmp/?.txt", "/tmp/\xCE\xB1.txt");
    struct Case {
        const char* name;
        CString (*change)(CString);
        bool keeps;
    };
    const Case cases[] = {
        {"copy", [](CString s) { return s; }, true},
        {"replace finding nothing", [](CString s) { return s.Replace("#", "y"), s; }, true},
        {"replace", [](CString s) { return s.Replace("?", "a"), s; }, false},
        {"append", [](CString s) { return s += ".bak", s; }, false},
        {"operator +", [](CString s) { return s + ""; }, false},
        {"assign other text", [](CString s) { return s = "/tmp/?.txt", s; }, false},
        {"empty", [](CString s) { return s.Empty(), s; }, false},
        {"part", [](CString s) { return s.Mid(0); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CString changed = c.change(chosen);
        const std::string* spelling = fw::detail::NativeSpelling(changed);
        if (c.keeps) {
            ASSERT_NE(spelling, nullptr);
            EXPECT_EQ(*spelling, "/tmp/\xCE\xB1.txt");
        } else {
            EXPECT_EQ(spelling, nullptr);
        }
    }
    EXPECT_EQ(fw::detail::NativeSpelling(CString("/tmp/a.txt")), nullptr);
}

TEST(FileNames, ConvertBetweenTheCodePageAndUtf8) {
    struct Case {
        const char* name;
        std::string program;  // Windows-1252
        std::string native;   // UTF-8
    };
    const Case cases[] = {
        {"ASCII", "/tmp/Kalvex.TXT", "/tmp/Kalvex.TXT"},
        {"Latin-1", "\xB5H \xE0", "\xC2\xB5H \xC3\xA0"},
        {"the euro sign and the quotes above 0x7F", "\x80\x93\x94\x9F", "\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D\xC5\xB8"},
        {"bytes without a character", "\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fw::detail::NativeFileName(c.program), c.native);
        EXPECT_EQ(fw::detail::FromNativeFileName(c.native), c.program);
    }

    // Characters without a byte, one '?' each; bytes that are not UTF-8 too.
    const std::pair<std::string, std::string> shown[] = {
        {"\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1.txt", "??????.txt"},  // Greek
        {"\xD0\x94\xD0\xBE\xD0\xBA", "???"},                                      // Cyrillic
        {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", "???"},                          // CJK
        {"rep\xF0\x9F\x98\x80.txt", "rep?.txt"},                                   // emoji
        {"a\xFF" "b\xC3", "a?b?"},
        {"\xC0\xAF\xED\xA0\x80", "?????"},  // an overlong '/', a surrogate
    };
    for (const auto& [native, program] : shown) EXPECT_EQ(fw::detail::FromNativeFileName(native), program);
}
