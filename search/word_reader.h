// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits a UTF-8 text into words, one at a time, without allocating per word.
// A word is a run of word characters (see letter_folding.h); a hyphen splits
// «Северо-восток» into «северо» and «восток», as any separator does. Invalid
// UTF-8 and control characters separate words like spaces.
//
//     WordReader words(text);
//     while (words.next()) use(words.begin(), words.end(), words.folded());

#include <cstddef>
#include <string>
#include <string_view>

namespace mss::search {

class WordReader {
public:
    explicit WordReader(std::string_view text) : text_(text) {}

    // Moves to the next word; false when there is none left.
    bool next();

    // Byte range of the word in the text: from its first letter up to the end
    // of its last letter (or of a stress mark right after it).
    std::size_t begin() const { return begin_; }
    std::size_t end() const { return end_; }
    // The word in lower case, ё as е, stress marks and soft hyphens left out.
    std::string_view folded() const { return folded_; }
    std::size_t foldedLength() const { return foldedLength_; }  // in characters

private:
    std::string_view text_;
    std::size_t position_ = 0;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::string folded_;
    std::size_t foldedLength_ = 0;
};

// The number of bytes, from the start of the word at `wordBegin`, that hold
// its first `foldedChars` folded characters: the span to highlight when a
// typed prefix of that length matched the word.
std::size_t bytesOfFoldedPrefix(std::string_view text, std::size_t wordBegin, std::size_t foldedChars);

}  // namespace mss::search
