// Counts of the platform objects that are alive, to find leaks.
#pragma once

namespace fw {

int LiveFontCount();
int LiveCursorCount();
// Device contexts: screen painting, printers, images, recordings.
int LiveDeviceContextCount();
// Windows: dialogs and their controls.
int LiveWindowCount();

}  // namespace fw
