// Numbers as the form's fields hold them: read from and written to text,
// the same way whatever locale the process runs under.
#pragma once

#include <string>
#include <string_view>

namespace calc {

// Reads the longest leading real number: white space, optional sign, digits
// with an optional fraction after a full stop, optional exponent introduced by
// e, E, d or D. The rest of the text is ignored; text without a number reads 0.
double ReadReal(std::string_view text);

// A real result with three decimals ("%.3lf"); empty text for a result that
// is not finite, so that its field is cleared.
std::string ResultText(double value);

}  // namespace calc
