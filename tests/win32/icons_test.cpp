// Icons and cursors made from the program's pictures, and the icons of the
// resource script, as Windows sees them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "fw/win32/icons.h"
#include "fw/xpm.h"
#include "ui/images.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kMagenta = 0xFF00FF;

// A bitmap's pixels as 32-bit 0x00RRGGBB, top row first.
std::vector<std::uint32_t> PixelsOf(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(rows, height);
    for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
}

// What GetIconInfo gives: the kind, the hot spot, the size and both planes.
struct Planes {
    bool isIcon = false;
    int hotX = 0;
    int hotY = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> colour;
    std::vector<std::uint32_t> mask;  // white where the screen shows through
};

Planes PlanesOf(HICON icon) {
    Planes planes;
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) {
        ADD_FAILURE() << "GetIconInfo failed";
        return planes;
    }
    planes.isIcon = info.fIcon != FALSE;
    planes.hotX = static_cast<int>(info.xHotspot);
    planes.hotY = static_cast<int>(info.yHotspot);
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    planes.width = bitmap.bmWidth;
    planes.height = bitmap.bmHeight;
    planes.colour = PixelsOf(info.hbmColor, planes.width, planes.height);
    planes.mask = PixelsOf(info.hbmMask, planes.width, planes.height);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return planes;
}

// The icon drawn over magenta, as a window would show it.
std::vector<std::uint32_t> Drawn(HICON icon, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP target = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, target);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    std::fill(pixels, pixels + width * height, kMagenta);
    EXPECT_TRUE(DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL));
    GdiFlush();
    std::vector<std::uint32_t> result(pixels, pixels + width * height);
    for (std::uint32_t& pixel : result) pixel &= 0xFFFFFF;
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(target);
    return result;
}

// Every pixel of the planes and of the drawing against the picture, which
// is scaled up by a whole factor to the planes' size.
void ExpectShows(HICON icon, const fw::Picture& picture, int factor) {
    const Planes planes = PlanesOf(icon);
    ASSERT_EQ(planes.width, picture.width * factor);
    ASSERT_EQ(planes.height, picture.height * factor);
    const std::vector<std::uint32_t> drawn = Drawn(icon, planes.width, planes.height);
    int wrong = 0;
    for (int y = 0; y < planes.height && wrong < 5; ++y) {
        for (int x = 0; x < planes.width && wrong < 5; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * planes.width + x;
            const bool opaque = picture.Opaque(x / factor, y / factor);
            const std::uint32_t colour = opaque ? picture.At(x / factor, y / factor) & 0xFFFFFF : 0;
            const std::uint32_t seen = opaque ? colour : kMagenta;
            if (planes.mask[at] != (opaque ? 0 : kWhite) || planes.colour[at] != colour || drawn[at] != seen) {
                ADD_FAILURE() << "at " << x << "," << y << std::hex << ": mask " << planes.mask[at] << ", colour "
                              << planes.colour[at] << " (want " << colour << "), drawn " << drawn[at] << " (want "
                              << seen << ")";
                ++wrong;
            }
        }
    }
}

TEST(Win32Icons, IconsFromThePictures) {
    for (const char* const* xpm : {kToroidIcon, kEmblemIcon}) {
        const fw::Picture picture = *fw::DecodeXpm(xpm);
        HICON icon = fw::win32::CreateIconFromPicture(picture);
        ASSERT_NE(icon, nullptr);
        EXPECT_TRUE(PlanesOf(icon).isIcon);
        ExpectShows(icon, picture, 1);
        EXPECT_TRUE(DestroyIcon(icon));
    }
}

TEST(Win32Icons, LinkCursorAtEachSize) {
    const fw::Picture hand = *fw::DecodeXpm(kHandCursor);
    struct Row {
        int size;
        int hotX;
    };
    for (const Row row : {Row{32, 6}, Row{64, 12}}) {
        SCOPED_TRACE(row.size);
        HCURSOR cursor = fw::win32::CreateCursorFromPicture(hand, 6, 0, row.size, row.size);
        ASSERT_NE(cursor, nullptr);
        const Planes planes = PlanesOf(cursor);
        EXPECT_FALSE(planes.isIcon);
        EXPECT_EQ(planes.hotX, row.hotX);
        EXPECT_EQ(planes.hotY, 0);
        ExpectShows(cursor, hand, row.size / 32);
        EXPECT_TRUE(DestroyCursor(cursor));
    }
    EXPECT_EQ(fw::win32::CreateCursorFromPicture(fw::Picture{}, 0, 0, 32, 32), nullptr);
}

// The resource script's icons are the same pictures, at 32 and 64 pixels.
TEST(Win32Icons, ResourceIconsAreThePictures) {
    struct Row {
        int id;
        const char* const* xpm;
    };
    for (const Row row : {Row{128, kToroidIcon}, Row{131, kEmblemIcon}}) {
        for (const int size : {32, 64}) {
            SCOPED_TRACE(::testing::Message() << "icon " << row.id << " at " << size);
            auto* icon = static_cast<HICON>(
                LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(row.id), IMAGE_ICON, size, size, 0));
            ASSERT_NE(icon, nullptr);
            ExpectShows(icon, *fw::DecodeXpm(row.xpm), size / 32);
            DestroyIcon(icon);
        }
    }
}

// The program's icon holds an image for each size the desktop shows, drawn at
// that size (16 and 48 pixels are renderings of the ring of their own, not
// scaled pictures): the ring with its hole, outlined in black.
TEST(Win32Icons, ProgramIconAtEverySizeTheDesktopShows) {
    HRSRC group = FindResourceW(nullptr, MAKEINTRESOURCEW(128), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    // The directory: 6 bytes, then 14 for each image (width, height, ...,
    // and the image's resource number in the last two).
    const int count = directory[4] | directory[5] << 8;
    std::vector<int> sides;
    for (int k = 0; k < count; ++k) {
        const BYTE* entry = directory + 6 + 14 * k;
        const int side = entry[0] == 0 ? 256 : entry[0];
        SCOPED_TRACE(side);
        sides.push_back(side);
        HRSRC image = FindResourceW(nullptr, MAKEINTRESOURCEW(entry[12] | entry[13] << 8), MAKEINTRESOURCEW(3));
        ASSERT_NE(image, nullptr);
        HICON icon = CreateIconFromResourceEx(static_cast<BYTE*>(LockResource(LoadResource(nullptr, image))),
                                              SizeofResource(nullptr, image), TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
        ASSERT_NE(icon, nullptr);
        const Planes planes = PlanesOf(icon);
        DestroyIcon(icon);
        ASSERT_EQ(planes.width, side);
        ASSERT_EQ(planes.height, side);
        // What shows: the colour where the mask keeps it, else nothing (0).
        const auto at = [&](int x, int y) {
            const std::size_t pixel = static_cast<std::size_t>(y) * side + x;
            return planes.mask[pixel] != 0 ? 0u : planes.colour[pixel] | 0xFF000000u;
        };
        EXPECT_EQ(at(side / 2, side / 2), 0u) << "the hole";
        EXPECT_EQ(at(0, 0), 0u) << "the corner";
        // Down the middle column: the outline, then the ring's greys.
        int y = 0;
        while (y < side && at(side / 2, y) == 0) ++y;
        ASSERT_LT(y, side / 4);
        EXPECT_EQ(at(side / 2, y), 0xFF000000u);
        EXPECT_NE(at(side / 2, y + side / 8), 0xFF000000u);
        EXPECT_NE(at(side / 2, y + side / 8), 0u);
    }
    EXPECT_EQ(sides, (std::vector<int>{16, 32, 48, 64, 256}));
}

}  // namespace
