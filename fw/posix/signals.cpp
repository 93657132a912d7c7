// Signals that would end the program in the middle of a save.
#include <csignal>

#include "fw/internal.h"

namespace fw::detail {

// A pipe whose reader went away (SIGPIPE) and a file beyond the size limit
// (SIGXFSZ) end a process by default; ignored, the write fails with EPIPE or
// EFBIG instead, and the save reports it and cleans up.
void IgnoreWriteSignals() {
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace fw::detail
