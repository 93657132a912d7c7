// Test support for Windows: a printer that draws into an enhanced metafile
// through the system's own drawing, for tests that print without a printer
// and check what a real device context was given.
#pragma once

#include <string>
#include <vector>

#include "fw/types.h"
#include "fw/win32/testing/support.h"

namespace fw::testing {

struct MetafilePrintout {
    std::vector<std::string> documents;  // the names given to StartDoc
    int pagesStarted = 0;
    int pagesEnded = 0;
    int documentsEnded = 0;
    // The context's resolution and size (its reference device's).
    int logPixelsX = 0;
    int logPixelsY = 0;
    int vertRes = 0;
    // What was drawn, once the printer context was deleted.
    std::vector<win32::testing::MetafileText> texts;
    bool deleted = false;
};

// A printer's context drawing into a metafile, as the print dialog hands one
// over; `out` must outlive it and is filled in as it is used and deleted.
HDC MetafilePrinter(MetafilePrintout* out);

}  // namespace fw::testing
