// Fonts over the system's own: what the framework asks for is what the
// system draws with.
#include <gtest/gtest.h>

#include <iostream>

#include "fw/gdi.h"
#include "fw/internal.h"
#include "fw/testing.h"

namespace {

// The face that the system actually uses for a font: the name of the font
// that a context selects for it.
std::string FaceInUse(HFONT font) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, face);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return face;
}

}  // namespace

TEST(Win32Fonts, PointFontsOnTheScreenTakeItsResolution) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Fixedsys"));
    LOGFONT lf;
    ASSERT_EQ(GetObject(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, -(fw::detail::ScreenLogPixelsY() * 100 / 720));  // truncated
    EXPECT_EQ(lf.lfWeight, 0);
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
    EXPECT_STREQ(lf.lfFaceName, "Fixedsys");
}

// The mix list's columns and the printed report line up only in a fixed-pitch
// font: the faces asked for must give one, whatever the system stands in.
TEST(Win32Fonts, TheFixedPitchFacesAreFixedPitch) {
    for (const char* face : {"Courier New", "Fixedsys"}) {
        SCOPED_TRACE(face);
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(100, face));
        std::cout << "[ face ] " << face << " is drawn in " << FaceInUse(font) << "\n";
        fw::testing::PaintImage(40, 30, font, [](CDC& dc) {
            const CSize narrow = dc.GetTextExtent("iiiiiiii", 8);
            const CSize wide = dc.GetTextExtent("WWWWWWWW", 8);
            EXPECT_GT(narrow.cx, 0);
            EXPECT_EQ(narrow.cx, wide.cx);
            EXPECT_EQ(dc.GetTextExtent("", 0).cx, 0);
        });
    }
    CFont dialogFont;
    ASSERT_TRUE(dialogFont.CreatePointFont(80, "MS Sans Serif"));
    std::cout << "[ face ] MS Sans Serif is drawn in " << FaceInUse(dialogFont) << "\n";
}
