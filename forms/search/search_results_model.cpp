// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/search/search_results_model.h"

#include <algorithm>
#include <string_view>

#include "codebook/signal_code.h"
#include "codebook/section.h"
#include "qtext/utf8_text.h"

namespace mss::forms {

namespace {


// The place in the meaning, in characters, of byte `byte` of its UTF-8 text.
int characterAt(const std::string& text, std::size_t byte) {
    return static_cast<int>(toQString(std::string_view(text).substr(0, std::min(byte, text.size()))).size());
}

}  // namespace

FoundSignal foundSignalOf(const search::SearchResult& r) {
    FoundSignal s;
    s.code = QString::fromStdString(r.code);
    if (const auto code = codebook::SignalCode::parse(r.code)) {
        if (code->table())
            s.tableName = toQString(codebook::infoOf(code->section()).title);
        else
            s.flags = code->hoistFlags();
    }
    s.section = toQString(codebook::infoOf(r.section).title);
    s.meaning = QString::fromStdString(r.text);
    for (const search::ByteRange& range : r.highlights) {
        const int first = characterAt(r.text, range.begin);
        const int end = characterAt(r.text, range.end);
        if (end > first) s.highlights.emplace_back(first, end - first);
    }
    s.reconstructed = r.reconstructed;
    return s;
}

void SearchResultsModel::setResults(const search::SearchResults& found) {
    beginResetModel();
    signals_.clear();
    signals_.reserve(found.results.size());
    for (const search::SearchResult& r : found.results) signals_.push_back(foundSignalOf(r));
    total_ = found.total;
    endResetModel();
}

int SearchResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(signals_.size());
}

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const FoundSignal& s = signalAt(index.row());
    switch (role) {
        case Qt::DisplayRole: return s.code;
        case Qt::AccessibleTextRole: {
            QString spoken = s.code + QStringLiteral(", ") + s.section + QStringLiteral(": ") + s.meaning;
            if (s.reconstructed) spoken += QStringLiteral(" (текст восстановлен)");
            return spoken;
        }
        default: return {};
    }
}

}  // namespace mss::forms
