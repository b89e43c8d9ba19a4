// SPDX-License-Identifier: GPL-3.0-or-later
#include "russian_stemmer.h"

#include <libstemmer.h>

#include <stdexcept>

#include "runtime/loaded_library.h"

namespace mss::search {

namespace {

// The Snowball library is opened at the first search, not at start-up.
struct StemmerLibrary {
    decltype(&sb_stemmer_new) create = nullptr;
    decltype(&sb_stemmer_delete) destroy = nullptr;
    decltype(&sb_stemmer_stem) stem = nullptr;
    decltype(&sb_stemmer_length) length = nullptr;

    bool complete() const { return create && destroy && stem && length; }
};

const StemmerLibrary& stemmerLibrary() {
    static const StemmerLibrary library = [] {
        StemmerLibrary l;
        if (const auto* loaded = runtime::LoadedLibrary::open(MSS65_STEMMER_SONAME)) {
            l.create = loaded->symbol<decltype(l.create)>("sb_stemmer_new");
            l.destroy = loaded->symbol<decltype(l.destroy)>("sb_stemmer_delete");
            l.stem = loaded->symbol<decltype(l.stem)>("sb_stemmer_stem");
            l.length = loaded->symbol<decltype(l.length)>("sb_stemmer_length");
        }
        return l;
    }();
    return library;
}

}  // namespace

RussianStemmer::RussianStemmer() {
    const StemmerLibrary& library = stemmerLibrary();
    if (!library.complete())
        throw std::runtime_error("Не удалось открыть библиотеку стеммера " MSS65_STEMMER_SONAME);
    stemmer_ = library.create("russian", "UTF_8");
    if (stemmer_ == nullptr) throw std::runtime_error("Не удалось запустить стеммер русского языка");
}

RussianStemmer::~RussianStemmer() { stemmerLibrary().destroy(stemmer_); }

std::string RussianStemmer::stem(std::string_view word) {
    if (word.empty() || word.size() > kLongestStemmedWord) return std::string(word);
    const StemmerLibrary& library = stemmerLibrary();
    const sb_symbol* stemmed =
        library.stem(stemmer_, reinterpret_cast<const sb_symbol*>(word.data()), static_cast<int>(word.size()));
    if (stemmed == nullptr) throw std::runtime_error("Стеммеру русского языка не хватило памяти");
    return std::string(reinterpret_cast<const char*>(stemmed), static_cast<std::size_t>(library.length(stemmer_)));
}

}  // namespace mss::search
