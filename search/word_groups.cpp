// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_groups.h"

#include <functional>

#include "russian_stemmer.h"

namespace mss::search {

namespace {

// An apart word's key: no stem begins with '='.
std::string apartKey(const std::string& firstForm) { return '=' + firstForm; }

}  // namespace

WordGroups::WordGroups(const WordForms& forms, RussianStemmer& stemmer) {
    for (const Phrase& line : forms.apart)
        for (const std::string& form : line) apart_.emplace(form, apartKey(line.front()));

    // Union of the stems of each join line; lines that share a stem join too.
    StringMap parent;
    const std::function<std::string(const std::string&)> root = [&](const std::string& key) {
        const auto found = parent.find(key);
        if (found == parent.end() || found->second == key) return key;
        std::string top = root(found->second);
        parent[key] = top;
        return top;
    };
    for (const Phrase& line : forms.joins) {
        const std::string first = root(keyOf(line.front(), stemmer));
        parent.emplace(first, first);
        for (const std::string& form : line) {
            const std::string other = root(keyOf(form, stemmer));
            if (other != first) parent[other] = first;
        }
    }
    for (const auto& [key, up] : parent) {
        const std::string top = root(key);
        if (top != key) joined_.emplace(key, top);
    }
}

std::string WordGroups::keyOf(std::string_view folded, RussianStemmer& stemmer) const {
    if (const auto apart = apart_.find(folded); apart != apart_.end()) return apart->second;
    std::string stem = stemmer.stem(folded);
    if (const auto joined = joined_.find(stem); joined != joined_.end()) return joined->second;
    return stem;
}

}  // namespace mss::search
