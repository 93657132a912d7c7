// Numbers as the form's fields hold them: read from and written to text,
// the same way whatever locale the process runs under.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

// Reads the longest leading real number: white space, optional sign, digits
// with an optional fraction after a full stop, optional exponent introduced by
// e, E, d or D. The rest of the text is ignored; text without a number reads 0.
double ReadReal(std::string_view text);

// Reads a signed decimal integer: leading blanks, optional minus sign, digits;
// reading stops at the first character that is not a digit. Text without
// digits, or a value outside the signed 32-bit range, reads 0.
std::int32_t ReadTurns(std::string_view text);

// A real result with three decimals ("%.3lf"); empty text for a result that
// is not finite, so that its field is cleared.
std::string ResultText(double value);

// A turn count as a signed decimal integer.
std::string TurnsText(std::int32_t turns);

}  // namespace calc
