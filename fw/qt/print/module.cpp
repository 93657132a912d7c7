// The print module's entry point, which the framework looks up when it opens
// the module (fw/qt/print_loader.cpp).
#include "fw/qt/print/printing.h"

extern "C" __attribute__((visibility("default"))) fw::detail::PrintSupport* kalvex_print_support() {
    return &fw::detail::ToolkitPrintSupport();
}
