// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Connects the main window's «Поиск» (Ctrl+F) to the search window. The
// search index is built from the code book the first time the learner asks
// for the search, never at start-up, and kept for every later search.

namespace mss::codebook {
class CodeBook;
}

namespace mss::forms {

class MainWindow;

// `book` must outlive `window`.
void offerSearch(MainWindow& window, const codebook::CodeBook& book);

}  // namespace mss::forms
