// The text of a mix-list row: label, colour names and frequency range,
// separated by semicolons, 47 characters for every mix of the catalogue.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/catalogue.h"

namespace calc {

std::string MixRowText(const catalogue::MixEntry& mix);

// A row as a screen reader speaks it: its four fields as the list paints them
// (no separators, nothing after a fourth one), blanks run together, none
// inside the parentheses: "T-xxx-2 rosso (2.00 - 30.0 MHz)".
std::string SpokenMixRow(std::string_view row);

}  // namespace calc
