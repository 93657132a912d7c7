// Test support, for tests only: the toolkit started headless, modal windows
// acted in, real key and mouse input, pictures of what was drawn, and the
// desktop answered in the user's place or watched as the user meets it.
#pragma once

#include "fw/testing/fake_desktop.h"
#include "fw/testing/input.h"
#include "fw/testing/modal.h"
#include "fw/testing/pictures.h"
#include "fw/testing/real_desktop.h"
#include "fw/testing/toolkit.h"
