// What the Windows backend's files share. The backend is written in two kinds
// of files, because the framework's public headers and <windows.h> name the
// same things differently (DWORD, HWND, TRUE, RGB, WM_...):
//   - files that see the framework's headers, never <windows.h>, and reach
//     the system through small functions over plain values and the system's
//     handle types, named as the Windows headers name them (HWND__*, HDC__*,
//     HFONT__*, HICON__*, HBRUSH__*), which need no declaration but this;
//   - files that include <windows.h> and none of the framework's public
//     headers, only plain headers of the backend such as this one.
// This header is of the plain kind: it includes no framework header.
#pragma once

struct HWND__;
struct HDC__;
struct HFONT__;
struct HICON__;
struct HBRUSH__;

namespace fw::detail {

struct Window;
class Device;
struct FontObject;
struct BrushObject;

// Windows. The framework's window behind a native one is made the first time
// it is asked for; nullptr answers nullptr both ways.
HWND__* NativeWindow(Window* window);
Window* WindowOf(HWND__* native);

// Fonts and brushes. A native font that the framework did not make has no
// font object: FontOf answers nullptr for it. WrapNativeFont answers an
// object for any native font: the framework's own, or for one the system
// made (a dialog's template font, as WM_GETFONT answers it) a lasting one
// that owns nothing, is not counted as live, and on which GetObject and
// selecting it work as on any font.
HFONT__* NativeFont(FontObject* font);
FontObject* FontOf(HFONT__* native);
FontObject* WrapNativeFont(HFONT__* native);
HBRUSH__* NativeBrush(BrushObject* brush);

// A device context over a native one that the system prepared (painting, an
// item to draw, a colour request): the device draws there and the caller
// deletes it; the native context stays the system's.
Device* DeviceOnNativeDC(HDC__* dc);

}  // namespace fw::detail
