// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmarks of real windows share: the shipped code book, a way to
// let a window finish its work and paint, and percentiles of the times taken.
// window_bench_main.cpp is their main(): offscreen unless told otherwise, the
// application set up as the program sets it up.

#include <vector>

#include "codebook/codebook.h"

class QWidget;

namespace mss::bench {

const codebook::CodeBook& shippedBook();

// Lets the window handle what was posted, then paints every region that is
// still marked dirty and hands it to the screen, as the next update request
// of the window system would.
void settle(QWidget* window);

// The p-th percentile (0 < p <= 1) of the values.
double percentile(std::vector<double> values, double p);

}  // namespace mss::bench
