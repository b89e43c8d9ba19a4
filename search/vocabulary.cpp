// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary.h"

#include <stdexcept>

#include "data/search_words_bytes.h"
#include "word_reader.h"

namespace mss::search {

namespace {

constexpr std::size_t kLongestSaying = 3;  // words

Phrase wordsOf(std::string_view text) {
    Phrase words;
    WordReader reader(text);
    while (reader.next()) words.emplace_back(reader.folded());
    return words;
}

// Calls take(line, number) for each line that is neither empty nor a comment.
template <class Take>
void forEachLine(std::string_view text, Take take) {
    int number = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        take(line, number);
    }
}

[[noreturn]] void fail(std::string_view table, int line, std::string_view what) {
    throw std::runtime_error(std::string(table) + ", строка " + std::to_string(line) + ": " + std::string(what));
}

std::vector<EverydayWord> readEverydayWords(std::string_view text) {
    constexpr std::string_view kTable = "everyday_words.tsv";
    std::vector<EverydayWord> words;
    forEachLine(text, [&](std::string_view line, int number) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) fail(kTable, number, "нет табуляции между словами и их заменой");
        EverydayWord word{wordsOf(line.substr(0, tab)), {}, number};
        if (word.said.empty() || word.said.size() > kLongestSaying)
            fail(kTable, number, "слева должно быть от одного до трех слов");
        std::string_view rest = line.substr(tab + 1);
        while (true) {
            const std::size_t bar = rest.find('|');
            Phrase alternative = wordsOf(rest.substr(0, bar));
            if (alternative.empty()) fail(kTable, number, "пустая замена");
            word.inBook.push_back(std::move(alternative));
            if (bar == std::string_view::npos) break;
            rest.remove_prefix(bar + 1);
        }
        words.push_back(std::move(word));
    });
    return words;
}

WordForms readWordForms(std::string_view text) {
    constexpr std::string_view kTable = "word_forms.tsv";
    WordForms forms;
    forEachLine(text, [&](std::string_view line, int number) {
        const std::size_t tab = line.find('\t');
        const std::string_view kind = line.substr(0, tab);
        Phrase words = tab == std::string_view::npos ? Phrase{} : wordsOf(line.substr(tab + 1));
        if (kind == "join") {
            if (words.size() < 2) fail(kTable, number, "объединять нужно хотя бы две формы");
            forms.joins.push_back(std::move(words));
        } else if (kind == "apart") {
            if (words.empty()) fail(kTable, number, "не названо ни одной формы");
            forms.apart.push_back(std::move(words));
        } else {
            fail(kTable, number, "строка должна начинаться с join или apart и табуляции");
        }
    });
    return forms;
}

}  // namespace

Vocabulary readVocabulary(std::string_view everydayWords, std::string_view wordForms) {
    return {readEverydayWords(everydayWords), readWordForms(wordForms)};
}

const Vocabulary& shippedVocabulary() {
    static const Vocabulary vocabulary = readVocabulary(data::everydayWordsBytes(), data::wordFormsBytes());
    return vocabulary;
}

}  // namespace mss::search
