// Fonts, brushes and device contexts over the system's own: what the
// framework asks for is what the system draws with.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "fw/diagnostics.h"
#include "fw/gdi.h"
#include "fw/testing/recording_device.h"
#include "fw/win32/backend.h"
#include "fw/win32/image_device.h"
#include "fw/win32/native_dc.h"
#include "fw/win32/native_device.h"
#include "fw/win32/native_fonts.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kGreen = 0x00FF00;
constexpr COLORREF kBlue = 0xFF0000;
constexpr CRect kBox{10, 10, 30, 20};
constexpr int kWidth = 40;
constexpr int kHeight = 30;

struct Picture {
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y * kWidth + x)]; }
    int Count(const CRect& area, COLORREF colour) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) count += At(x, y) == colour ? 1 : 0;
        }
        return count;
    }
};

Picture Paint(const std::function<void(CDC&)>& paint, HFONT font = nullptr) {
    Picture picture{fw::win32::PaintPixels(kWidth, kHeight, font, paint)};
    EXPECT_EQ(picture.pixels.size(), static_cast<std::size_t>(kWidth * kHeight));
    if (picture.pixels.size() != static_cast<std::size_t>(kWidth * kHeight)) picture.pixels.assign(kWidth * kHeight, 0);
    return picture;
}

