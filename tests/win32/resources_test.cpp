// The resource script as Windows reads it: version information, the icon's
// sizes and the manifest's effects.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<BYTE> VersionBlock() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::vector<BYTE> block(size);
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, block.data())) block.clear();
    return block;
}

TEST(WindowsResources, VersionInformation) {
    std::vector<BYTE> block = VersionBlock();
    ASSERT_FALSE(block.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 4));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 4));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    struct Row {
        const wchar_t* name;
        const wchar_t* value;
    };
    for (const Row row : {Row{L"ProductName", L"Kalvex"}, Row{L"ProductVersion", L"4.0"}, Row{L"FileVersion", L"4.0"},
                          Row{L"OriginalFilename", L"Kalvex.exe"}}) {
        const std::wstring query = std::wstring(L"\\StringFileInfo\\041004E4\\") + row.name;
        wchar_t* value = nullptr;
        ASSERT_TRUE(VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length))
            << static_cast<const void*>(row.name);
        EXPECT_EQ(std::wstring(value), row.value);
    }
}

// The manifest asks for the common controls of version 6: the process's
// activation context sends loads of comctl32.dll to them.
TEST(WindowsResources, ManifestBringsCommonControlsSix) {
    ACTCTX_SECTION_KEYED_DATA redirection{};
    redirection.cbSize = sizeof redirection;
    EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll",
                                         &redirection));

    HRSRC manifest = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(nullptr, manifest))),
                           SizeofResource(nullptr, manifest));
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(text.find("<dpiAwareness"), std::string::npos);
}

// An image's pixels as the system draws them: 0xAARRGGBB, alpha 0 where
// the mask leaves the screen, top row first.
std::vector<std::uint32_t> Pixels(HICON icon, int side) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = side;
    format.bmiHeader.biHeight = -side;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    std::vector<std::uint32_t> colour(static_cast<std::size_t>(side) * side);
    std::vector<std::uint32_t> mask(colour.size());
    HDC dc = CreateCompatibleDC(nullptr);
    BITMAP bitmap{};
    const bool read = GetObjectW(info.hbmColor, sizeof bitmap, &bitmap) && bitmap.bmWidth == side &&
                      GetDIBits(dc, info.hbmColor, 0, side, colour.data(), &format, DIB_RGB_COLORS) == side &&
                      GetDIBits(dc, info.hbmMask, 0, side, mask.data(), &format, DIB_RGB_COLORS) == side;
    DeleteDC(dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    if (!read) return {};
    for (std::size_t k = 0; k < colour.size(); ++k) colour[k] = (mask[k] & 0xFFFFFF) ? 0 : colour[k] | 0xFF000000;
    return colour;
}

}  // namespace

// The program's icon holds an image for each size the desktop shows, drawn at
// that size: the ring with its hole, outlined in black.
TEST(WindowsResources, ProgramIconAtEverySizeTheDesktopShows) {
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
        const std::vector<std::uint32_t> pixels = Pixels(icon, side);
        DestroyIcon(icon);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(side) * side) << "not an image of that size";
        const auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y) * side + x]; };
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
