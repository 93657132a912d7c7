// Winding and resonance formulas. Units: L in microhenry, C in picofarad,
// F in megahertz, reactance in ohm, AL in microhenry per 100 turns.
// Each formula is evaluated in double, in exactly the order written here;
// callers check that the inputs are positive (or the turns non-zero).
#pragma once

#include <cstdint>
#include <optional>

namespace calc {

inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kFourPiSquared = 39.47841760435743;
inline constexpr double kTurnsScale = 100.0;
inline constexpr double kFrequencyScale = 1000.0;
inline constexpr double kLcScale = 1000000.0;
inline constexpr float kAlScale = 0.0001f;  // held in single precision on purpose

// N = 100 * sqrt(L / AL), truncated toward zero. Nothing when the truncated
// value is not a finite number that fits a signed 32-bit integer.
std::optional<std::int32_t> TurnsFromInductance(double inductance, double al);

// L = (N * N) * AL * 0.0001, with N * N formed exactly.
double InductanceFromTurns(std::int32_t turns, double al);

// F = 1000 / (sqrt(C * L) * 2 pi)
double ResonantFrequency(double inductance, double capacitance);

// L = 1000000 / (F * (C * F) * 4 pi^2)
double InductanceFromFC(double frequency, double capacitance);

// C = 1000000 / (F * (L * F) * 4 pi^2)
double CapacitanceFromFL(double frequency, double inductance);

// XL = L * F * 2 pi
double InductiveReactance(double frequency, double inductance);

// XC = 1000000 / (F * C * 2 pi)
double CapacitiveReactance(double frequency, double capacitance);

}  // namespace calc
