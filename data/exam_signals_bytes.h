// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exam's list of signals (data/exam_signals.tsv), compiled into the
// program: its UTF-8 bytes, exactly as in the file.

#include <string_view>

namespace mss::data {

std::string_view examSignalsBytes();

}  // namespace mss::data
