// Icons and cursors for the Windows API, made from the program's pictures.
// The header names the handle type as the Windows headers declare it, so
// that it can be included without them.
#pragma once

struct HICON__;

namespace fw {
struct Picture;
}

namespace fw::win32 {

// An icon of the picture's size: its colours where the picture is opaque,
// the screen where it is transparent. The caller destroys it (DestroyIcon);
// nullptr if the system refused.
HICON__* CreateIconFromPicture(const fw::Picture& picture);

// A cursor of width x height showing the picture resized to that (nearest
// pixel), with the hot spot (hotX, hotY) in the picture's pixels moved
// with it. The caller destroys it (DestroyCursor); nullptr if the system
// refused.
HICON__* CreateCursorFromPicture(const fw::Picture& picture, int hotX, int hotY, int width, int height);

}  // namespace fw::win32
