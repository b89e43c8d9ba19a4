// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search's word tables as compiled into the program: everyday_words.tsv
// and word_forms.tsv (search/vocabulary.h reads them).

#include <string_view>

namespace mss::data {

std::string_view everydayWordsBytes();
std::string_view wordFormsBytes();

}  // namespace mss::data
