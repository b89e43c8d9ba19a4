// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws one row of the search window's list on the dark face of the keys,
// on one line, in columns: the flags of its hoist as one set flies it, its
// code, its section, its meaning — cut with an ellipsis where it does not
// fit, the words that matched on a bright band, then in a quieter colour the
// signal's note on another edition where the meaning leaves room — and a
// small mark on a meaning whose text was reconstructed, which names that in
// its tooltip.
// The tooltip of the rest of the row is the model's (rowToolTip()): the
// whole meaning and the flags with their Morse.
//
// Every row is one line high, whatever its meaning, so that the list (with
// uniform item sizes) lays out and draws only the rows in view; the small
// flags are scaled once and drawn from a cache. The current row (the one
// Enter shows) is framed, the selected rows are lighter; the first row of a
// section in the whole book has a line above it.

#include <QPixmap>
#include <QStyledItemDelegate>

#include <array>

#include "codebook/signal_flags.h"
#include "forms/shared/reconstructed_mark.h"

class QAbstractItemView;

namespace mss::forms {

class SearchResultsModel;
struct FoundSignal;

class SearchResultDelegate : public QStyledItemDelegate {
public:
    SearchResultDelegate(const SearchResultsModel& model, QAbstractItemView& view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // Where a row drawn in `row` shows the reconstructed mark, and its meaning.
    QRect markRect(const QRect& row) const;
    QRect meaningRect(const QRect& row) const;
    // The meaning as a row of that width shows it: whole, or its beginning
    // and an ellipsis.
    QString meaningShown(const FoundSignal& signal, const QRect& row) const;

private:
    const QPixmap& smallFlag(int flag) const;

    const SearchResultsModel& model_;
    QAbstractItemView& view_;
    QFont codeFont_, sectionFont_, meaningFont_;
    int codeWidth_ = 0, sectionWidth_ = 0, rowHeight_ = 0;
    mutable std::array<QPixmap, codebook::kSignalFlagCount> smallFlags_;  // the substitutes too
};

}  // namespace mss::forms
