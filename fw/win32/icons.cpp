#include "fw/win32/icons.h"

#include <cstdint>
#include <vector>

#include "fw/xpm.h"

namespace fw::win32 {
namespace {

// The colour plane: 32 bits a pixel, top row first, alpha 0xFF where the
// picture is opaque. Transparent pixels are black with alpha 0, so that the
// mask alone decides there, whether the system draws with alpha or not.
HBITMAP ColourBitmap(const fw::Picture& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) return nullptr;
    auto* out = static_cast<std::uint32_t*>(bits);
    for (const fw::Argb pixel : picture.pixels) *out++ = pixel;  // ARGB is the DIB's BGRA in memory
    GdiFlush();
    return bitmap;
}

// The mask plane: one bit a pixel, set where the picture is transparent;
// rows padded to 16 bits, as CreateBitmap takes them.
HBITMAP MaskBitmap(const fw::Picture& picture) {
    const int stride = (picture.width + 15) / 16 * 2;
    std::vector<BYTE> bits(static_cast<std::size_t>(stride) * picture.height, 0);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (!picture.Opaque(x, y)) bits[static_cast<std::size_t>(y) * stride + x / 8] |= 0x80 >> (x % 8);
        }
    }
    return CreateBitmap(picture.width, picture.height, 1, 1, bits.data());
}

HICON Create(const fw::Picture& picture, BOOL isIcon, int hotX, int hotY) {
    if (picture.width < 1 || picture.height < 1) return nullptr;
    ICONINFO info{isIcon, static_cast<DWORD>(hotX), static_cast<DWORD>(hotY), MaskBitmap(picture),
                  ColourBitmap(picture)};
    // The icon takes copies of both bitmaps.
    HICON icon = info.hbmMask != nullptr && info.hbmColor != nullptr ? CreateIconIndirect(&info) : nullptr;
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    return icon;
}

}  // namespace

HICON CreateIconFromPicture(const fw::Picture& picture) { return Create(picture, TRUE, 0, 0); }

HICON CreateCursorFromPicture(const fw::Picture& picture, int hotX, int hotY, int width, int height) {
    if (picture.width < 1 || picture.height < 1 || width < 1 || height < 1) return nullptr;
    return Create(fw::Resized(picture, width, height), FALSE, hotX * width / picture.width,
                  hotY * height / picture.height);
}

}  // namespace fw::win32
