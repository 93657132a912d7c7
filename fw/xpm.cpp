#include "fw/xpm.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <map>
#include <string>
#include <string_view>

namespace fw {
namespace {

// Larger pictures are not icons or cursors: refused rather than allocated.
constexpr int kMaxSide = 1024;
constexpr int kMaxCharsPerPixel = 4;

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at]))) ++at;
        const std::size_t start = at;
        while (at < line.size() && !std::isspace(static_cast<unsigned char>(line[at]))) ++at;
        if (at > start) words.push_back(line.substr(start, at - start));
    }
    return words;
}

std::optional<int> Number(std::string_view word) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < 0) return std::nullopt;
    return value;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// "#RGB", "#RRGGBB" or "#RRRRGGGGBBBB" (the high digits of each channel),
// "None", "black", "white".
std::optional<Argb> Colour(std::string_view text) {
    if (EqualsIgnoringCase(text, "None")) return kTransparent;
    if (EqualsIgnoringCase(text, "black")) return 0xFF000000;
    if (EqualsIgnoringCase(text, "white")) return 0xFFFFFFFF;
    if (text.empty() || text[0] != '#') return std::nullopt;
    const std::string_view digits = text.substr(1);
    if (digits.size() != 3 && digits.size() != 6 && digits.size() != 12) return std::nullopt;
    const std::size_t per = digits.size() / 3;
    Argb colour = 0xFF000000;
    for (int channel = 0; channel < 3; ++channel) {
        const std::string_view part = digits.substr(channel * per, per);
        unsigned value = 0;
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value, 16);
        if (error != std::errc() || end != part.data() + part.size()) return std::nullopt;
        if (per == 1) value *= 0x11;  // #RGB: each digit doubled
        if (per == 4) value >>= 8;    // 16 bits a channel: the high byte
        colour |= static_cast<Argb>(value) << (16 - 8 * channel);
    }
    return colour;
}

// "<characters> c <colour>" (other keys before or after "c" are skipped);
// without a "c" key, the last colour given for any key.
std::optional<Argb> ColourOfLine(std::string_view rest) {
    const std::vector<std::string_view> words = Words(rest);
    std::optional<Argb> fallback;
    for (std::size_t k = 0; k + 1 < words.size(); k += 2) {
        const std::string_view key = words[k];
        if (key != "c" && key != "m" && key != "g" && key != "g4" && key != "s") return std::nullopt;
        if (key == "s") continue;  // a symbolic name, no colour
        const std::optional<Argb> colour = Colour(words[k + 1]);
        if (!colour) return std::nullopt;
        if (key == "c") return colour;
        fallback = colour;
    }
    if (words.size() % 2 != 0) return std::nullopt;
    return fallback;
}

}  // namespace

std::optional<Picture> DecodeXpm(const char* const* xpm) {
    if (xpm == nullptr || xpm[0] == nullptr) return std::nullopt;
    const std::vector<std::string_view> header = Words(xpm[0]);
    if (header.size() != 4 && header.size() != 6) return std::nullopt;
    std::optional<int> numbers[4];
    for (int k = 0; k < 4; ++k) numbers[k] = Number(header[k]);
    if (!numbers[0] || !numbers[1] || !numbers[2] || !numbers[3]) return std::nullopt;
    const int width = *numbers[0];
    const int height = *numbers[1];
    const int colours = *numbers[2];
    const int perPixel = *numbers[3];
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return std::nullopt;
    if (perPixel < 1 || perPixel > kMaxCharsPerPixel || colours < 1) return std::nullopt;

    Picture picture;
    picture.width = width;
    picture.height = height;
    std::map<std::string, Argb, std::less<>> colourOf;
    for (int k = 0; k < colours; ++k) {
        const char* line = xpm[1 + k];
        if (line == nullptr || std::strlen(line) < static_cast<std::size_t>(perPixel)) return std::nullopt;
        const std::string_view text(line);
        const std::optional<Argb> colour = ColourOfLine(text.substr(perPixel));
        if (!colour) return std::nullopt;
        if (!colourOf.emplace(std::string(text.substr(0, perPixel)), *colour).second) return std::nullopt;
        if (*colour != kTransparent) picture.palette.push_back(*colour);
    }

    picture.pixels.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const char* line = xpm[1 + colours + y];
        if (line == nullptr) return std::nullopt;
        const std::string_view row(line);
        if (row.size() != static_cast<std::size_t>(width) * perPixel) return std::nullopt;
        for (int x = 0; x < width; ++x) {
            const auto found = colourOf.find(row.substr(static_cast<std::size_t>(x) * perPixel, perPixel));
            if (found == colourOf.end()) return std::nullopt;
            picture.pixels.push_back(found->second);
        }
    }
    return picture;
}

Picture Resized(const Picture& picture, int width, int height) {
    Picture result;
    if (width < 1 || height < 1 || picture.pixels.empty()) return result;
    result.width = width;
    result.height = height;
    result.palette = picture.palette;
    result.pixels.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            result.pixels.push_back(picture.At(x * picture.width / width, y * picture.height / height));
        }
    }
    return result;
}

}  // namespace fw
