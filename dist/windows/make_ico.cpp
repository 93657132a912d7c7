// Writes the program's icons as Windows icon files, for the resource script:
// FOLDER/icon<id>.ico for each icon of the resource table. Each file holds
// the picture at 32 x 32 and enlarged by whole factors (64, 256), every
// pixel a square block, in 16 colours with a transparency mask.
// Built and run on the build machine: make_ico FOLDER
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "fw/resources.h"
#include "fw/xpm.h"
#include "ui/resources.h"

namespace {

constexpr int kFactors[] = {1, 2, 8};
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
    for (const int factor : kFactors) {
        images.push_back(Image(fw::Resized(picture, picture.width * factor, picture.height * factor), palette));
    }
    Bytes out;
    out.U16(0);
    out.U16(1);  // icons
    out.U16(static_cast<unsigned>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t k = 0; k < images.size(); ++k) {
        const int side = picture.width * kFactors[k];
        out.U8(side >= 256 ? 0 : side);  // 0 stands for 256
        out.U8(picture.height * kFactors[k] >= 256 ? 0 : picture.height * kFactors[k]);
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
