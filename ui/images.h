// The program's pictures, as XPM text.
#pragma once

// Icon 128: a grey toroid ring, 32 x 32, transparent around and inside.
extern const char* const kToroidIcon[];
