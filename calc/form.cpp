#include "calc/form.h"

#include "calc/field_text.h"
#include "calc/formulas.h"
#include "calc/mix_text.h"
#include "catalogue/catalogue.h"

namespace calc {
namespace {

// Both inputs positive: the formula's result with three decimals (nothing
// when it is not finite); otherwise nothing.
std::string Solve(std::string_view first, std::string_view second, double (*formula)(double, double)) {
    const double a = ReadReal(first);
    const double b = ReadReal(second);
    return a > 0 && b > 0 ? ResultText(formula(a, b)) : std::string();
}

}  // namespace

std::string TurnsText(std::string_view inductance, int mixRow, int coreRow) {
    const double l = ReadReal(inductance);
    const catalogue::CoreEntry* core = catalogue::FindCore(mixRow, coreRow);
    if (!(l > 0) || core == nullptr) return {};
    const auto turns = TurnsFromInductance(l, core->Al());
    return turns ? std::to_string(*turns) : std::string();
}

std::string InductanceText(std::int32_t turns, int mixRow, int coreRow) {
    const catalogue::CoreEntry* core = catalogue::FindCore(mixRow, coreRow);
    if (turns == 0 || core == nullptr) return {};
    return ResultText(InductanceFromTurns(turns, core->Al()));
}

std::string FrequencyText(std::string_view inductance, std::string_view capacitance) {
    return Solve(inductance, capacitance, ResonantFrequency);
}

std::string InductanceFromFcText(std::string_view frequency, std::string_view capacitance) {
    return Solve(frequency, capacitance, InductanceFromFC);
}

std::string CapacitanceFromFlText(std::string_view frequency, std::string_view inductance) {
    return Solve(frequency, inductance, CapacitanceFromFL);
}

Reactances ReactanceTexts(std::string_view inductance, std::string_view capacitance, std::string_view frequency) {
    const double l = ReadReal(inductance);
    const double c = ReadReal(capacitance);
    const double f = ReadReal(frequency);
    Reactances result;
    if (f > 0 && l > 0) result.inductive = ResultText(InductiveReactance(f, l));
    if (f > 0 && c > 0) result.capacitive = ResultText(CapacitiveReactance(f, c));
    return result;
}

std::vector<std::string> MixRows() {
    std::vector<std::string> rows;
    for (const catalogue::MixEntry* mix = catalogue::Mixes(); !mix->IsEnd(); ++mix) rows.push_back(MixRowText(*mix));
    return rows;
}

std::vector<std::string> CoreRows(int mixRow) {
    std::vector<std::string> rows;
    for (const catalogue::CoreEntry* core = catalogue::CoresOf(mixRow); core != nullptr && !core->IsEnd(); ++core) {
        rows.emplace_back(core->partNumber.View());
    }
    return rows;
}

}  // namespace calc
