#include "calc/formulas.h"

#include <cmath>
#include <limits>

namespace calc {

std::optional<std::int32_t> TurnsFromInductance(double inductance, double al) {
    const double turns = std::trunc(kTurnsScale * std::sqrt(inductance / al));
    // Compare in double: both limits are exact there, and NaN fails both tests.
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
    if (!(turns >= kLowest && turns <= kHighest)) return std::nullopt;
    return static_cast<std::int32_t>(turns);
}

double InductanceFromTurns(std::int32_t turns, double al) {
    // The square of any 32-bit count fits a 64-bit integer; it is rounded
    // only once, when it becomes a double.
    const std::int64_t square = static_cast<std::int64_t>(turns) * turns;
    return static_cast<double>(square) * al * static_cast<double>(kAlScale);
}

double ResonantFrequency(double inductance, double capacitance) {
    return kFrequencyScale / (std::sqrt(capacitance * inductance) * kTwoPi);
}

double InductanceFromFC(double frequency, double capacitance) {
    return kLcScale / (frequency * (capacitance * frequency) * kFourPiSquared);
}

double CapacitanceFromFL(double frequency, double inductance) {
    return kLcScale / (frequency * (inductance * frequency) * kFourPiSquared);
}

double InductiveReactance(double frequency, double inductance) { return inductance * frequency * kTwoPi; }

double CapacitiveReactance(double frequency, double capacitance) {
    return kLcScale / (frequency * capacitance * kTwoPi);
}

}  // namespace calc
