// Help: the help file, handed to the desktop's opener.
#pragma once

// Opens "KALVEX.HLP" from the current directory with the desktop's opener.
// Failure (no file, no viewer) is silent.
void ShowHelp();
