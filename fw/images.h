// Cursors from the program's resources.
#pragma once

#include "fw/types.h"

// A cursor of its own from the program's pictures, at the given size; the
// caller destroys it (DestroyCursor).
HCURSOR LoadCursorImage(UINT nIDResource, int cx, int cy);
