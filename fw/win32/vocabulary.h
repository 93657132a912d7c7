// The system's vocabulary on Windows: its own headers. Handles, messages,
// structures and functions are the system's; the framework adds only its own
// names (fw/types.h). Only fw/types.h includes it.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
