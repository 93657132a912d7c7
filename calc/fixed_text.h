// A real number with a fixed number of decimals, as "%.<decimals>f" writes it
// in the C locale: rounded to the nearest (to the even last digit between
// two), a minus sign for every negative value (zero too).
#pragma once

#include <string>

namespace calc {

std::string FixedText(double value, int decimals);

}  // namespace calc
