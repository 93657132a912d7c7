// File > "Stampa...": the report on a printer that the user picks, one
// printed line per report line.
#pragma once

#include <functional>

#include "fw/cstring.h"

namespace report {

// Shows the print dialog; once it is confirmed, starts the document, then
// composes the report with `compose`, prints it and tells the user which
// printer it went to. Cancelling prints nothing and says nothing.
void PrintOnChosenPrinter(const std::function<CString()>& compose);

}  // namespace report
