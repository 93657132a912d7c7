// The calculator form's decisions, over the texts of its fields: what each
// command writes into its result field, given the texts it reads. An empty
// answer clears the field; a result is never empty.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

// Turns for the inductance on the core at (mix row, core row): the whole
// number of turns, or nothing when the inductance is not positive, the core
// does not exist or the turns do not fit a signed 32-bit count.
std::string TurnsText(std::string_view inductance, int mixRow, int coreRow);

// Inductance of `turns` (as the dialog's integer conversion read them) on
// the core: nothing for no turns or no core.
std::string InductanceText(std::int32_t turns, int mixRow, int coreRow);

// The three resonance commands: each needs both of its inputs positive.
std::string FrequencyText(std::string_view inductance, std::string_view capacitance);
std::string InductanceFromFcText(std::string_view frequency, std::string_view capacitance);
std::string CapacitanceFromFlText(std::string_view frequency, std::string_view inductance);

// Both reactances, each decided on its own: XL needs F and L, XC needs F and C.
struct Reactances {
    std::string inductive;
    std::string capacitive;
    friend bool operator==(const Reactances&, const Reactances&) = default;
};
Reactances ReactanceTexts(std::string_view inductance, std::string_view capacitance, std::string_view frequency);

// The rows of the two lists: one per mix of the table, and the part numbers
// (blank-padded) of the cores of a mix row, in catalogue order.
std::vector<std::string> MixRows();
std::vector<std::string> CoreRows(int mixRow);

}  // namespace calc
