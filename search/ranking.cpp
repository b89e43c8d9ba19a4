// SPDX-License-Identifier: GPL-3.0-or-later
#include "ranking.h"

#include <algorithm>
#include <cmath>

#include "word_reader.h"

namespace mss::search {

namespace {

RowSet rowsOfAlternative(const Alternative& a, const WordTable& table) {
    RowSet rows(table.rowCount());
    switch (a.kind) {
        case Alternative::Kind::AllWords: {
            for (std::uint32_t row : table.rowsWithWord(a.ids.front())) rows.insert(row);
            for (std::size_t i = 1; i < a.ids.size(); ++i) {
                RowSet also(table.rowCount());
                for (std::uint32_t row : table.rowsWithWord(a.ids[i])) also.insert(row);
                rows.keepOnly(also);
            }
            break;
        }
        case Alternative::Kind::AnyWord:
            for (std::uint32_t word : a.ids)
                for (std::uint32_t row : table.rowsWithWord(word)) rows.insert(row);
            break;
        case Alternative::Kind::AnyForm:
            for (std::uint32_t form : a.ids)
                for (std::uint32_t row : table.rowsWithForm(form)) rows.insert(row);
            for (std::uint32_t form = a.beginning.first; form < a.beginning.last; ++form)
                for (std::uint32_t row : table.rowsWithForm(form)) rows.insert(row);
            break;
    }
    return rows;
}

}  // namespace

Ranking::Ranking(const QueryPlan& plan, const WordTable& table)
    : plan_(plan),
      table_(table),
      scores_(table.rowCount(), 0.0f),
      held_(table.rowCount(), 0),
      byBeginning_(table.rowCount(), 0) {
    const auto rowCount = static_cast<float>(table.rowCount());
    // The share of BM25 a row gets for holding a word `weight` times.
    const auto saturation = [&](std::uint32_t row, float weight) {
        const float length = 1 - kB + kB * table.rowLength(row) / table.averageRowLength();
        return weight * (kK1 + 1) / (weight + kK1 * length);
    };
    std::vector<float> best(table.rowCount(), 0.0f);
    std::vector<std::uint8_t> bestByBeginning(table.rowCount(), 0);
    alternativeRows_.reserve(plan.concepts.size());
    for (const Concept& part : plan.concepts) {
        std::vector<RowSet>& sets = alternativeRows_.emplace_back();
        RowSet any(table.rowCount());
        for (const Alternative& a : part.alternatives) {
            sets.push_back(rowsOfAlternative(a, table));
            any.insertAll(sets.back());
        }
        const auto holding = static_cast<float>(any.count());
        const float rarity = std::log(1 + (rowCount - holding + 0.5f) / (holding + 0.5f));

        for (std::size_t i = 0; i < part.alternatives.size(); ++i) {
            const Alternative& a = part.alternatives[i];
            RowSet exact(table.rowCount());
            if (a.exactForm)
                for (std::uint32_t row : table.rowsWithForm(*a.exactForm)) exact.insert(row);
            const auto offer = [&](std::uint32_t row, float weight) {
                float score = a.weight * rarity * saturation(row, weight);
                if (exact.contains(row)) score *= Weights::kExactForm;
                if (score > best[row]) {
                    best[row] = score;
                    bestByBeginning[row] = a.byBeginning ? 1 : 0;
                }
            };
            if (a.kind == Alternative::Kind::AllWords && a.ids.size() == 1) {
                const auto rows = table.rowsWithWord(a.ids.front());
                const auto weights = table.weightsOfWord(a.ids.front());
                for (std::size_t k = 0; k < rows.size(); ++k) offer(rows[k], weights[k]);
            } else {
                sets[i].forEach([&](std::size_t row) {
                    offer(static_cast<std::uint32_t>(row), 1.0f);
                    return true;
                });
            }
        }
        any.forEach([&](std::size_t row) {
            scores_[row] += best[row];
            ++held_[row];
            byBeginning_[row] = static_cast<std::uint8_t>(byBeginning_[row] | bestByBeginning[row]);
            best[row] = 0;
            bestByBeginning[row] = 0;
            return true;
        });
    }
    for (std::uint32_t row = 0; row < scores_.size(); ++row) scores_[row] *= moodOf(row);
}

float Ranking::moodOf(std::uint32_t row) const {
    float mood = 1;
    if (table_.asks(row) && !plan_.asks) mood *= kAnswerWhenNotAsked;
    if (table_.denies(row) && !plan_.denies) mood *= kDenialWhenNotDenied;
    return mood;
}

std::vector<std::uint32_t> Ranking::rowsWorthListing(std::span<const std::size_t> skipped,
                                                     const RowSet* admitted) const {
    std::vector<std::uint32_t> rows;
    float top = 0;
    for (std::uint32_t row = 0; row < scores_.size(); ++row) {
        if (held_[row] == 0 || std::find(skipped.begin(), skipped.end(), row) != skipped.end()) continue;
        if (admitted && !admitted->contains(row)) continue;
        rows.push_back(row);
        top = std::max(top, scores_[row]);
    }
    std::erase_if(rows, [&](std::uint32_t row) { return !holdsEveryConcept(row) && scores_[row] < kWorthListing * top; });
    std::sort(rows.begin(), rows.end(), [&](std::uint32_t a, std::uint32_t b) {
        if (tierOf(a) != tierOf(b)) return tierOf(a) < tierOf(b);
        if (scores_[a] != scores_[b]) return scores_[a] > scores_[b];
        return a < b;
    });
    return rows;
}

MatchKind Ranking::kindOf(std::uint32_t row) const {
    if (!holdsEveryConcept(row)) return MatchKind::SomeWords;
    return byBeginning_[row] ? MatchKind::WordPrefix : MatchKind::WholeWords;
}

std::vector<ByteRange> Ranking::highlights(std::uint32_t row, std::string_view text) const {
    // For each part, the heaviest way the row holds it.
    std::vector<const Alternative*> used;
    for (std::size_t c = 0; c < plan_.concepts.size(); ++c) {
        const auto& alternatives = plan_.concepts[c].alternatives;
        for (std::size_t i = 0; i < alternatives.size(); ++i)
            if (alternativeRows_[c][i].contains(row)) {
                used.push_back(&alternatives[i]);
                break;
            }
    }
    std::vector<ByteRange> ranges;
    for (const WordTable::Spot& spot : table_.spotsOf(row)) {
        const std::uint32_t word = table_.wordOfForm(spot.form);
        std::size_t end = 0;
        for (const Alternative* a : used) {
            const bool whole = a->kind == Alternative::Kind::AnyForm
                                   ? std::find(a->ids.begin(), a->ids.end(), spot.form) != a->ids.end()
                                   : std::find(a->ids.begin(), a->ids.end(), word) != a->ids.end();
            if (whole) {
                end = spot.end;
                break;
            }
            if (a->beginning.contains(spot.form))
                end = std::max<std::size_t>(end, spot.begin + bytesOfFoldedPrefix(text, spot.begin, plan_.typedLetters));
        }
        if (end > spot.begin) ranges.push_back({spot.begin, end});
    }
    return ranges;
}

}  // namespace mss::search
