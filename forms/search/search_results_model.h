// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The found signals as the search window lists them: for each, its code, the
// flags that spell it, its section's title, its meaning and the parts of the
// meaning that matched, ready to draw.

#include <QAbstractListModel>
#include <QString>

#include <utility>
#include <vector>

#include "search/search_result.h"

namespace mss::forms {

struct FoundSignal {
    QString code;            // "AE1", "MAA", "II-3"
    std::vector<int> flags;  // the catalogue flags of its hoist, top down; none for a table row
    QString tableName;       // a table row's table: «Таблица II»; empty otherwise
    QString section;         // «Общий раздел»
    QString meaning;
    // Characters [first, first + second) of the meaning that matched the query.
    std::vector<std::pair<int, int>> highlights;
    bool reconstructed = false;
};

// The same signal ready to draw.
FoundSignal foundSignalOf(const search::SearchResult& result);

class SearchResultsModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setResults(const search::SearchResults& found);
    const FoundSignal& signalAt(int row) const { return signals_.at(static_cast<std::size_t>(row)); }
    std::size_t total() const { return total_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    // The display role is the code; a screen reader hears code, section and
    // meaning (the accessible text role).
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<FoundSignal> signals_;
    std::size_t total_ = 0;
};

}  // namespace mss::forms
