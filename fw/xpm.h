// Pictures kept as XPM text, decoded without a toolkit: the backends make
// icons and cursors from them, the build makes icon files.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace fw {

// 0xAARRGGBB; alpha is 0 (transparent) or 0xFF.
using Argb = std::uint32_t;
inline constexpr Argb kTransparent = 0;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Argb> pixels;  // row by row, from the top
    // The colours in the order the XPM lists them, "None" left out.
    std::vector<Argb> palette;

    Argb At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool Opaque(int x, int y) const { return (At(x, y) >> 24) != 0; }
};

// Reads the XPM 3 array: "width height colours characters-per-pixel", then
// one line per colour ("<characters> c <colour>", the colour "#RGB",
// "#RRGGBB", "#RRRRGGGGBBBB", "None", "black" or "white"), then the rows.
// A malformed header, colour or row gives nothing. The array itself must
// hold as many lines as its header says.
std::optional<Picture> DecodeXpm(const char* const* xpm);

// The picture resized to width x height, each pixel taken from the nearest
// source pixel (pictures are small and drawn pixel by pixel).
Picture Resized(const Picture& picture, int width, int height);

}  // namespace fw
