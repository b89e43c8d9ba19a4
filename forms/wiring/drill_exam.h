// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exam's panel in the drill window's place: how the drill window, which
// knows no exam of its own, comes to hold one.

#include "forms/drill/drill_window.h"

namespace mss::codebook {
class CodeBook;
}

namespace mss::forms {

// Makes the exam's panel on `book` (which must outlive it), on the clock of
// `options` and saving its PDFs where `options` says (a file dialog when it
// says nothing).
MakeExam examPanelMaker(const codebook::CodeBook& book, const DrillWindowOptions& options);

}  // namespace mss::forms
