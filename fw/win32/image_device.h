// Drawing into a picture in memory, for the test support's pictures.
#pragma once

#include <functional>
#include <vector>

#include "fw/gdi.h"

namespace fw::win32 {

// What `paint` draws with a device context over the system's own drawing
// on a width x height picture in memory, white to begin with, black text on
// white, opaque, in `font` (with no font of its own when nullptr, drawing in
// the system font): its pixels as
// COLORREF values, row after row from the top. Empty when the system could
// not make the picture.
std::vector<COLORREF> PaintPixels(int width, int height, HFONT font, const std::function<void(CDC&)>& paint);

}  // namespace fw::win32
