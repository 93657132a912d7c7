// Icons and cursors for the Windows API, made from the program's pictures.
#pragma once

#include "fw/types.h"

namespace fw {
struct Picture;
}

namespace fw::win32 {

// An icon of the picture's size: its colours where the picture is opaque,
// the screen where it is transparent. The caller destroys it (DestroyIcon);
// nullptr if the system refused.
HICON CreateIconFromPicture(const fw::Picture& picture);

// A cursor of width x height showing the picture resized to that (nearest
// pixel), with the hot spot (hotX, hotY) in the picture's pixels moved
// with it. The caller destroys it (DestroyCursor); nullptr if the system
// refused.
HICON CreateCursorFromPicture(const fw::Picture& picture, int hotX, int hotY, int width, int height);

}  // namespace fw::win32
