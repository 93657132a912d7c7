// The eleven iron-powder mixes and their colour codes.
#include "catalogue/catalogue.h"

namespace catalogue {
namespace {

constexpr MixEntry kMixTable[] = {
    {Text<8>("T-xxx-0 "), Text<7>("marrone"), Text<7>("       "), 1, 100.0f, 300.0f},
    {Text<8>("T-xxx-1 "), Text<7>("blu    "), Text<7>("       "), 20, 0.5f, 5.0f},
    {Text<8>("T-xxx-2 "), Text<7>("rosso  "), Text<7>("       "), 10, 2.0f, 30.0f},
    {Text<8>("T-xxx-3 "), Text<7>("grigio "), Text<7>("       "), 35, 0.05f, 0.5f},
    {Text<8>("T-xxx-6 "), Text<7>("giallo "), Text<7>("       "), 8, 10.0f, 50.0f},
    {Text<8>("T-xxx-7 "), Text<7>("bianco "), Text<7>("       "), 9, 3.0f, 35.0f},
    {Text<8>("T-xxx-10"), Text<7>("nero   "), Text<7>("       "), 6, 30.0f, 100.0f},
    {Text<8>("T-xxx-12"), Text<7>("verde  "), Text<7>("bianco "), 4, 50.0f, 200.0f},
    {Text<8>("T-xxx-15"), Text<7>("rosso  "), Text<7>("bianco "), 25, 0.1f, 2.0f},
    {Text<8>("T-xxx-17"), Text<7>("blu    "), Text<7>("giallo "), 4, 50.0f, 200.0f},
    {Text<8>("T-xxx-26"), Text<7>("giallo "), Text<7>("bianco "), 75, 0.0f, 1.0f},
    {},
};

// Colour codes as 0x00BBGGRR, indexed by mix row.
constexpr Colour kFirstColours[11] = {
    0x000080, 0xFF0000, 0x0000FF, 0x606060, 0x00FFFF, 0xFFFFFF, 0x000000, 0x008000, 0x0000FF, 0xFF0000, 0x00FFFF,
};
constexpr Colour kSecondColours[11] = {
    0x000080, 0xFF0000, 0x0000FF, 0x646464, 0x00FFFF, 0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0x00FFFF, 0xFFFFFF,
};

}  // namespace

const MixEntry* Mixes() { return kMixTable; }

std::optional<ColourPair> MixColours(int mixRow) {
    if (mixRow < 0 || mixRow >= static_cast<int>(std::size(kFirstColours))) return std::nullopt;
    return ColourPair{kFirstColours[mixRow], kSecondColours[mixRow]};
}

}  // namespace catalogue
