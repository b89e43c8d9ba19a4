// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads and checks the code-book file (data/codebook.tsv): UTF-8, a header
// line, then one row per line with the tab-separated fields
//   list  index  codes  text  source
// Every row is checked against the signal directory, so a text can never
// stand on a row that its signal does not select.

#include <string>
#include <string_view>
#include <vector>

#include "codebook.h"

namespace mss::codebook {

enum class LoadStatus {
    Ok,
    Damaged,     // something in the file is wrong
    Incomplete,  // the file is sound, but a list is missing or short
};

struct LoadProblem {
    int line = 0;         // 1-based line of the file; 0 when it concerns the whole file
    std::string message;  // in Russian, names what is wrong
};

struct LoadResult {
    LoadStatus status = LoadStatus::Ok;
    CodeBook book;
    std::vector<LoadProblem> problems;  // empty exactly when status is Ok

    bool ok() const { return status == LoadStatus::Ok; }
    // The first problem as one line for the user: "Строка 12: ...".
    std::string firstProblem() const;
};

inline constexpr std::string_view kCodeBookHeader = "list\tindex\tcodes\ttext\tsource";

LoadResult parseCodeBook(std::string_view bytes);

}  // namespace mss::codebook
