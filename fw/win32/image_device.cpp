#include "fw/win32/image_device.h"

#include "fw/win32/native_dc.h"
#include "fw/win32/native_device.h"

namespace fw::win32 {

std::vector<COLORREF> PaintPixels(int width, int height, HFONT font, const std::function<void(CDC&)>& paint) {
    MemoryPicture picture(width, height, RGB(255, 255, 255));
    if (picture.Context() == nullptr) return {};
    {
        fw::detail::NativeDevice device(picture.Context(), false, false);
        device.SetTextColor(RGB(0, 0, 0));
        device.SetBkColor(RGB(255, 255, 255));
        device.SetBkMode(OPAQUE);
        device.SelectFont(font);
        paint(device.Wrapper());
    }
    const std::vector<std::uint32_t> pixels = picture.Pixels();
    return std::vector<COLORREF>(pixels.begin(), pixels.end());
}

}  // namespace fw::win32
