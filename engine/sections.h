// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's start-up and its six sections as lists of steps.

#include "steps.h"

namespace mss::engine {

// What start-up changes in the state the window is created with.
const StepList& loadSteps();

// What choosing a section does.
const StepList& sectionSteps(Section section);

}  // namespace mss::engine
