// The dialog manager's conversion of a control's text to an integer.
#pragma once

#include <string_view>

#include "fw/types.h"

namespace fw {

// Leading blanks, a minus sign (signed only), then decimal digits up to the
// first other character. Text without digits, or a value outside the range
// of the type, gives 0 and *translated FALSE.
UINT DialogTextToInt(std::string_view text, BOOL* translated, BOOL isSigned);

}  // namespace fw
