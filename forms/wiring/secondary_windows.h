// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the main window reaches the secondary windows, and they it: «Поиск»
// (Ctrl+F) opens the search, whose chosen signal goes up on the main window;
// «Тренировка» (F2) opens the drill. Each window is made when first asked
// for, never at start-up (the search index is built then, and kept), and is
// one for the whole program. The program and the tests wire them the same way.

#include "forms/drill/drill_window.h"
#include "forms/search/sheet_output_bar.h"

#include <memory>

namespace mss::codebook {
class CodeBook;
}
namespace mss::search {
class SearchIndex;
}

namespace mss::forms {

class MainWindow;
class SearchWindow;

// `book` must outlive every window opened. `output` says where the search
// window's cards are saved and how it warns (tests answer for the dialogs).
void offerSearch(MainWindow& window, const codebook::CodeBook& book, SheetOutputOptions output = {});
// Opens the search on `index`, built from `book`, beside `window`, its chosen
// signals shown there.
SearchWindow* openSearch(MainWindow& window, std::shared_ptr<const search::SearchIndex> index,
                         const codebook::CodeBook& book, const SheetOutputOptions& output = {});
void offerDrill(MainWindow& window, const codebook::CodeBook& book, DrillWindowOptions options);

}  // namespace mss::forms
