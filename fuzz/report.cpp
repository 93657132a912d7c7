// CCoilDialog::BuildReport over the real framework: seven field texts go into
// the main window's controls, the report must hold each of them, as the
// control hands it back, behind its label.
//
// Input: the seven values (core, turns, L, C, F, XL, XC) separated by the
// byte 0x1E; two of them in a row stand for one 0x1E inside a value.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/main_window.h"
#include "fuzz/support.h"

namespace {

constexpr char kSeparator = '\x1E';

// Longer than the toolkit's line edit keeps unless told otherwise; the
// fields keep any length.
constexpr std::size_t kLongValue = 40000;

constexpr std::string_view kHeader = "DIMENSIONAMENTO AVVOLGIMENTI SU TOROIDI AMIDON IRON-POWDER\n\n";
// Windows-1252: 0xB5 is the micro sign, 0xE0 a with grave accent.
constexpr std::array<std::string_view, 7> kLabels = {
    "Toroide ............       : ",    "Numero spire .......       : ", "Induttanza .........  [\xB5H] : ",
    "Capacit\xE0 ...........  [pF] : ", "Frequenza  ......... [MHz] : ", "Reattanza induttiva  [Ohm] : ",
    "Reattanza capacitiva [Ohm] : ",
};
static_assert(std::all_of(kLabels.begin(), kLabels.end(), [](std::string_view label) { return label.size() == 29; }));
constexpr std::array<int, 7> kFields = {IDC_CORE,      IDC_TURNS, IDC_INDUCTANCE, IDC_CAPACITANCE,
                                        IDC_FREQUENCY, IDC_XL,    IDC_XC};

std::array<std::string, 7> SplitValues(std::string_view input) {
    std::array<std::string, 7> values;
    std::size_t field = 0;
    for (std::size_t i = 0; i < input.size() && field < values.size(); ++i) {
        if (input[i] != kSeparator) {
            values[field] += input[i];
        } else if (i + 1 < input.size() && input[i + 1] == kSeparator) {
            values[field] += kSeparator;
            ++i;
        } else {
            ++field;
        }
    }
    return values;
}

// What a control hands back of a value set through the framework's C-string
// calls: up to the first NUL, every other byte through Windows-1252 and back
// unchanged, however long.
std::string HandedBack(const std::string& value) { return value.substr(0, value.find('\0')); }

std::string DescribeValues(const std::array<std::string, 7>& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i)
        text += "\n  value " + std::to_string(i) + " " + fuzz::Escaped(values[i]);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::OpenMainWindow(*argc > 0 ? (*argv)[0] : "report");
    // libFuzzer's inputs stay short: one input of seven long values, checked
    // once at the start.
    std::string longValues;
    for (char c : std::string_view("0123456")) {
        if (!longValues.empty()) longValues += kSeparator;
        longValues += std::string(kLongValue, c);
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(longValues.data()), longValues.size());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CCoilDialog& dialog = fuzz::MainWindow();
    const std::array<std::string, 7> values = SplitValues({reinterpret_cast<const char*>(data), size});

    // The core list gets one row, the value, and it is selected; the other
    // fields get their value as a command or the user would set it.
    auto* cores = static_cast<CComboBox*>(dialog.GetDlgItem(IDC_CORE));
    cores->ResetContent();
    cores->AddString(values[0].c_str());
    cores->SetCurSel(0);
    for (std::size_t i = 1; i < values.size(); ++i) dialog.SetDlgItemText(kFields[i], values[i].c_str());

    std::array<std::string, 7> handed;
    for (std::size_t i = 0; i < values.size(); ++i) {
        handed[i] = HandedBack(values[i]);
        CString control;
        dialog.GetDlgItemText(kFields[i], control);
        if (control.Str() != handed[i]) {
            fuzz::Fail("field " + std::to_string(i) + " was given " + fuzz::Escaped(values[i]) + "\nand hands back " +
                       fuzz::Escaped(control.View()) + "\nexpected      " + fuzz::Escaped(handed[i]));
        }
    }

    const std::string report = dialog.BuildReport().Str();
    const auto failed = [&](const std::string& what) {
        fuzz::Fail("report: " + what + DescribeValues(values) + "\nreport " + fuzz::Escaped(report));
    };

    std::size_t valueBytes = 0;
    std::size_t valueLineFeeds = 0;
    for (const std::string& value : handed) {
        valueBytes += value.size();
        valueLineFeeds += static_cast<std::size_t>(std::count(value.begin(), value.end(), '\n'));
    }
    if (report.size() != 270 + valueBytes) failed("length " + std::to_string(report.size()));
    if (static_cast<std::size_t>(std::count(report.begin(), report.end(), '\n')) != 9 + valueLineFeeds) {
        failed("wrong number of line feeds");
    }
    if (!report.starts_with(kHeader)) failed("no header");
    std::size_t at = kHeader.size();
    for (std::size_t i = 0; i < kLabels.size(); ++i) {
        const std::string where = " at " + std::to_string(at) + " for value " + std::to_string(i);
        if (report.compare(at, kLabels[i].size(), kLabels[i]) != 0) failed("label missing" + where);
        at += kLabels[i].size();
        if (report.compare(at, handed[i].size(), handed[i]) != 0) failed("value missing" + where);
        at += handed[i].size();
        if (at >= report.size() || report[at] != '\n') failed("no line feed after the value" + where);
        ++at;
    }
    if (at != report.size()) failed("text after the last line");
    return 0;
}
