// SPDX-License-Identifier: GPL-3.0-or-later
#include "typo_matcher.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <limits>

#include "utf8_decoder.h"

namespace mss::search {

namespace {

std::u32string lettersOf(std::string_view utf8) {
    std::u32string letters;
    for (std::size_t at = 0; at < utf8.size();) {
        const DecodedChar c = decodeUtf8At(utf8, at);
        letters.push_back(c.codePoint);
        at += c.length;
    }
    return letters;
}

std::string utf8Of(std::u32string_view letters) {
    std::string out;
    for (char32_t c : letters) appendUtf8(out, c);
    return out;
}

constexpr int kFar = std::numeric_limits<int>::max() / 4;
constexpr std::size_t kLongestCompared = 40;  // letters; longer words are no typos of the book's

// Which letters a word has, one bit per letter (letters that share a bit
// only make the test weaker): a letter of one word that the other lacks
// costs at least one edit.
std::uint64_t lettersMask(std::u32string_view letters) {
    std::uint64_t mask = 0;
    for (char32_t c : letters) mask |= std::uint64_t{1} << (c % 64);
    return mask;
}

struct Distance {
    int edits = kFar;
    std::size_t length = 0;  // of the part of the form compared
};

struct Distances {
    Distance whole;  // to the form
    Distance begun;  // to the nearest beginning of the form (of equally near ones, the closest in length)
};

// Edits from `typed` to `form` and to its nearest beginning (restricted
// Damerau–Levenshtein), each kFar when over `limit`. Only cells within
// `limit` of the diagonal can be within `limit`, so only they are worked out.
Distances editsBetween(std::u32string_view typed, std::u32string_view form, int limit) {
    const auto m = static_cast<int>(typed.size());
    const auto n = static_cast<int>(std::min(form.size(), kLongestCompared));
    if (n + limit < m) return {};
    // rows[i % 3][j]: edits from the first i typed letters to the first j of the form.
    std::array<std::array<int, kLongestCompared + 1>, 3> rows;
    for (auto& row : rows) row.fill(kFar);
    for (int j = 0; j <= std::min(n, limit); ++j) rows[0][static_cast<std::size_t>(j)] = j;
    for (int i = 1; i <= m; ++i) {
        auto& row = rows[static_cast<std::size_t>(i % 3)];
        const auto& up = rows[static_cast<std::size_t>((i - 1) % 3)];
        const auto& upTwo = rows[static_cast<std::size_t>((i + 1) % 3)];
        row.fill(kFar);
        if (i <= limit) row[0] = i;
        int best = row[0];
        for (int j = std::max(1, i - limit); j <= std::min(n, i + limit); ++j) {
            const auto uj = static_cast<std::size_t>(j);
            const int change = typed[static_cast<std::size_t>(i - 1)] == form[uj - 1] ? 0 : 1;
            int d = std::min({up[uj] + 1, row[uj - 1] + 1, up[uj - 1] + change});
            if (i > 1 && j > 1 && typed[static_cast<std::size_t>(i - 1)] == form[uj - 2] &&
                typed[static_cast<std::size_t>(i - 2)] == form[uj - 1])
                d = std::min(d, upTwo[uj - 2] + 1);
            row[uj] = d;
            best = std::min(best, d);
        }
        if (best > limit) return {};
    }
    const auto& last = rows[static_cast<std::size_t>(m % 3)];
    Distances found;
    if (last[static_cast<std::size_t>(n)] <= limit) found.whole = {last[static_cast<std::size_t>(n)], static_cast<std::size_t>(n)};
    for (int j = std::max(0, m - limit); j <= std::min(n, m + limit); ++j) {
        const int edits = last[static_cast<std::size_t>(j)];
        const bool closer = edits < found.begun.edits ||
                            (edits == found.begun.edits && std::abs(j - m) < std::abs(static_cast<int>(found.begun.length) - m));
        if (edits <= limit && closer) found.begun = {edits, static_cast<std::size_t>(j)};
    }
    return found;
}

}  // namespace

int TypoMatcher::allowedEdits(std::size_t letters, std::size_t stemLetters) {
    if (letters < 4) return 0;
    return letters >= 6 && stemLetters >= 8 ? 2 : 1;
}

int TypoMatcher::allowedStemEdits(std::size_t letters) {
    // A stem is a word without its ending: the short ones are too alike
    // («пресн» and «прежн» are two words, one letter apart).
    if (letters < 6) return 0;
    return letters <= 7 ? 1 : 2;
}

TypoMatcher::TypoMatcher(const WordTable& table) {
    forms_.reserve(table.formCount());
    for (std::uint32_t f = 0; f < table.formCount(); ++f) {
        forms_.push_back(lettersOf(table.form(f)));
        formMasks_.push_back(lettersMask(forms_.back()));
    }
    stems_.reserve(table.wordCount());
    for (std::uint32_t w = 0; w < table.wordCount(); ++w) {
        const std::string& key = table.wordKey(w);
        stems_.push_back(key.starts_with('=') ? std::u32string() : lettersOf(key));
        stemMasks_.push_back(lettersMask(stems_.back()));
    }
}

std::optional<Correction> TypoMatcher::correct(const WordTable& table, std::string_view folded, std::string_view stem,
                                               bool beginning) const {
    const std::u32string typed = lettersOf(folded);
    const std::u32string typedStem = lettersOf(stem);
    const int limit = allowedEdits(typed.size(), typedStem.size());
    if (limit == 0 || typed.size() > kLongestCompared) return std::nullopt;

    // Every form near enough, as a whole and (for a word being typed) by a beginning.
    struct Near {
        std::uint32_t form;
        Distance whole, begun;
    };
    std::vector<Near> near;
    int least = limit;
    const std::uint64_t typedMask = lettersMask(typed);
    for (std::uint32_t f = 0; f < forms_.size(); ++f) {
        // Letters typed that the form lacks; for a whole form, letters it has that were not typed, too.
        const int missing = std::popcount(typedMask & ~formMasks_[f]);
        const int extra = std::popcount(formMasks_[f] & ~typedMask);
        if (missing > least || (!beginning && extra > least)) continue;
        const Distances d = editsBetween(typed, forms_[f], least);
        const Distance whole = d.whole;
        const Distance begun = beginning ? d.begun : Distance{};
        const int edits = std::min(whole.edits, begun.edits);
        if (edits > least) continue;
        least = edits;
        near.push_back({f, whole, begun});
    }
    // Stems help where no form is near: another ending on a mistyped word.
    const int stemLimit = near.empty() ? allowedStemEdits(typedStem.size()) : 0;
    std::vector<std::pair<std::uint32_t, int>> nearStems;
    if (stemLimit > 0) {
        const std::uint64_t stemMask = lettersMask(typedStem);
        for (std::uint32_t w = 0; w < stems_.size(); ++w) {
            if (stems_[w].empty() || std::popcount(stemMask & ~stemMasks_[w]) > stemLimit ||
                std::popcount(stemMasks_[w] & ~stemMask) > stemLimit)
                continue;
            const Distance d = editsBetween(typedStem, stems_[w], std::min(least, stemLimit)).whole;
            if (d.edits > stemLimit || d.edits > least) continue;
            least = d.edits;
            nearStems.emplace_back(w, d.edits);
        }
    }

    Correction found;
    found.edits = least;
    std::size_t shownRows = 0;
    bool shownWhole = false;
    for (const Near& n : near) {
        const bool whole = n.whole.edits == least;
        if (!whole && n.begun.edits != least) continue;
        (whole ? found.forms : found.begun).push_back(n.form);
        // Show the commonest form that is near as a whole, else the commonest beginning.
        const std::size_t rows = table.rowsWithForm(n.form).size();
        if ((whole && !shownWhole) || (whole == shownWhole && rows > shownRows)) {
            found.shown = utf8Of(std::u32string_view(forms_[n.form]).substr(0, whole ? n.whole.length : n.begun.length));
            shownRows = rows;
            shownWhole = whole;
        }
    }
    for (const auto& [word, edits] : nearStems)
        if (edits == least) found.words.push_back(word);
    if (found.forms.empty() && found.begun.empty() && found.words.empty()) return std::nullopt;
    if (found.shown.empty()) {
        // Only stems were near: show the form of those words nearest to what was typed.
        int nearest = kFar;
        for (std::uint32_t f = 0; f < forms_.size(); ++f) {
            if (std::find(found.words.begin(), found.words.end(), table.wordOfForm(f)) == found.words.end()) continue;
            const Distance d = editsBetween(typed, forms_[f], static_cast<int>(kLongestCompared)).whole;
            if (d.edits < nearest) {
                nearest = d.edits;
                found.shown = table.form(f);
            }
        }
    }
    return found;
}

}  // namespace mss::search
