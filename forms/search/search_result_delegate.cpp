// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/search/search_result_delegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "look/look.h"
#include "forms/shared/picture_catalogue.h"
#include "forms/search/search_results_model.h"

namespace mss::forms {

namespace {

// Pixels. The flags stand side by side, at a third of their size in the hoist.
constexpr int kPadding = 6;
constexpr int kFlagHeight = 20;
constexpr int kFlagWidth = 30;
constexpr int kFlagGap = 3;
constexpr int kLeftColumn = 3 * kFlagWidth + 2 * kFlagGap;
constexpr int kColumnGap = 12;
constexpr int kMeaningLeft = kPadding + kLeftColumn + kColumnGap;
constexpr int kLineGap = 2;
constexpr int kMarkSize = 15;

const QColor kSelectedFace = look::kDarkFace.lighter(look::kChosenFaceLighter);

// The meaning, wrapped to `width`, with the matched words on a bright band.
struct MeaningLayout {
    QTextLayout layout;
    int height = 0;

    MeaningLayout(const FoundSignal& s, const QFont& font, int width) : layout(s.meaning, font) {
        QTextOption wrap;
        wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(wrap);
        QList<QTextLayout::FormatRange> bands;
        for (const auto& [first, length] : s.highlights) {
            QTextLayout::FormatRange band;
            band.start = first;
            band.length = length;
            band.format.setBackground(look::kGlint);
            band.format.setForeground(look::kOnGlint);
            bands.append(band);
        }
        layout.setFormats(bands);
        layout.beginLayout();
        qreal y = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max(width, 1));
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        layout.endLayout();
        height = static_cast<int>(std::ceil(y));
    }
};

int lineHeight(const QFont& font) { return QFontMetrics(font).height(); }

}  // namespace

SearchResultDelegate::SearchResultDelegate(const SearchResultsModel& model, QAbstractItemView& view)
    : QStyledItemDelegate(&view),
      model_(model),
      view_(view),
      codeFont_(look::serifFont(look::kKeyboardCaptionPoints)),
      sectionFont_(look::dialogFont()),
      meaningFont_(look::dialogFont()) {
    meaningFont_.setPointSizeF(9.75);
    // New results, a new height.
    QObject::connect(&model_, &QAbstractItemModel::modelReset, this, [this] { rowHeight_ = 0; });
}

const QPixmap& SearchResultDelegate::smallFlag(int flag) const {
    QPixmap& small = smallFlags_.at(static_cast<std::size_t>(flag));
    if (small.isNull()) {
        const qreal ratio = view_.devicePixelRatioF();
        small = PictureCatalogue::instance().flag(flag).scaled(QSize(kFlagWidth, kFlagHeight) * ratio,
                                                              Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        small.setDevicePixelRatio(ratio);
    }
    return small;
}

int SearchResultDelegate::meaningWidth() const {
    return view_.viewport()->width() - kMeaningLeft - kPadding;
}

QRect SearchResultDelegate::markRect(const QRect& row) const {
    return {row.right() - kPadding - kMarkSize + 1, row.top() + kPadding, kMarkSize, kMarkSize};
}

QSize SearchResultDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    const int width = meaningWidth();
    if (rowHeight_ == 0 || rowHeightWidth_ != width) {
        rowHeightWidth_ = width;
        rowHeight_ = uniformRowHeight(width);
    }
    return {view_.viewport()->width(), rowHeight_};
}

int SearchResultDelegate::uniformRowHeight(int width) const {
    // The meanings with the most letters need the most lines: of a few of
    // the longest, the tallest sets the height of every row.
    constexpr int kLongestMeasured = 4;
    std::vector<int> rows(static_cast<std::size_t>(model_.rowCount()));
    std::iota(rows.begin(), rows.end(), 0);
    const auto longest = rows.begin() + std::min<std::ptrdiff_t>(kLongestMeasured, std::ssize(rows));
    std::partial_sort(rows.begin(), longest, rows.end(), [this](int a, int b) {
        return model_.signalAt(a).meaning.size() > model_.signalAt(b).meaning.size();
    });
    int meaning = 0;
    for (auto row = rows.begin(); row != longest; ++row)
        meaning = std::max(meaning, MeaningLayout(model_.signalAt(*row), meaningFont_, width).height);
    const int left = kFlagHeight + kLineGap + lineHeight(codeFont_);
    const int right = lineHeight(sectionFont_) + kLineGap + meaning;
    return kPadding + std::max(left, right) + kPadding;
}

void SearchResultDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const FoundSignal& s = model_.signalAt(index.row());
    const QRect row = option.rect;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    p->save();
    p->fillRect(row, selected ? kSelectedFace : look::kDarkFace);
    p->setPen(option.palette.color(QPalette::Shadow));
    p->drawLine(row.bottomLeft(), row.bottomRight());
    if (selected) {
        p->setPen(look::kTablesNote);
        p->drawRect(row.adjusted(0, 0, -1, -1));
    }

    // The hoist, or a table's name, and the code under it.
    const int top = row.top() + kPadding;
    const QRect hoist(row.left() + kPadding, top, kLeftColumn, kFlagHeight);
    p->setPen(look::kWhite);
    if (s.flags.empty()) {
        p->setFont(look::dialogFont(true));
        p->drawText(hoist, Qt::AlignLeft | Qt::AlignVCenter, s.tableName);
    }
    for (std::size_t i = 0; i < s.flags.size(); ++i)
        p->drawPixmap(hoist.left() + static_cast<int>(i) * (kFlagWidth + kFlagGap), top, smallFlag(s.flags[i]));
    p->setFont(codeFont_);
    p->drawText(QRect(hoist.left(), hoist.bottom() + 1 + kLineGap, kLeftColumn, lineHeight(codeFont_)),
                Qt::AlignLeft | Qt::AlignVCenter, s.code);

    // The section, the mark, and the meaning.
    const int textLeft = row.left() + kMeaningLeft;
    p->setFont(sectionFont_);
    p->setPen(look::kTablesNote);
    p->drawText(QRect(textLeft, top, meaningWidth() - kMarkSize, lineHeight(sectionFont_)),
                Qt::AlignLeft | Qt::AlignVCenter, s.section);
    if (s.reconstructed) paintReconstructedMark(*p, markRect(row));
    p->setPen(look::kWhite);
    const MeaningLayout meaning(s, meaningFont_, meaningWidth());
    meaning.layout.draw(p, QPointF(textLeft, top + lineHeight(sectionFont_) + kLineGap));
    p->restore();
}

bool SearchResultDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    if (model_.signalAt(index.row()).reconstructed && markRect(option.rect).contains(event->pos())) {
        QToolTip::showText(event->globalPos(), kReconstructedNote, view->viewport(), markRect(option.rect));
        return true;
    }
    QToolTip::hideText();
    return true;
}

}  // namespace mss::forms
