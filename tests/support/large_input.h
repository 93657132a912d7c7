// Very large field texts, and everything the form can do with them: shared by
// the test that nothing breaks and the timing program in bench/.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "fw/testing.h"
#include "tests/ui/main_window.h"

namespace kalvex_test {

enum class Filling { Digits, Letters, Outside1252, Controls };

struct FillingKind {
    Filling filling;
    const char* name;
};
inline constexpr FillingKind kFillings[] = {
    {Filling::Digits, "digits"},
    {Filling::Letters, "letters"},
    {Filling::Outside1252, "outside 1252"},
    {Filling::Controls, "control chars"},
};

// A text of `bytes` bytes of UTF-8 (a little less when a character would not
// fit). Each starts the way a user's text might, so that some commands get a
// number to work with and some do not:
// - digits: one long run of digits, a number far beyond a double;
// - letters: "2.5 " then letters;
// - outside 1252: "7" then Greek capital omega (two bytes each), which the
//   program's single-byte texts cannot hold;
// - control chars: "100" then every control character but NUL.
inline std::string LargeUtf8(Filling filling, std::size_t bytes) {
    std::string text;
    text.reserve(bytes);
    switch (filling) {
    case Filling::Digits:
        while (text.size() < bytes) text += static_cast<char>('0' + (text.size() * 7 + 1) % 10);
        break;
    case Filling::Letters:
        text = "2.5 ";
        while (text.size() < bytes) text += static_cast<char>('a' + text.size() % 26);
        break;
    case Filling::Outside1252:
        text = "7";
        while (text.size() + 2 <= bytes) text += "\xCE\xA9";
        break;
    case Filling::Controls:
        text = "100";
        while (text.size() < bytes) text += static_cast<char>(1 + text.size() % 31);
        break;
    }
    text.resize(std::min(text.size(), bytes));
    return text;
}

// The fields that hold numbers, inputs and results.
inline constexpr int kNumberFields[] = {IDC_TURNS, IDC_INDUCTANCE, IDC_CAPACITANCE, IDC_FREQUENCY, IDC_XL, IDC_XC};

inline void FillForm(CCoilDialog& dialog, const std::string& utf8) {
    for (int id : kNumberFields) fw::testing::SetTextUtf8(Item(dialog, id), utf8);
}

using Command = void (CCoilDialog::*)();
inline constexpr std::pair<const char*, Command> kCommands[] = {
    {"CalcTurns", &CCoilDialog::CalcTurns},
    {"CalcInductance", &CCoilDialog::CalcInductance},
    {"CalcFrequency", &CCoilDialog::CalcFrequency},
    {"CalcInductanceFromFC", &CCoilDialog::CalcInductanceFromFC},
    {"CalcCapacitanceFromFL", &CCoilDialog::CalcCapacitanceFromFL},
    {"CalcReactances", &CCoilDialog::CalcReactances},
};

}  // namespace kalvex_test
