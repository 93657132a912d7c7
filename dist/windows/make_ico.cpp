// Writes the program's icons as Windows icon files, for the resource script:
// FOLDER/icon<id>.ico for each icon of the resource table. Each file holds
// the picture at the sizes the desktop shows (title bar and lists 16,
// task bar and desktop 32, Explorer's tiles 48 and up), in 16 colours with a
// transparency mask: as drawn (32 x 32), enlarged by whole factors (64, 256)
// with every pixel a square block, and rendered from it for 16 and 48.
// Built and run on the build machine: make_ico FOLDER
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <tuple>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "fw/resources.h"
#include "fw/xpm.h"
#include "ui/resources.h"

namespace {

constexpr int kSides[] = {16, 32, 48, 64, 256};
constexpr std::size_t kColours = 16;

class Bytes {
public:
    void U8(unsigned value) { data.push_back(static_cast<char>(value & 0xFF)); }
    void U16(unsigned value) {
        U8(value);
        U8(value >> 8);
    }
    void U32(std::uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    std::string data;
};

// Index 0 is black, which transparent pixels also use (black under a set
// mask bit leaves the screen as it is).
std::vector<fw::Argb> PaletteOf(const fw::Picture& picture) {
    std::vector<fw::Argb> palette{0xFF000000};
    for (const fw::Argb colour : picture.palette) {
        bool known = false;
        for (const fw::Argb have : palette) known = known || have == colour;
        if (!known) palette.push_back(colour);
    }
    return palette;
}

std::size_t IndexOf(const std::vector<fw::Argb>& palette, fw::Argb colour) {
    for (std::size_t k = 0; k < palette.size(); ++k) {
        if (palette[k] == colour) return k;
    }
    return 0;
}

// The picture at side x side. A whole multiple of its size enlarges each
// pixel to a block. Any other size is drawn again from the picture: its
// shape, interpolated between the pixels' centres, is drawn with an outline
// one pixel wide in the colour that outlines the picture, and filled with the
// picture's inner colours interpolated likewise, each in the nearest colour
// of the palette. So the small and the larger sizes keep the thin outline.
fw::Picture Rendered(const fw::Picture& picture, int side, const std::vector<fw::Argb>& palette) {
    if (side % picture.width == 0 && side % picture.height == 0) return fw::Resized(picture, side, side);
    const auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < picture.width && y < picture.height && picture.Opaque(x, y);
    };
    // The picture's edge: opaque pixels next to a transparent one.
    const auto edge = [&](int x, int y) {
        return opaque(x, y) && (!opaque(x - 1, y) || !opaque(x + 1, y) || !opaque(x, y - 1) || !opaque(x, y + 1));
    };
    std::map<fw::Argb, int> edgeColours;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (edge(x, y)) ++edgeColours[picture.At(x, y)];
        }
    }
    fw::Argb outline = palette[0];
    int most = 0;
    for (const auto& [colour, count] : edgeColours) {
        if (count > most) std::tie(outline, most) = std::tie(colour, count);
    }
    const auto nearest = [&](const double rgb[3]) {
        fw::Argb best = palette[0];
        double bestDistance = -1;
        for (const fw::Argb candidate : palette) {
            double distance = 0;
            for (int c = 0; c < 3; ++c) {
                const double d = rgb[c] - ((candidate >> (16 - 8 * c)) & 0xFF);
                distance += d * d;
            }
            if (bestDistance < 0 || distance < bestDistance) std::tie(best, bestDistance) = std::tie(candidate, distance);
        }
        return best;
    };

    fw::Picture out;
    out.width = out.height = side;
    out.palette = picture.palette;
    out.pixels.assign(static_cast<std::size_t>(side) * side, fw::kTransparent);
    const double scale = static_cast<double>(picture.width) / side;
    // Opaque where the shape, interpolated at the new pixel's centre, covers half.
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const double u = (x + 0.5) * scale - 0.5;
            const double v = (y + 0.5) * scale - 0.5;
            const int x0 = static_cast<int>(std::floor(u));
            const int y0 = static_cast<int>(std::floor(v));
            double shape = 0;
            double inner = 0;
            double rgb[3] = {0, 0, 0};
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    const double weight = (dx ? u - x0 : 1 - (u - x0)) * (dy ? v - y0 : 1 - (v - y0));
                    if (!opaque(x0 + dx, y0 + dy)) continue;
                    shape += weight;
                    if (edge(x0 + dx, y0 + dy)) continue;
                    const fw::Argb colour = picture.At(x0 + dx, y0 + dy);
                    for (int c = 0; c < 3; ++c) rgb[c] += weight * ((colour >> (16 - 8 * c)) & 0xFF);
                    inner += weight;
                }
            }
            if (shape < 0.5) continue;
            if (inner > 0) {
                for (double& c : rgb) c /= inner;
                out.pixels[static_cast<std::size_t>(y) * side + x] = nearest(rgb);
            } else {
                out.pixels[static_cast<std::size_t>(y) * side + x] = outline;
            }
        }
    }
    // The outline, one pixel wide, around what is opaque now.
    const fw::Picture filled = out;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const auto at = [&](int px, int py) {
                return px >= 0 && py >= 0 && px < side && py < side && filled.Opaque(px, py);
            };
            if (at(x, y) && (!at(x - 1, y) || !at(x + 1, y) || !at(x, y - 1) || !at(x, y + 1))) {
                out.pixels[static_cast<std::size_t>(y) * side + x] = outline;
            }
        }
    }
    return out;
}

