// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/search/search_result_delegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>

#include "codebook/section.h"
#include "forms/search/search_results_model.h"
#include "forms/shared/picture_catalogue.h"
#include "look/look.h"
#include "qtext/utf8_text.h"

namespace mss::forms {

namespace {

// Pixels. The flags stand side by side, at a third of their size in the hoist.
constexpr int kPadding = 6;
constexpr int kTopPadding = 3;
constexpr int kFlagHeight = 20;
constexpr int kFlagWidth = 30;
constexpr int kFlagGap = 3;
constexpr int kMostFlags = 3;
constexpr int kFlagsWidth = kMostFlags * kFlagWidth + (kMostFlags - 1) * kFlagGap;
constexpr int kColumnGap = 10;
constexpr int kMarkSize = 15;

const QColor kSelectedFace = look::kDarkFace.lighter(look::kChosenFaceLighter);

}  // namespace

SearchResultDelegate::SearchResultDelegate(const SearchResultsModel& model, QAbstractItemView& view)
    : QStyledItemDelegate(&view),
      model_(model),
      view_(view),
      codeFont_(look::serifFont(look::kKeyboardCaptionPoints)),
      sectionFont_(look::dialogFont()),
      meaningFont_(look::dialogFont()) {
    meaningFont_.setPointSizeF(9.75);
    const QFontMetrics code(codeFont_), section(sectionFont_), meaning(meaningFont_);
    // The widest codes of the book: a medical code of wide letters, a row of table III.
    for (const QString& widest : {QStringLiteral("MWW"), QStringLiteral("III-0"), QStringLiteral("WW0")})
        codeWidth_ = std::max(codeWidth_, code.horizontalAdvance(widest));
    for (const codebook::SectionInfo& info : codebook::kSections)
        sectionWidth_ = std::max(sectionWidth_, section.horizontalAdvance(toQString(info.title)));
    rowHeight_ = kTopPadding + std::max({kFlagHeight, code.height(), section.height(), meaning.height()}) + kTopPadding;
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

QRect SearchResultDelegate::markRect(const QRect& row) const {
    return {row.right() - kPadding - kMarkSize + 1, row.top() + (row.height() - kMarkSize) / 2, kMarkSize, kMarkSize};
}

QRect SearchResultDelegate::meaningRect(const QRect& row) const {
    const int left = row.left() + kPadding + kFlagsWidth + kColumnGap + codeWidth_ + kColumnGap + sectionWidth_ +
                     kColumnGap;
    const int right = markRect(row).left() - kColumnGap / 2;
    return {left, row.top(), std::max(0, right - left), row.height()};
}

QSize SearchResultDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    // The list stretches a row to its width.
    return {1, rowHeight_};
}

QString SearchResultDelegate::meaningShown(const FoundSignal& s, const QRect& row) const {
    return QFontMetrics(meaningFont_).elidedText(s.meaning, Qt::ElideRight, meaningRect(row).width());
}

void SearchResultDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const FoundSignal& s = model_.signalAt(index.row());
    const QRect row = option.rect;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    p->save();
    p->fillRect(row, selected ? kSelectedFace : look::kDarkFace);
    p->setPen(option.palette.color(QPalette::Shadow));
    p->drawLine(row.bottomLeft(), row.bottomRight());
    // A new section of the book begins.
    if (model_.listsBook() && index.row() > 0 && model_.signalAt(index.row() - 1).sectionId != s.sectionId) {
        p->setPen(look::kTablesNote);
        p->drawLine(row.topLeft(), row.topRight());
    }
    if (index == view_.currentIndex()) {
        p->setPen(look::kTablesNote);
        p->drawRect(row.adjusted(0, 0, -1, -1));
    }

    // The hoist, the code and the section.
    int x = row.left() + kPadding;
    const int flagTop = row.top() + (row.height() - kFlagHeight) / 2;
    for (std::size_t i = 0; i < s.flags.size(); ++i)
        p->drawPixmap(x + static_cast<int>(i) * (kFlagWidth + kFlagGap), flagTop, smallFlag(s.flags[i]));
    x += kFlagsWidth + kColumnGap;
    p->setPen(look::kWhite);
    p->setFont(codeFont_);
    p->drawText(QRect(x, row.top(), codeWidth_, row.height()), Qt::AlignLeft | Qt::AlignVCenter, s.code);
    x += codeWidth_ + kColumnGap;
    p->setFont(sectionFont_);
    p->setPen(look::kTablesNote);
    p->drawText(QRect(x, row.top(), sectionWidth_, row.height()), Qt::AlignLeft | Qt::AlignVCenter, s.section);

    // The meaning, cut to its column, with the matched words on a bright band.
    const QRect meaningArea = meaningRect(row);
    const QString shown = meaningShown(s, row);
    p->setFont(meaningFont_);
    p->setPen(look::kWhite);
    if (s.highlights.empty()) {
        p->drawText(meaningArea, Qt::AlignLeft | Qt::AlignVCenter, shown);
    } else {
        QTextLayout layout(shown, meaningFont_);
        QList<QTextLayout::FormatRange> bands;
        // An ellipsis stands for the end: a band stops where the text shown does.
        const int kept = shown == s.meaning ? static_cast<int>(shown.size()) : static_cast<int>(shown.size()) - 1;
        for (const auto& [first, length] : s.highlights) {
            if (first >= kept) continue;
            QTextLayout::FormatRange band;
            band.start = first;
            band.length = std::min(length, kept - first);
            band.format.setBackground(look::kGlint);
            band.format.setForeground(look::kOnGlint);
            bands.append(band);
        }
        layout.setFormats(bands);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(meaningArea.width() + 1.0);
        layout.endLayout();
        const qreal top = meaningArea.top() + (meaningArea.height() - line.height()) / 2;
        layout.draw(p, QPointF(meaningArea.left(), top));
    }
    // The note on another edition, quieter, in what room the whole meaning leaves.
    if (!s.note.isEmpty() && shown == s.meaning) {
        const int used = QFontMetrics(meaningFont_).horizontalAdvance(shown) + kColumnGap;
        const QRect noteArea = meaningArea.adjusted(used, 0, 0, 0);
        if (noteArea.width() > kColumnGap) {
            p->setPen(look::kTablesNote);
            p->drawText(noteArea, Qt::AlignLeft | Qt::AlignVCenter,
                        QFontMetrics(meaningFont_).elidedText(s.note, Qt::ElideRight, noteArea.width()));
        }
    }
    if (s.reconstructed) paintReconstructedMark(*p, markRect(row));
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
    QToolTip::showText(event->globalPos(), model_.data(index, Qt::ToolTipRole).toString(), view->viewport(),
                       option.rect);
    return true;
}

}  // namespace mss::forms
