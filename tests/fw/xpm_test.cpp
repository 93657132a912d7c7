// Pictures decoded from XPM text, as the Windows backend makes icons and
// cursors and the build makes the program's icon file.
#include "fw/xpm.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "ui/images.h"

namespace {

// An XPM array from its lines.
struct Xpm {
    explicit Xpm(std::initializer_list<const char*> lines) : lines(lines) { this->lines.push_back(nullptr); }
    const char* const* data() const { return lines.data(); }
    std::vector<const char*> lines;
};

TEST(Xpm, ProgramPictures) {
    struct Row {
        const char* name;
        const char* const* xpm;
        std::size_t colours;
        // Pixels checked: (x, y) and the colour there.
        std::vector<std::tuple<int, int, fw::Argb>> pixels;
    };
    const Row rows[] = {
        {"toroid",
         kToroidIcon,
         9,
         {{0, 0, fw::kTransparent},
          {12, 1, 0xFF000000},
          {12, 2, 0xFFD8D8D8},
          {16, 16, fw::kTransparent},
          {10, 3, 0xFFFFFFFF},
          {31, 31, fw::kTransparent}}},
        {"emblem", kEmblemIcon, 6, {{0, 0, fw::kTransparent}, {14, 0, 0xFF102070}}},
        {"hand", kHandCursor, 2, {{5, 0, 0xFF000000}, {4, 0, fw::kTransparent}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::optional<fw::Picture> picture = fw::DecodeXpm(row.xpm);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->width, 32);
        EXPECT_EQ(picture->height, 32);
        EXPECT_EQ(picture->pixels.size(), 32u * 32u);
        EXPECT_EQ(picture->palette.size(), row.colours);
        for (const auto& [x, y, colour] : row.pixels) {
            EXPECT_EQ(picture->At(x, y), colour) << "at " << x << "," << y;
        }
    }
}

TEST(Xpm, Colours) {
    struct Row {
        const char* line;
        fw::Argb colour;
    };
    const Row rows[] = {
        {"x c #102070", 0xFF102070},
        {"x c #abc", 0xFFAABBCC},
        {"x c #FFFF00008000", 0xFFFF0080},
        {"x c none", fw::kTransparent},
        {"x c None", fw::kTransparent},
        {"x c Black", 0xFF000000},
        {"x c white", 0xFFFFFFFF},
        {"x s hot c #010203", 0xFF010203},
        {"x m white c #040506 g #FFFFFF", 0xFF040506},
        {"x m #070809", 0xFF070809},  // no "c": the other key's colour
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const Xpm xpm{"1 1 1 1", row.line, "x"};
        const std::optional<fw::Picture> picture = fw::DecodeXpm(xpm.data());
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->At(0, 0), row.colour);
    }
}

TEST(Xpm, TwoCharactersPerPixel) {
    const Xpm xpm{"3 2 3 2", "a. c #FF0000", ".a c #00FF00", ".. c None", "a..aa.", "......"};
    const std::optional<fw::Picture> picture = fw::DecodeXpm(xpm.data());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixels, (std::vector<fw::Argb>{0xFFFF0000, 0xFF00FF00, 0xFFFF0000, 0, 0, 0}));
    EXPECT_EQ(picture->palette, (std::vector<fw::Argb>{0xFFFF0000, 0xFF00FF00}));
    EXPECT_FALSE(picture->Opaque(0, 1));
    EXPECT_TRUE(picture->Opaque(2, 0));
}

TEST(Xpm, MalformedGivesNothing) {
    const Xpm rows[] = {
        Xpm{"1 1 1", "x c #000000", "x"},                   // header too short
        Xpm{"1 1 1 1 0", "x c #000000", "x"},               // five words
        Xpm{"0 1 1 1", "x c #000000", ""},                  // no width
        Xpm{"2000 1 1 1", "x c #000000", "x"},              // beyond any icon
        Xpm{"1 1 1 0", "x c #000000", "x"},                 // no characters per pixel
        Xpm{"1 1 0 1", "x"},                                // no colours
        Xpm{"a 1 1 1", "x c #000000", "x"},                 // not a number
        Xpm{"-1 1 1 1", "x c #000000", "x"},                // negative
        Xpm{"1 1 1 1", "x c #00000", "x"},                  // five digits
        Xpm{"1 1 1 1", "x c #GG0000", "x"},                 // not hexadecimal
        Xpm{"1 1 1 1", "x c red", "x"},                     // a name not known
        Xpm{"1 1 1 1", "x q #000000", "x"},                 // not a key
        Xpm{"1 1 1 1", "x c", "x"},                         // key without colour
        Xpm{"1 1 2 1", "x c #000000", "x c #FFFFFF", "x"},  // one key twice
        Xpm{"1 1 1 1", "x c #000000", "y"},                 // a pixel of no colour
        Xpm{"2 1 1 1", "x c #000000", "x"},                 // row too short
        Xpm{"1 1 1 1", "x c #000000", "xx"},                // row too long
        Xpm{"1 2 1 1", "x c #000000", "x"},                 // a row missing
        Xpm{"1 1 1 2", "x c #000000", "xx"},                // colour key shorter than a pixel
    };
    for (const Xpm& xpm : rows) {
        SCOPED_TRACE(xpm.lines[0]);
        EXPECT_FALSE(fw::DecodeXpm(xpm.data()));
    }
    EXPECT_FALSE(fw::DecodeXpm(nullptr));
}

TEST(Xpm, ResizedTakesTheNearestPixel) {
    const Xpm xpm{"2 2 4 1", "a c #000001", "b c #000002", "c c #000003", "d c #000004", "ab", "cd"};
    const fw::Picture picture = *fw::DecodeXpm(xpm.data());
    const fw::Picture larger = fw::Resized(picture, 4, 4);
    const fw::Argb a = 0xFF000001, b = 0xFF000002, c = 0xFF000003, d = 0xFF000004;
    EXPECT_EQ(larger.pixels, (std::vector<fw::Argb>{a, a, b, b, a, a, b, b, c, c, d, d, c, c, d, d}));
    const fw::Picture smaller = fw::Resized(larger, 2, 2);
    EXPECT_EQ(smaller.pixels, picture.pixels);
    const fw::Picture wide = fw::Resized(picture, 3, 1);
    EXPECT_EQ(wide.pixels, (std::vector<fw::Argb>{a, a, b}));
    EXPECT_TRUE(fw::Resized(picture, 0, 2).pixels.empty());
}

}  // namespace
