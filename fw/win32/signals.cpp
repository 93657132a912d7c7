// Windows raises no signal for a write to a closed pipe or past a size
// limit: such a write fails with an error code, which the file code reports.
#include "fw/internal.h"

void fw::detail::IgnoreWriteSignals() {}
