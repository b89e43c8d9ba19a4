// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/search/search_results_model.h"

#include <algorithm>
#include <string_view>

#include "codebook/edition_notes.h"
#include "codebook/hoist_words.h"
#include "codebook/section.h"
#include "codebook/signal_code.h"
#include "qtext/utf8_text.h"

namespace mss::forms {

namespace {

// The place in the meaning, in characters, of byte `byte` of its UTF-8 text.
int characterAt(std::string_view text, std::size_t byte) {
    return static_cast<int>(toQString(text.substr(0, std::min(byte, text.size()))).size());
}

FoundSignal foundSignalOf(const std::string& code, codebook::Section section, const std::string& text,
                          bool reconstructed, std::span<const search::ByteRange> highlights) {
    FoundSignal s;
    s.code = QString::fromStdString(code);
    if (const auto parsed = codebook::SignalCode::parse(code)) s.flags = parsed->hoistFlags();
    s.sectionId = section;
    s.section = toQString(codebook::infoOf(section).title);
    s.meaning = toQString(text);
    for (const search::ByteRange& range : highlights) {
        const int first = characterAt(text, range.begin);
        const int end = characterAt(text, range.end);
        if (end > first) s.highlights.emplace_back(first, end - first);
    }
    s.reconstructed = reconstructed;
    s.note = toQString(codebook::editionNoteOf(code));
    return s;
}

}  // namespace

FoundSignal foundSignalOf(const search::SearchResult& r) {
    return foundSignalOf(r.code, r.section, r.text, r.reconstructed, r.highlights);
}

QString rowToolTip(const FoundSignal& s) {
    QString tip = s.meaning;
    if (!s.flags.empty()) {
        // A row of a table gives the digit hoisted under a signal.
        const QString hoisted = codebook::isComplementTable(s.sectionId)
                                    ? QStringLiteral("Поднимают после сигнала: %1")
                                    : QStringLiteral("Поднимают: %1");
        tip += u'\n' + hoisted.arg(toQString(codebook::hoistWithMorse(s.flags)));
    }
    if (!s.note.isEmpty()) tip += u'\n' + s.note;
    return tip;
}

void SearchResultsModel::setResults(search::SearchResults found) {
    beginResetModel();
    found_ = std::move(found);
    listed_.clear();
    listed_.reserve(found_.results.size());
    for (const search::SearchResult& r : found_.results) listed_.push_back({nullptr, &r});
    ready_.assign(listed_.size(), std::nullopt);
    total_ = found_.total;
    listsBook_ = false;
    endResetModel();
}

void SearchResultsModel::showBook(std::span<const search::SearchRow> book, const search::RowFilter& filter) {
    beginResetModel();
    found_ = {};
    listed_.clear();
    listed_.reserve(book.size());
    for (const search::SearchRow& row : book)
        if (filter.admits(row)) listed_.push_back({&row, nullptr});
    ready_.assign(listed_.size(), std::nullopt);
    total_ = listed_.size();
    listsBook_ = true;
    endResetModel();
}

const FoundSignal& SearchResultsModel::signalAt(int row) const {
    std::optional<FoundSignal>& ready = ready_.at(static_cast<std::size_t>(row));
    if (!ready) {
        const Listed& l = listed_[static_cast<std::size_t>(row)];
        ready = l.result ? foundSignalOf(*l.result)
                         : foundSignalOf(l.bookRow->code, l.bookRow->section, l.bookRow->text,
                                         l.bookRow->reconstructed, {});
    }
    return *ready;
}

QString SearchResultsModel::codeAt(int row) const {
    const Listed& l = listed_.at(static_cast<std::size_t>(row));
    return QString::fromStdString(l.result ? l.result->code : l.bookRow->code);
}

int SearchResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(listed_.size());
}

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    switch (role) {
        case Qt::DisplayRole: return codeAt(index.row());
        case Qt::AccessibleTextRole: {
            const FoundSignal& s = signalAt(index.row());
            QString spoken = s.code + QStringLiteral(", ") + s.section + QStringLiteral(": ") + s.meaning;
            if (s.reconstructed) spoken += QStringLiteral(" (текст восстановлен)");
            if (!s.note.isEmpty()) spoken += u' ' + s.note;
            return spoken;
        }
        case Qt::AccessibleDescriptionRole: {
            const FoundSignal& s = signalAt(index.row());
            return toQString(codebook::hoistWithMorse(s.flags));
        }
        case Qt::ToolTipRole: return rowToolTip(signalAt(index.row()));
        default: return {};
    }
}

}  // namespace mss::forms
