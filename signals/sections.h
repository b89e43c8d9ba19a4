#pragma once
// The window's start-up and its six section buttons as lists of steps.

#include "steps.h"

namespace mss::signals {

inline constexpr int kSectionCount = 6;

// Engine part of Form_Load: what start-up changes in the design-time state.
const StepList& formLoadSteps();

// Steps of OptionN_Click, n = 1..6.
const StepList& sectionSteps(int option);

}  // namespace mss::signals
