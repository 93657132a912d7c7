#include "ui/help.h"

#include "fw/desktop.h"

void ShowHelp() { ShellExecuteA(nullptr, "open", "KALVEX.HLP", nullptr, nullptr, SW_SHOW); }
