// Device contexts over the toolkit's painter: what the drawing calls put on
// the pixels.
#include <gtest/gtest.h>

#include <functional>

#include "fw/gdi.h"
#include "fw/testing.h"
#include "fw/testing/recording_device.h"

using fw::testing::Image;

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kGreen = 0x00FF00;
constexpr COLORREF kBlue = 0xFF0000;
constexpr CRect kBox{10, 10, 30, 20};

int Count(const Image& image, const CRect& area, COLORREF colour) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) count += image.At(x, y) == colour ? 1 : 0;
    }
    return count;
}

void Fill(CDC& dc, COLORREF colour) {
    dc.SetBkColor(colour);
    dc.ExtTextOut(0, 0, ETO_OPAQUE, &kBox, nullptr, 0, nullptr);
}

}  // namespace

TEST(PainterDevice, DrawsWhatTheCallsAskFor) {
    struct Case {
        const char* name;
        std::function<void(CDC&)> paint;
        std::function<void(const Image&)> check;
    };
    const CRect outside{0, 0, 40, 30};
    const Case cases[] = {
        {"ExtTextOut with ETO_OPAQUE and no text fills the rectangle in the background colour",
         [](CDC& dc) { Fill(dc, kRed); },
         [&](const Image& image) {
             EXPECT_EQ(Count(image, kBox, kRed), kBox.Width() * kBox.Height());
             EXPECT_EQ(Count(image, outside, kRed), kBox.Width() * kBox.Height());
         }},
        {"transparent text touches only the glyphs, from its top left corner",
         [](CDC& dc) {
             dc.SetBkMode(TRANSPARENT);
             dc.SetBkColor(kGreen);
             dc.SetTextColor(kRed);
             dc.TextOut(10, 10, "MM", 2);
         },
         [&](const Image& image) {
             EXPECT_EQ(Count(image, outside, kGreen), 0);
             EXPECT_GT(Count(image, CRect{10, 10, 40, 30}, kRed), 0);
             EXPECT_EQ(Count(image, outside, kRed), Count(image, CRect{10, 10, 40, 30}, kRed));
         }},
        {"the focus rectangle dots the border and leaves the inside alone", [](CDC& dc) { dc.DrawFocusRect(&kBox); },
         [&](const Image& image) {
             for (int x = kBox.left; x + 1 < kBox.right; ++x)
                 EXPECT_NE(image.At(x, kBox.top), image.At(x + 1, kBox.top));
             EXPECT_EQ(Count(image, CRect{11, 11, 29, 19}, kWhite), 18 * 8);
             EXPECT_EQ(Count(image, outside, kWhite) + Count(image, kBox, 0x000000), 40 * 30);
         }},
        {"a fill paints a focus rectangle over",
         [](CDC& dc) {
             dc.DrawFocusRect(&kBox);
             Fill(dc, kBlue);
         },
         [&](const Image& image) { EXPECT_EQ(Count(image, kBox, kBlue), kBox.Width() * kBox.Height()); }},
        {"restoring a saved state by its number drops the later ones",
         [](CDC& dc) {
             dc.SetBkColor(kRed);
             EXPECT_EQ(dc.SaveDC(), 1);
             dc.SetBkColor(kGreen);
             EXPECT_EQ(dc.SaveDC(), 2);
             dc.SetBkColor(kBlue);
             EXPECT_EQ(dc.RestoreDC(1), TRUE);
             EXPECT_EQ(dc.RestoreDC(2), FALSE);
             dc.ExtTextOut(0, 0, ETO_OPAQUE, &kBox, nullptr, 0, nullptr);
         },
         [&](const Image& image) { EXPECT_EQ(Count(image, kBox, kRed), kBox.Width() * kBox.Height()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.check(fw::testing::PaintImage(40, 30, nullptr, c.paint));
    }
}

// The print-layout and drawing tests watch a recording device instead of a
// painter: both must keep the drawing state alike, step by step.
TEST(PainterDevice, KeepsItsStateAsTheRecordingDeviceDoes) {
    struct Step {
        const char* name;
        std::function<int(CDC&)> call;  // answers what the call answered
    };
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Courier New"));
    const Step steps[] = {
        {"set text colour", [](CDC& dc) { return static_cast<int>(dc.SetTextColor(kRed)); }},
        {"save", [](CDC& dc) { return dc.SaveDC(); }},
        {"set background", [](CDC& dc) { return static_cast<int>(dc.SetBkColor(kGreen)); }},
        {"transparent", [](CDC& dc) { return dc.SetBkMode(TRANSPARENT); }},
        {"select a font", [&](CDC& dc) { return dc.SelectObject(&font) == nullptr ? 0 : 1; }},
        {"selecting no font changes nothing",
         [](CDC& dc) { return dc.SelectObject(static_cast<HFONT>(nullptr)) == nullptr ? 0 : 1; }},
        {"save again", [](CDC& dc) { return dc.SaveDC(); }},
        {"set text colour again", [](CDC& dc) { return static_cast<int>(dc.SetTextColor(kBlue)); }},
        {"restore the last", [](CDC& dc) { return dc.RestoreDC(-1); }},
        {"restore past the first", [](CDC& dc) { return dc.RestoreDC(3); }},
        {"restore the first", [](CDC& dc) { return dc.RestoreDC(1); }},
        {"nothing left to restore", [](CDC& dc) { return dc.RestoreDC(-1); }},
    };
    fw::RecordingDevice recorder;
    CDC& recorded = *CDC::FromHandle(&recorder);
    fw::testing::PaintImage(10, 10, nullptr, [&](CDC& painted) {
        // Both start as a printer's context: black on white, opaque.
        recorded.SetBkColor(kWhite);
        for (const Step& step : steps) {
            SCOPED_TRACE(step.name);
            EXPECT_EQ(step.call(painted), step.call(recorded));
            const fw::detail::Device& p = *painted.m_hDC;
            EXPECT_EQ(p.GetTextColor(), recorder.GetTextColor());
            EXPECT_EQ(p.GetBkColor(), recorder.GetBkColor());
            EXPECT_EQ(p.GetBkMode(), recorder.GetBkMode());
            EXPECT_EQ(p.SavedDepth(), recorder.SavedDepth());
            EXPECT_EQ(p.GetCurrentFont() == font.m_hObject, recorder.GetCurrentFont() == font.m_hObject);
        }
    });
}
