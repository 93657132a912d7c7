// The report: a header and one line per field of the form, each value behind
// a label of 29 characters, so that the values line up in a fixed-pitch font.
#pragma once

#include <string>
#include <string_view>

namespace report {

// The texts of the form's fields, exactly as they stand, in Windows-1252.
struct ReportFields {
    std::string_view core;  // the core list's selected row, blank-padded
    std::string_view turns;
    std::string_view inductance;
    std::string_view capacitance;
    std::string_view frequency;
    std::string_view inductiveReactance;
    std::string_view capacitiveReactance;
};

// The header, an empty line and the seven field lines, each ended by LF:
// 270 bytes plus the values, which are copied unchanged.
std::string ReportText(const ReportFields& fields);

}  // namespace report
