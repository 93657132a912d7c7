#include "calc/mix_text.h"

#include "calc/fixed_text.h"

namespace calc {
namespace {

// "%<width>.<precision>f" without the current locale.
std::string Fixed(double value, int width, int precision) {
    std::string text = FixedText(value, precision);
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace

std::string MixRowText(const catalogue::MixEntry& mix) {
    // "%s; %s;%s; (%6.2f - %5.1f MHz)"
    std::string text;
    text += mix.label.View();
    text += "; ";
    text += mix.firstColour.View();
    text += ";";
    text += mix.secondColour.View();
    text += "; (";
    text += Fixed(mix.FrequencyMin(), 6, 2);
    text += " - ";
    text += Fixed(mix.FrequencyMax(), 5, 1);
    text += " MHz)";

    // A range that starts at zero starts at DC.
    static constexpr std::string_view kZero = " 0.00";
    for (std::size_t at = text.find(kZero); at != std::string::npos; at = text.find(kZero, at + kZero.size())) {
        text.replace(at, kZero.size(), "   DC");
    }
    return text;
}

std::string SpokenMixRow(std::string_view row) {
    std::string spoken;
    int separators = 0;
    bool blank = false;
    for (const char c : row) {
        if (c == ';' && ++separators == 4) break;
        if (c == ' ' || c == ';') {
            blank = !spoken.empty();
            continue;
        }
        if (blank && c != ')' && spoken.back() != '(') spoken += ' ';
        blank = false;
        spoken += c;
    }
    return spoken;
}

}  // namespace calc
