// Icons and cursors from the program's resources, and system metrics.
#pragma once

#include "fw/types.h"

// A cursor of its own (the caller destroys it), at the given size.
HCURSOR LoadCursorImage(UINT nIDResource, int cx, int cy);
BOOL DestroyCursor(HCURSOR cursor);
// Sets the cursor of the window that is answering WM_SETCURSOR.
HCURSOR SetCursor(HCURSOR cursor);
int GetSystemMetrics(int index);
