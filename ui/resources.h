// The program's resources as data: the dialog templates of the main window
// and the About box, the menu, the icons and the link cursor.
#pragma once

#include "fw/resources.h"

const fw::ResourceTable& ProgramResources();