// One image of the file: the header, the palette, the colour rows and the
// mask rows, both from the bottom row up.
std::string Image(const fw::Picture& picture, const std::vector<fw::Argb>& palette) {
    const int width = picture.width;
    const int height = picture.height;
    const int colourStride = (width * 4 + 31) / 32 * 4;
    const int maskStride = (width + 31) / 32 * 4;
    Bytes out;
    out.U32(40);
    out.U32(static_cast<std::uint32_t>(width));
    out.U32(static_cast<std::uint32_t>(height * 2));  // colour and mask
    out.U16(1);
    out.U16(4);
    out.U32(0);  // BI_RGB
    out.U32(static_cast<std::uint32_t>((colourStride + maskStride) * height));
    out.U32(0);
    out.U32(0);
    out.U32(kColours);
    out.U32(0);
    for (std::size_t k = 0; k < kColours; ++k) {
        const fw::Argb colour = k < palette.size() ? palette[k] : 0;
        out.U8(colour & 0xFF);
        out.U8((colour >> 8) & 0xFF);
        out.U8((colour >> 16) & 0xFF);
        out.U8(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::vector<unsigned> row(static_cast<std::size_t>(colourStride), 0);
        for (int x = 0; x < width; ++x) {
            const std::size_t index = picture.Opaque(x, y) ? IndexOf(palette, picture.At(x, y)) : 0;
            row[static_cast<std::size_t>(x / 2)] |= index << (x % 2 == 0 ? 4 : 0);
        }
        for (const unsigned byte : row) out.U8(byte);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::vector<unsigned> row(static_cast<std::size_t>(maskStride), 0);
        for (int x = 0; x < width; ++x) {
            if (!picture.Opaque(x, y)) row[static_cast<std::size_t>(x / 8)] |= 0x80u >> (x % 8);
        }
        for (const unsigned byte : row) out.U8(byte);
    }
    return out.data;
}

bool WriteIcon(const fw::Picture& picture, const std::string& path) {
    const std::vector<fw::Argb> palette = PaletteOf(picture);
    if (palette.size() > kColours) {
        std::fprintf(stderr, "make_ico: %s: more than %zu colours\n", path.c_str(), kColours);
        return false;
    }
    std::vector<std::string> images;
    for (const int side : kSides) images.push_back(Image(Rendered(picture, side, palette), palette));
    Bytes out;
    out.U16(0);
    out.U16(1);  // icons
    out.U16(static_cast<unsigned>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t k = 0; k < images.size(); ++k) {
        const int side = kSides[k];
        out.U8(side >= 256 ? 0 : side);  // 0 stands for 256
        out.U8(side >= 256 ? 0 : side);
        out.U8(kColours);
        out.U8(0);
        out.U16(1);
        out.U16(4);
        out.U32(static_cast<std::uint32_t>(images[k].size()));
        out.U32(offset);
        offset += static_cast<std::uint32_t>(images[k].size());
    }
    for (const std::string& image : images) out.data += image;
    std::ofstream file(path, std::ios::binary);
    file << out.data;
    file.close();
    if (!file) {
        std::fprintf(stderr, "make_ico: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_ico FOLDER\n");
        return 2;
    }
    for (const fw::ImageTemplate* icon : ProgramResources().icons) {
        const std::string path = std::string(argv[1]) + "/icon" + std::to_string(icon->id) + ".ico";
        const std::optional<fw::Picture> picture = fw::DecodeXpm(icon->xpm);
        if (!picture) {
            std::fprintf(stderr, "make_ico: icon %u is not a readable picture\n", icon->id);
            return 1;
        }
        if (!WriteIcon(*picture, path)) return 1;
    }
    return 0;
}
