// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws one found signal in the search window's list, on the dark face of
// the keys: the flags of its hoist and its code on the left (a table row:
// the table's name), its section and its meaning on the right, the words
// that matched on a bright band, and a small mark on a meaning whose text
// was reconstructed, which names that in its tooltip.
//
// Every row of one list of results is as tall as the tallest meaning among
// them needs at the list's width, so that the list (with uniform item
// sizes) lays out only the rows in view: measuring every meaning of 200
// results was most of the time to show them.

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

    // Where a row drawn in `row` shows the reconstructed mark.
    QRect markRect(const QRect& row) const;

private:
    const QPixmap& smallFlag(int flag) const;
    int meaningWidth() const;

    int uniformRowHeight(int meaningWidth) const;

    const SearchResultsModel& model_;
    QAbstractItemView& view_;
    mutable int rowHeight_ = 0;  // 0 until measured for the results in hand
    mutable int rowHeightWidth_ = 0;
    QFont codeFont_, sectionFont_, meaningFont_;
    mutable std::array<QPixmap, codebook::kSignalFlagCount> smallFlags_;  // the substitutes too
};

}  // namespace mss::forms
