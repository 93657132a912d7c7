// The one application object.
#include "ui/coil_app.h"

CCoilApp theApp;
