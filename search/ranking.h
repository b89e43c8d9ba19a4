// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How well each row answers a query plan (BM25): for every part the row
// holds, the part's rarity (inverse document frequency over the rows that
// hold it any way at all) times the weight of the best way the row holds it,
// with the words of a short row counting more than those of a long one and
// a word in an aside («(или указываемое судно)») half as much.
//
// The rows worth listing: those that hold every part, or else score at
// least half the best row's score. Those that hold every part come first;
// then by score; on equal terms in the order of the code (NC before NC1).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "query_plan.h"
#include "row_set.h"
#include "search_result.h"
#include "word_table.h"

namespace mss::search {

class Ranking {
public:
    static constexpr float kK1 = 1.2f;  // how soon a repeated word stops counting more
    static constexpr float kB = 0.75f;  // how much a row's length counts
    static constexpr float kWorthListing = 0.5f;  // of the best score
    static constexpr float kAnswerWhenNotAsked = 0.85f;   // a question's score, when the query asks nothing
    static constexpr float kDenialWhenNotDenied = 0.85f;  // a denial's score, when the query denies nothing

    Ranking(const QueryPlan& plan, const WordTable& table);

    // The rows worth listing, best first, leaving out `skipped`; only those
    // of `admitted` when it is given, the best score taken among them.
    std::vector<std::uint32_t> rowsWorthListing(std::span<const std::size_t> skipped,
                                                const RowSet* admitted = nullptr) const;
    MatchKind kindOf(std::uint32_t row) const;
    // The words of the row's text that matched, in text order.
    std::vector<ByteRange> highlights(std::uint32_t row, std::string_view text) const;

private:
    bool holdsEveryConcept(std::uint32_t row) const { return held_[row] == plan_.concepts.size(); }
    float moodOf(std::uint32_t row) const;
    int tierOf(std::uint32_t row) const { return holdsEveryConcept(row) ? byBeginning_[row] : 2; }

    const QueryPlan& plan_;
    const WordTable& table_;
    std::vector<std::vector<RowSet>> alternativeRows_;  // [part][alternative]
    std::vector<float> scores_;
    std::vector<std::uint16_t> held_;        // concepts held
    std::vector<std::uint8_t> byBeginning_;  // the word being typed held only by a beginning
};

}  // namespace mss::search
