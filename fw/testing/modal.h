// Test support: acting inside modal windows, and windows opened without a
// modal run.
#pragma once

#include <functional>

#include "fw/types.h"

class CDialog;

namespace fw::testing {

// Runs `action` once the next modal window is up. When the action returns
// and the window is still open, it is ended with kEndedByTest.
inline constexpr int kEndedByTest = -100;
void WhenModal(std::function<void(CDialog&)> action);

// Creates the window of `dialog` from template `templateId` and initialises
// it as DoModal does, shows it and returns at once, with no modal run: the
// window takes calls between the inputs of a fuzz target, which sends one
// window many inputs. It stays until CloseDialog. Answers false when there is
// no such template.
bool OpenDialog(CDialog& dialog, UINT templateId);
void CloseDialog(CDialog& dialog);

}  // namespace fw::testing
