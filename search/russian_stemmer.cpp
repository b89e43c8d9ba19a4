// SPDX-License-Identifier: GPL-3.0-or-later
#include "russian_stemmer.h"

#include <libstemmer.h>

#include <stdexcept>

namespace mss::search {

RussianStemmer::RussianStemmer() : stemmer_(sb_stemmer_new("russian", "UTF_8")) {
    if (stemmer_ == nullptr) throw std::runtime_error("Не удалось запустить стеммер русского языка");
}

RussianStemmer::~RussianStemmer() { sb_stemmer_delete(stemmer_); }

std::string RussianStemmer::stem(std::string_view word) {
    if (word.empty() || word.size() > kLongestStemmedWord) return std::string(word);
    const sb_symbol* stemmed =
        sb_stemmer_stem(stemmer_, reinterpret_cast<const sb_symbol*>(word.data()), static_cast<int>(word.size()));
    if (stemmed == nullptr) throw std::runtime_error("Стеммеру русского языка не хватило памяти");
    return std::string(reinterpret_cast<const char*>(stemmed), static_cast<std::size_t>(sb_stemmer_length(stemmer_)));
}

}  // namespace mss::search
