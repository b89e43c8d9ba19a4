// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words of the book near a word that the book does not have: «пажар» is
// «пожар», «лоцмна» is «лоцман». An edit is a letter added, dropped or
// changed, or two neighbours swapped; a word of four letters or more may be
// one edit off, a shorter one not at all, and only the nearest are taken.
// Two edits are allowed only where the stem (the word without its ending)
// has eight letters or more: two letters changed in a shorter stem make
// another word rather than a slip of the fingers («пресная» is no
// «красная», «знобит» no «значит»).
//
// Where no form is near, stems are: a stem of six or seven letters may be
// one edit off, a longer one two; a stem of five letters or fewer is
// compared with nothing («пресн» is no «прежн»).
//
// A word is compared with the forms of the book, and its stem with their
// stems («айсберками» is two edits from every form, one from the stem
// «айсберг»). A word still being typed is compared with the beginnings of
// the forms: «пажа» is near «пожар», «пожара».

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "word_table.h"

namespace mss::search {

struct Correction {
    int edits = 0;
    std::vector<std::uint32_t> forms;  // forms near the word as a whole
    std::vector<std::uint32_t> begun;  // for a word being typed, forms that only begin near it
    std::vector<std::uint32_t> words;  // words whose stem is near the word's stem
    std::string shown;                 // what to show for the word typed: the commonest near form (or beginning)
};

class TypoMatcher {
public:
    TypoMatcher() = default;
    explicit TypoMatcher(const WordTable& table);  // of the table it is later asked about

    static int allowedEdits(std::size_t letters, std::size_t stemLetters);
    static int allowedStemEdits(std::size_t letters);

    // Nothing when no form or stem is near enough.
    std::optional<Correction> correct(const WordTable& table, std::string_view folded, std::string_view stem,
                                      bool beginning) const;

private:
    std::vector<std::u32string> forms_;  // the table's forms, as letters
    std::vector<std::uint64_t> formMasks_;
    std::vector<std::u32string> stems_;  // each word's stem, as letters; empty for a word of its own (apart)
    std::vector<std::uint64_t> stemMasks_;
};

}  // namespace mss::search
