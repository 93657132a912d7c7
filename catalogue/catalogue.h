// The built-in core catalogue: the iron-powder mixes, their colour codes and
// the toroid cores made in each mix. Constant data, walked to its terminators.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace catalogue {

// A blank-padded text of exactly N characters, with no terminating zero.
// An all-zero text marks the end of a table.
template <std::size_t N>
struct Text {
    std::array<char, N> chars{};

    constexpr Text() = default;
    // Takes a literal of exactly N characters; a wrongly padded literal does not compile.
    template <std::size_t M>
    consteval Text(const char (&literal)[M]) {
        static_assert(M == N + 1, "catalogue texts are padded to their full width");
        for (std::size_t i = 0; i < N; ++i) chars[i] = literal[i];
    }

    constexpr std::string_view View() const { return {chars.data(), N}; }
    constexpr bool IsEmpty() const { return chars[0] == '\0'; }
};

// One row of the mix table.
struct MixEntry {
    Text<8> label;         // "T-xxx-" + mix number
    Text<7> firstColour;   // Italian colour name
    Text<7> secondColour;  // seven blanks for a one-colour mix
    std::int32_t permeability;
    float fmin;  // MHz
    float fmax;  // MHz

    constexpr bool IsEnd() const { return label.IsEmpty(); }
    double FrequencyMin() const { return fmin; }
    double FrequencyMax() const { return fmax; }
};

// One row of a core list. Dimensions in inches, AL in microhenry per 100 turns.
struct CoreEntry {
    Text<9> partNumber;  // "T-size-mix", blank-padded
    float outerDiameter;
    float innerDiameter;
    float height;
    float al;

    constexpr bool IsEnd() const { return partNumber.IsEmpty(); }
    double Al() const { return al; }
};

// A colour as 0x00BBGGRR.
using Colour = std::uint32_t;

struct ColourPair {
    Colour first;
    Colour second;
};

// The mix table, from row 0 up to its terminating entry.
const MixEntry* Mixes();

// The colour code of a mix row (0 to 10); nothing for a row that names no mix.
std::optional<ColourPair> MixColours(int mixRow);

// The core list of a mix row (0 to 10), up to its terminating entry;
// nullptr for a row that names no mix.
const CoreEntry* CoresOf(int mixRow);

// The core at (mix row, core row); nullptr when either row lies outside its table.
const CoreEntry* FindCore(int mixRow, int coreRow);

}  // namespace catalogue
