// The program's dialog templates as the Windows dialog manager takes them.
// Plain C++ (no Windows header): it only lays out bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fw/win32/text.h"

namespace fw {
struct DialogTemplate;
}

namespace fw::win32 {

// An extended dialog template in memory (DLGTEMPLATEEX, then one
// DLGITEMTEMPLATEEX a control, each on a DWORD boundary), ready for
// CreateDialogIndirectParamW and DialogBoxIndirectParamW: caption and
// texts in UTF-16, the font when the style has DS_SETFONT, the controls by
// their system class atoms, an SS_ICON static naming its icon resource by
// ordinal, and no menu (the window is given its menu bar once it is made).
// The vector's storage is aligned well beyond a DWORD.
std::vector<std::uint16_t> BuildDialogTemplate(const fw::DialogTemplate& dialog);

}  // namespace fw::win32
