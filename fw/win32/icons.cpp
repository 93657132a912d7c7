#include "fw/win32/icons.h"

#include <cstdint>
#include <vector>

#include "fw/xpm.h"

namespace fw::win32 {
namespace {

// Releases a GDI object at the end of the scope.
class GdiObject {
public:
    explicit GdiObject(HGDIOBJ object) : m_object(object) {}
    ~GdiObject() {
        if (m_object != nullptr) DeleteObject(m_object);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    HGDIOBJ get() const { return m_object; }

private:
    HGDIOBJ m_object;
};

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
    const GdiObject colour(ColourBitmap(picture));
    const GdiObject mask(MaskBitmap(picture));
    if (colour.get() == nullptr || mask.get() == nullptr) return nullptr;
    ICONINFO info{};
    info.fIcon = isIcon;
    info.xHotspot = static_cast<DWORD>(hotX);
    info.yHotspot = static_cast<DWORD>(hotY);
    info.hbmMask = static_cast<HBITMAP>(mask.get());
    info.hbmColor = static_cast<HBITMAP>(colour.get());
    return CreateIconIndirect(&info);  // copies both bitmaps
}

}  // namespace

HICON CreateIconFromPicture(const fw::Picture& picture) { return Create(picture, TRUE, 0, 0); }

HICON CreateCursorFromPicture(const fw::Picture& picture, int hotX, int hotY, int width, int height) {
    if (picture.width < 1 || picture.height < 1 || width < 1 || height < 1) return nullptr;
    return Create(fw::Resized(picture, width, height), FALSE, hotX * width / picture.width,
                  hotY * height / picture.height);
}

}  // namespace fw::win32
