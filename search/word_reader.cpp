// SPDX-License-Identifier: GPL-3.0-or-later
#include "word_reader.h"

#include "letter_folding.h"
#include "utf8_decoder.h"

namespace mss::search {

namespace {

FoldedChar classify(const DecodedChar& decoded) {
    return decoded.valid ? foldChar(decoded.codePoint) : FoldedChar{};
}

}  // namespace

bool WordReader::next() {
    folded_.clear();
    foldedLength_ = 0;
    // Skip to the first letter: a stress mark or soft hyphen alone is no word.
    while (position_ < text_.size()) {
        const DecodedChar decoded = decodeUtf8At(text_, position_);
        const FoldedChar c = classify(decoded);
        if (c.role == CharRole::Letter) break;
        position_ += decoded.length;
    }
    if (position_ >= text_.size()) return false;

    begin_ = position_;
    while (position_ < text_.size()) {
        const DecodedChar decoded = decodeUtf8At(text_, position_);
        const FoldedChar c = classify(decoded);
        if (c.role == CharRole::Separator) break;
        if (c.role == CharRole::Letter) {
            appendUtf8(folded_, c.folded);
            ++foldedLength_;
        }
        position_ += decoded.length;
    }
    end_ = position_;
    return true;
}

std::size_t bytesOfFoldedPrefix(std::string_view text, std::size_t wordBegin, std::size_t foldedChars) {
    std::size_t position = wordBegin;
    std::size_t letters = 0;
    while (position < text.size() && letters < foldedChars) {
        const DecodedChar decoded = decodeUtf8At(text, position);
        const FoldedChar c = classify(decoded);
        if (c.role == CharRole::Separator) break;
        if (c.role == CharRole::Letter) ++letters;
        position += decoded.length;
    }
    return position - wordBegin;
}

}  // namespace mss::search
