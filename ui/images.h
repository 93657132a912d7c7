// The program's pictures, as XPM text.
#pragma once

// Icon 128: a grey toroid ring, 32 x 32, transparent around and inside.
extern const char* const kToroidIcon[];
// Icon 131: a circular dark-blue and white emblem, 32 x 32.
extern const char* const kEmblemIcon[];
// Cursor 133: a pointing hand, 32 x 32, black and white; hot spot (6, 0).
extern const char* const kHandCursor[];
