// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows the search window lists: the signals found for what is typed,
// best first, or with nothing typed the whole book (as a filter narrows it)
// in the order of the code. For each, its code, the flags of its hoist, its
// section's title, its meaning and the parts of the meaning that matched,
// ready to draw.
//
// A row is made ready the first time it is asked for (drawn, read out or
// shown in a tooltip): listing the 1,899 codes of the book only notes where
// each one is.

#include <QAbstractListModel>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "search/row_filter.h"
#include "search/search_result.h"

namespace mss::forms {

struct FoundSignal {
    QString code;            // "AE1", "MAA", "II-3"
    std::vector<int> flags;  // its hoist as one set flies it, top down (a table row: its digit)
    codebook::Section sectionId = codebook::Section::General;
    QString section;         // «Общий раздел»
    QString meaning;
    // Characters [first, first + second) of the meaning that matched the query.
    std::vector<std::pair<int, int>> highlights;
    bool reconstructed = false;
    // What a learner with another edition of the code should know (codebook/edition_notes.h); mostly empty.
    QString note;
};

// The same signal ready to draw.
FoundSignal foundSignalOf(const search::SearchResult& result);

// What the tooltip of a row says: the whole meaning, on a second line its
// flags as hoisted with their Morse («Поднимают: Майк (M, --), Алфа (A, .-),
// 2-й заменяющий (повторяет A)») and the signal's note on another edition,
// where it has one.
QString rowToolTip(const FoundSignal& signal);

class SearchResultsModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // The signals found, best first, as many as the search returned.
    void setResults(search::SearchResults found);
    // Every row of `book` that `filter` admits, in the order given.
    void showBook(std::span<const search::SearchRow> book, const search::RowFilter& filter);

    const FoundSignal& signalAt(int row) const;
    // The code of a row, without making the row ready.
    QString codeAt(int row) const;
    // How many were found (more than listed when the search left some out),
    // or how many of the book are listed.
    std::size_t total() const { return total_; }
    // The query as searched when a word typed was put right; empty otherwise.
    const std::string& corrected() const { return found_.corrected; }
    // Whether the rows are the book's in its order, rather than what a search found.
    bool listsBook() const { return listsBook_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    // The display role is the code; a screen reader hears code, section,
    // meaning and note (the accessible text role), and the flags with their Morse
    // (the accessible description); the tooltip is rowToolTip().
    QVariant data(const QModelIndex& index, int role) const override;

private:
    // Where a row's text is: a result of the search, or a row of the book.
    struct Listed {
        const search::SearchRow* bookRow = nullptr;
        const search::SearchResult* result = nullptr;
    };

    search::SearchResults found_;
    std::vector<Listed> listed_;
    mutable std::vector<std::optional<FoundSignal>> ready_;
    std::size_t total_ = 0;
    bool listsBook_ = false;
};

}  // namespace mss::forms