LOGFONT Describe(const CFont& font) {
    LOGFONT lf;
    EXPECT_EQ(GetObject(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
    return lf;
}

}  // namespace

TEST(Win32Fonts, PointFontsTakeTheContextsResolution) {
    struct Case {
        const char* name;
        int logPixelsY;  // 0: no context, the screen's
        int pointSize;
        const char* face;
        LONG height;
    };
    const int screen = fw::win32::ScreenLogPixelsY();
    const Case cases[] = {
        {"a printer at 600 dpi", 600, 120, "Courier New", -100},
        {"a printer at 300 dpi", 300, 120, "Courier New", -50},
        {"truncated toward zero", 200, 100, "Courier New", -27},
        {"the screen", 0, 100, "Fixedsys", -(screen * 100 / 720)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fw::RecordingDevice::Settings settings;
        settings.logPixelsY = c.logPixelsY;
        fw::RecordingDevice printer(settings);
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(c.pointSize, c.face, c.logPixelsY != 0 ? &printer.Wrapper() : nullptr));
        const LOGFONT lf = Describe(font);
        EXPECT_EQ(lf.lfHeight, c.height);
        EXPECT_EQ(lf.lfWidth, 0);
        EXPECT_EQ(lf.lfWeight, 0);
        EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
        EXPECT_EQ(lf.lfUnderline, 0);
        EXPECT_STREQ(lf.lfFaceName, c.face);
    }
}

// The link label's underlined copy: the description read back, changed and
// made into a font again, faces in Windows-1252 included.
TEST(Win32Fonts, DescriptionsComeBackAsGiven) {
    const char* faces[] = {"MS Sans Serif", "Caf\xE9 \x80 \x9C", "A face name thirty-one bytes lo"};
    for (const char* face : faces) {
        SCOPED_TRACE(face);
        LOGFONT given;
        given.lfHeight = -11;
        given.lfWeight = 700;
        given.lfItalic = 1;
        given.lfCharSet = DEFAULT_CHARSET;
        std::strncpy(given.lfFaceName, face, LF_FACESIZE - 1);
        CFont font;
        ASSERT_TRUE(font.CreateFontIndirect(&given));
        LOGFONT lf = Describe(font);
        EXPECT_EQ(lf.lfHeight, -11);
        EXPECT_EQ(lf.lfWeight, 700);
        EXPECT_EQ(lf.lfItalic, 1);
        EXPECT_STREQ(lf.lfFaceName, face);

        lf.lfUnderline = 1;
        CFont underlined;
        ASSERT_TRUE(underlined.CreateFontIndirect(&lf));
        EXPECT_EQ(Describe(underlined).lfUnderline, 1);
        EXPECT_STREQ(Describe(underlined).lfFaceName, face);
    }
}

TEST(Win32Fonts, OnlyTheFrameworksOwnFontsAreCountedAndDeleted) {
    const int before = fw::LiveFontCount();
    HFONT__* native = nullptr;
    {
        CFont a;
        CFont b;
        ASSERT_TRUE(a.CreatePointFont(100, "Courier New"));
        ASSERT_TRUE(b.CreatePointFont(100, "Fixedsys"));
        EXPECT_FALSE(a.CreatePointFont(100, "Courier New"));  // one font a CFont
        EXPECT_EQ(fw::LiveFontCount(), before + 2);
        native = fw::detail::NativeFont(a);
        EXPECT_EQ(fw::detail::FontOf(native), a.m_hObject);
        EXPECT_EQ(fw::detail::WrapNativeFont(native), a.m_hObject);
        EXPECT_TRUE(b.DeleteObject());
        EXPECT_FALSE(b.DeleteObject());
        EXPECT_EQ(fw::LiveFontCount(), before + 1);
    }
    EXPECT_EQ(fw::LiveFontCount(), before);
    EXPECT_EQ(fw::detail::FontOf(native), nullptr);

    // A font the system made: no object of its own, a lasting wrapper that
    // owns it not and describes it all the same.
    fw::win32::FontDescription system;
    system.height = -13;
    system.face = "Courier New";
    HFONT__* foreign = fw::win32::CreateNativeFont(system);
    ASSERT_NE(foreign, nullptr);
    EXPECT_EQ(fw::detail::FontOf(foreign), nullptr);
    HFONT wrapped = fw::detail::WrapNativeFont(foreign);
    ASSERT_NE(wrapped, nullptr);
    EXPECT_EQ(fw::detail::WrapNativeFont(foreign), wrapped);
    EXPECT_EQ(fw::detail::NativeFont(wrapped), foreign);
    EXPECT_EQ(fw::LiveFontCount(), before);
    LOGFONT lf;
    ASSERT_EQ(GetObject(wrapped, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, -13);
    EXPECT_STREQ(lf.lfFaceName, "Courier New");
    fw::win32::DeleteNativeFont(foreign);
}

TEST(Win32Fonts, TheStockHollowBrushIsTheSystems) {
    HBRUSH hollow = GetStockObject(NULL_BRUSH);
    ASSERT_NE(hollow, nullptr);
    EXPECT_EQ(fw::detail::NativeBrush(hollow), fw::win32::NativeNullBrush());
    EXPECT_EQ(GetStockObject(0), nullptr);
}

// The mix list's columns and the printed report line up only in a fixed-pitch
// font: the faces asked for must give one, whatever the system stands in.
TEST(Win32Fonts, TheFixedPitchFacesAreFixedPitch) {
    for (const char* face : {"Courier New", "Fixedsys"}) {
        SCOPED_TRACE(face);
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(100, face));
        std::cout << "[ face ] " << face << " is drawn in " << fw::win32::FaceInUse(fw::detail::NativeFont(font))
                  << "\n";
        Paint(
            [](CDC& dc) {
                const CSize narrow = dc.GetTextExtent("iiiiiiii", 8);
                const CSize wide = dc.GetTextExtent("WWWWWWWW", 8);
                EXPECT_GT(narrow.cx, 0);
                EXPECT_EQ(narrow.cx, wide.cx);
                EXPECT_EQ(dc.GetTextExtent("", 0).cx, 0);
            },
            font);
    }
    CFont dialogFont;
    ASSERT_TRUE(dialogFont.CreatePointFont(80, "MS Sans Serif"));
    std::cout << "[ face ] MS Sans Serif is drawn in " << fw::win32::FaceInUse(fw::detail::NativeFont(dialogFont))
              << "\n";
}

// The drawing state lives twice, in the framework's device and in the
// system's context; after every step they must agree.
TEST(Win32Device, TheStateIsTheNativeContexts) {
    CFont courier;
    ASSERT_TRUE(courier.CreatePointFont(100, "Courier New"));
    struct Step {
        const char* name;
        std::function<int(CDC&)> call;
        int answer;
    };
    const Step steps[] = {
        {"set text colour", [](CDC& dc) { return static_cast<int>(dc.SetTextColor(kRed)); }, kBlack},
        {"save", [](CDC& dc) { return dc.SaveDC(); }, 1},
        {"set background", [](CDC& dc) { return static_cast<int>(dc.SetBkColor(kGreen)); }, kWhite},
        {"transparent", [](CDC& dc) { return dc.SetBkMode(TRANSPARENT); }, OPAQUE},
        {"select a font", [&](CDC& dc) { return dc.SelectObject(&courier) != nullptr ? 1 : 0; }, 1},
        {"save again", [](CDC& dc) { return dc.SaveDC(); }, 2},
        {"set text colour again", [](CDC& dc) { return static_cast<int>(dc.SetTextColor(kBlue)); }, kRed},
        {"restore the last", [](CDC& dc) { return dc.RestoreDC(-1); }, TRUE},
        {"restore past the first", [](CDC& dc) { return dc.RestoreDC(3); }, FALSE},
        {"restore the first", [](CDC& dc) { return dc.RestoreDC(1); }, TRUE},
        {"nothing left to restore", [](CDC& dc) { return dc.RestoreDC(-1); }, FALSE},
    };
    // A context the system prepared, as for an item to draw.
    fw::win32::MemoryPicture picture(kWidth, kHeight, kWhite);
    ASSERT_NE(picture.Context(), nullptr);
    HFONT__* const systemFont = fw::win32::StateOf(picture.Context()).font;
    {
        const std::unique_ptr<fw::detail::Device> device(fw::detail::DeviceOnNativeDC(picture.Context()));
        CDC& dc = device->Wrapper();
        ASSERT_NE(device->GetCurrentFont(), nullptr);
        EXPECT_EQ(fw::detail::NativeFont(device->GetCurrentFont()), systemFont);
        for (const Step& step : steps) {
            SCOPED_TRACE(step.name);
            EXPECT_EQ(step.call(dc), step.answer);
            const fw::win32::DcState native = fw::win32::StateOf(picture.Context());
            EXPECT_EQ(native.textColour, device->GetTextColor());
            EXPECT_EQ(native.bkColour, device->GetBkColor());
            EXPECT_EQ(native.bkMode, device->GetBkMode());
            EXPECT_EQ(native.font, fw::detail::NativeFont(device->GetCurrentFont()));
        }
        // Back to the first save: the context's own font is selected again.
        EXPECT_EQ(fw::win32::StateOf(picture.Context()).font, systemFont);
        EXPECT_EQ(device->GetTextColor(), kRed);
        EXPECT_EQ(device->GetBkColor(), kWhite);
        EXPECT_EQ(device->GetBkMode(), OPAQUE);

        // Selecting back what selecting answered brings the context's font back.
        HFONT before = dc.SelectObject(&courier);
        EXPECT_EQ(fw::win32::StateOf(picture.Context()).font, fw::detail::NativeFont(courier));
        dc.SelectObject(before);
        EXPECT_EQ(fw::win32::StateOf(picture.Context()).font, systemFont);
    }
    // The context stays the system's, with what the drawing left in it.
    EXPECT_EQ(fw::win32::StateOf(picture.Context()).textColour, kRed);
}

TEST(Win32Device, DrawsWhatTheCallsAskFor) {
    struct Case {
        const char* name;
        std::function<void(CDC&)> paint;
        std::function<void(const Picture&)> check;
    };
    const CRect all{0, 0, kWidth, kHeight};
    const int area = kBox.Width() * kBox.Height();
    const auto fill = [](CDC& dc, COLORREF colour) {
        dc.SetBkColor(colour);
        dc.ExtTextOut(0, 0, ETO_OPAQUE, &kBox, nullptr, 0, nullptr);
    };
    const Case cases[] = {
        {"ExtTextOut with ETO_OPAQUE and no text fills the rectangle in the background colour",
         [&](CDC& dc) { fill(dc, kRed); },
         [&](const Picture& p) {
             EXPECT_EQ(p.Count(kBox, kRed), area);
             EXPECT_EQ(p.Count(all, kRed), area);
         }},
        {"FillSolidRect fills and leaves the background colour alone",
         [](CDC& dc) {
             dc.FillSolidRect(&kBox, kBlue);
             auto& device = static_cast<fw::detail::NativeDevice&>(*dc.m_hDC);
             EXPECT_EQ(device.GetBkColor(), kWhite);
             EXPECT_EQ(fw::win32::StateOf(device.NativeContext()).bkColour, kWhite);
         },
         [&](const Picture& p) { EXPECT_EQ(p.Count(all, kBlue), area); }},
        {"transparent text touches only the glyphs, from its top left corner",
         [](CDC& dc) {
             dc.SetBkMode(TRANSPARENT);
             dc.SetBkColor(kGreen);
             dc.SetTextColor(kRed);
             dc.TextOut(10, 10, "MM", 2);
         },
         [&](const Picture& p) {
             EXPECT_EQ(p.Count(all, kGreen), 0);
             EXPECT_GT(p.Count(CRect{10, 10, kWidth, kHeight}, kRed), 0);
             EXPECT_EQ(p.Count(all, kRed), p.Count(CRect{10, 10, kWidth, kHeight}, kRed));
         }},
        {"opaque text fills its cell in the background colour",
         [](CDC& dc) {
             dc.SetBkColor(kGreen);
             const CSize size = dc.GetTextExtent("MM", 2);
             dc.TextOut(5, 5, "MM", 2);
             EXPECT_GT(size.cx, 0);
             EXPECT_GT(size.cy, 0);
         },
         [&](const Picture& p) {
             EXPECT_GT(p.Count(all, kGreen), 0);
             EXPECT_EQ(p.Count(CRect{0, 0, kWidth, 5}, kGreen), 0);
             EXPECT_EQ(p.Count(CRect{0, 0, 5, kHeight}, kGreen), 0);
         }},
        {"the focus rectangle dots the border and leaves the inside alone", [](CDC& dc) { dc.DrawFocusRect(&kBox); },
         [&](const Picture& p) {
             for (int x = kBox.left; x + 1 < kBox.right; ++x) EXPECT_NE(p.At(x, kBox.top), p.At(x + 1, kBox.top));
             EXPECT_EQ(p.Count(CRect{11, 11, 29, 19}, kWhite), 18 * 8);
             EXPECT_EQ(p.Count(all, kWhite) + p.Count(kBox, kBlack), kWidth * kHeight);
         }},
        {"a fill paints a focus rectangle over",
         [&](CDC& dc) {
             dc.DrawFocusRect(&kBox);
             fill(dc, kBlue);
         },
         [&](const Picture& p) { EXPECT_EQ(p.Count(kBox, kBlue), area); }},
        {"restoring a saved state by its number drops the later ones",
         [](CDC& dc) {
             dc.SetBkColor(kRed);
             EXPECT_EQ(dc.SaveDC(), 1);
             dc.SetBkColor(kGreen);
             EXPECT_EQ(dc.SaveDC(), 2);
             dc.SetBkColor(kBlue);
             EXPECT_EQ(dc.RestoreDC(1), TRUE);
             dc.ExtTextOut(0, 0, ETO_OPAQUE, &kBox, nullptr, 0, nullptr);
         },
         [&](const Picture& p) { EXPECT_EQ(p.Count(kBox, kRed), area); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.check(Paint(c.paint));
    }
}

// The program's text is Windows-1252, also where the system's own code page
// differs: each byte is drawn as its own character.
TEST(Win32Device, TextIsDrawnAsWindows1252) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Courier New"));
    Paint(
        [](CDC& dc) {
            const CSize one = dc.GetTextExtent("\xB5", 1);
            EXPECT_EQ(dc.GetTextExtent("\xB5H \xE0\x80", 5).cx, 5 * one.cx);
            TEXTMETRIC tm;
            ASSERT_TRUE(dc.GetTextMetrics(&tm));
            EXPECT_EQ(one.cx, tm.tmAveCharWidth);
            EXPECT_EQ(one.cy, tm.tmHeight);
            EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
        },
        font);
    const auto drawn = [&](const char* text) {
        return Paint([text](CDC& dc) { dc.TextOut(0, 0, text, 1); }, font).pixels;
    };
    EXPECT_NE(drawn("\x80"), drawn("?"));     // the euro sign
    EXPECT_NE(drawn("\xE0"), drawn("\xC3"));  // not read as UTF-8
    EXPECT_EQ(drawn("\xE0"), drawn("\xE0"));
}

TEST(Win32Device, MetricsAreTheContexts) {
    Paint([](CDC& dc) {
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), fw::win32::ScreenLogPixelsY());
        EXPECT_GT(dc.GetDeviceCaps(LOGPIXELSX), 0);
        EXPECT_GT(dc.GetDeviceCaps(HORZRES), 0);
        EXPECT_GT(dc.GetDeviceCaps(VERTRES), 0);
        EXPECT_EQ(dc.GetDeviceCaps(12345), 0);
        // Not a printer.
        DOCINFO info;
        EXPECT_LE(dc.StartDoc(&info), 0);
    });
}
