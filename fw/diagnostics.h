// Counts of the platform objects that are alive, to find leaks.
#pragma once

namespace fw {

int LiveFontCount();
int LiveCursorCount();

}  // namespace fw
