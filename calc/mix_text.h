// The text of a mix-list row: label, colour names and frequency range,
// separated by semicolons, 47 characters for every mix of the catalogue.
#pragma once

#include <string>

#include "catalogue/catalogue.h"

namespace calc {

std::string MixRowText(const catalogue::MixEntry& mix);

}  // namespace calc
