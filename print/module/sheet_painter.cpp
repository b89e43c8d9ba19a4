// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/module/sheet_painter.h"

#include <QFontMetricsF>

#include <algorithm>

#include "codebook/reconstructed_note.h"
#include "print/module/paper_look.h"

namespace mss::print {

namespace {

// Millimetres.
constexpr double kHoistTop = 14;
constexpr double kHalyardX = kSheetPadding + 2;
constexpr double kHalyardWidth = 0.5;
constexpr double kHalyardReach = 3;  // above the top flag and below the last
constexpr double kCaptionGap = 5;    // between a flag and its caption
constexpr double kCaptionLineGap = 0.8;
constexpr double kMorseDot = 1.4;
constexpr double kCodeGap = 5;       // between the hoist and the code
constexpr double kMeaningGap = 2;
constexpr double kMarkGap = 1;
// Points.
constexpr double kSectionPoints = 8;
constexpr double kNamePoints = 10;
constexpr double kWordPoints = 9.5;
constexpr double kCodePoints = 28;
constexpr double kMeaningPoints = 11;
constexpr double kSmallestMeaningPoints = 7;
constexpr double kNotePoints = 7;

double flagHeightFor(std::size_t flags) {
    if (flags <= 1) return kLoneFlagHeight;
    const double n = static_cast<double>(flags);
    return std::min(kHoistFlagHeight, (kHoistHeight - (n - 1) * kHoistGap) / n);
}

// One line of text as large as it may be, up to `points`, to fit `width`.
QFont fitted(QFont font, double points, const QString& text, double width, QPaintDevice* device) {
    font.setPointSizeF(points);
    const double natural = QFontMetricsF(font, device).horizontalAdvance(text);
    if (natural > width) font.setPointSizeF(std::max(1.0, points * width / natural * 0.98));
    return font;
}

class CardDrawing {
public:
    CardDrawing(QPainter& p, const ReferenceSheet& card, QPointF origin, const Units& u)
        : p_(p), card_(card), origin_(origin), u_(u), device_(p.device()) {}

    void paint(bool framed) {
        p_.save();
        p_.setClipRect(QRectF(origin_, u_.mm(kSheetSize)));
        if (framed) frame();
        const SheetGeometry geometry = sheetGeometry(card_);
        section();
        hoist(geometry);
        const double hoistBottom = geometry.flags.empty() ? kHoistTop : geometry.flags.back().bottom();
        const double codeBottom = code(hoistBottom + kCodeGap);
        meaning(codeBottom + kMeaningGap);
        p_.restore();
    }

private:
    QPointF at(double x, double y) const { return origin_ + u_.mm(QPointF(x, y)); }
    double innerWidth() const { return kSheetSize.width() - 2 * kSheetPadding; }

    void frame() {
        p_.save();
        p_.setPen(QPen(kRule, u_.mm(kRuleWidth)));
        p_.setBrush(Qt::NoBrush);
        const double half = kRuleWidth / 2;
        p_.drawRect(QRectF(at(half, half), u_.mm(kSheetSize - QSizeF(kRuleWidth, kRuleWidth))));
        p_.restore();
    }

    void section() {
        p_.setFont(fitted(sansFont(kSectionPoints), kSectionPoints, card_.section, u_.mm(innerWidth()), device_));
        p_.setPen(kQuietInk);
        p_.drawText(QRectF(at(kSheetPadding, kSheetPadding), u_.mm(QSizeF(innerWidth(), kHoistTop - kSheetPadding))),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, card_.section);
    }

    void hoist(const SheetGeometry& geometry) {
        if (geometry.flags.empty()) return;
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing);
        p_.setPen(QPen(kHalyard, u_.mm(kHalyardWidth), Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(at(kHalyardX, geometry.flags.front().top() - kHalyardReach),
                    at(kHalyardX, geometry.flags.back().bottom() + kHalyardReach));
        p_.restore();
        for (std::size_t i = 0; i < geometry.flags.size(); ++i) {
            const QRectF box = geometry.flags[i];
            paintSignalFlag(p_, card_.hoist[i].flag, u_.mm(box).translated(origin_), u_);
            caption(card_.hoist[i], box);
        }
    }

    // The name, the word and the Morse of a flag, beside it and centred on it.
    void caption(const SheetFlag& flag, const QRectF& box) {
        const double left = box.right() + kCaptionGap;
        const double width = u_.mm(kSheetSize.width() - kSheetPadding - left);
        const WrappedText name(flag.name, sansFont(kNamePoints, true), width, device_);
        const WrappedText word(flag.word, sansFont(kWordPoints), width, device_);
        const double lineGap = u_.mm(kCaptionLineGap);
        double height = name.height();
        if (!flag.word.isEmpty()) height += lineGap + word.height();
        if (!flag.morse.isEmpty()) height += lineGap + u_.mm(kMorseDot) * 2;
        const double boxTop = u_.mm(box.top()), boxHeight = u_.mm(box.height());
        double y = origin_.y() + boxTop + std::max(0.0, (boxHeight - height) / 2);
        const double x = origin_.x() + u_.mm(left);
        p_.setPen(kInk);
        name.draw(p_, QPointF(x, y));
        y += name.height();
        if (!flag.word.isEmpty()) {
            y += lineGap;
            word.draw(p_, QPointF(x, y));
            y += word.height();
        }
        if (!flag.morse.isEmpty()) {
            y += lineGap;
            paintMorse(p_, flag.morse, QPointF(x, y + u_.mm(kMorseDot)), u_.mm(kMorseDot));
        }
    }

    // The code on one line, as large as fits; returns its bottom.
    double code(double top) {
        const QFont font = fitted(serifFont(kCodePoints, true), kCodePoints, card_.code, u_.mm(innerWidth()), device_);
        const double height = QFontMetricsF(font, device_).height();
        p_.setFont(font);
        p_.setPen(kInk);
        p_.drawText(QRectF(at(kSheetPadding, top), QSizeF(u_.mm(innerWidth()), height)),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, card_.code);
        return top + height / u_.mm(1);
    }

    void meaning(double top) {
        const double width = u_.mm(innerWidth());
        // The notes at the foot: on another edition of the code, and above it
        // the one under a reconstructed meaning.
        double bottom = kSheetSize.height() - kSheetPadding;
        if (!card_.editionNote.isEmpty()) {
            const WrappedText note(card_.editionNote, sansFont(kNotePoints), width, device_);
            const double noteTop = u_.mm(bottom) - note.height();
            p_.setPen(kQuietInk);
            note.draw(p_, origin_ + QPointF(u_.mm(kSheetPadding), noteTop));
            bottom = (noteTop - u_.mm(card_.reconstructed ? kMarkGap : kMeaningGap)) / u_.mm(1);
        }
        if (card_.reconstructed) {
            const QFont noteFont = sansFont(kNotePoints);
            const double mark = QFontMetricsF(noteFont, device_).height();
            const double gap = u_.mm(kMarkGap);
            const QString noteText = QString::fromUtf8(codebook::kReconstructedNote.data(),
                                                       static_cast<qsizetype>(codebook::kReconstructedNote.size()));
            const WrappedText note(noteText, noteFont, width - mark - gap, device_);
            const double noteTop = u_.mm(bottom) - note.height();
            paintReconstructedMark(p_, QRectF(origin_ + QPointF(u_.mm(kSheetPadding), noteTop), QSizeF(mark, mark)));
            p_.setPen(kQuietInk);
            note.draw(p_, origin_ + QPointF(u_.mm(kSheetPadding) + mark + gap, noteTop));
            bottom = (noteTop - u_.mm(kMeaningGap)) / u_.mm(1);
        }
        if (card_.meaning.isEmpty()) return;
        // As large as fits above the note, down to a smallest size.
        const double room = u_.mm(bottom - top);
        double points = kMeaningPoints;
        auto text = std::make_unique<WrappedText>(card_.meaning, sansFont(points), width, device_);
        while (text->height() > room && points > kSmallestMeaningPoints) {
            points -= 0.5;
            text = std::make_unique<WrappedText>(card_.meaning, sansFont(points), width, device_);
        }
        const QPointF topLeft = at(kSheetPadding, top);
        p_.setPen(kInk);
        text->draw(p_, topLeft);
        if (!card_.reconstructed) return;
        // The mark after the last word, or at the start of a line of its own.
        const double lineHeight = text->lineHeight(text->lineCount() - 1);
        const double mark = lineHeight * 0.8, gap = u_.mm(kMarkGap);
        QPointF markAt = topLeft + text->end() + QPointF(gap, (lineHeight - mark) / 2);
        if (markAt.x() + mark > topLeft.x() + width)
            markAt = topLeft + QPointF(0, text->height() + (lineHeight - mark) / 2);
        paintReconstructedMark(p_, QRectF(markAt, QSizeF(mark, mark)));
    }

    QPainter& p_;
    const ReferenceSheet& card_;
    QPointF origin_;
    const Units& u_;
    QPaintDevice* device_;
};

}  // namespace

SheetGeometry sheetGeometry(const ReferenceSheet& card) {
    SheetGeometry geometry;
    const double h = flagHeightFor(card.hoist.size());
    const QSizeF size(h * kFlagAspect, h);
    for (std::size_t i = 0; i < card.hoist.size(); ++i)
        geometry.flags.emplace_back(QPointF(kHalyardX, kHoistTop + static_cast<double>(i) * (h + kHoistGap)), size);
    return geometry;
}

void paintSheet(QPainter& p, const ReferenceSheet& card, QPointF origin, const Units& u, bool framed) {
    CardDrawing(p, card, origin, u).paint(framed);
}

}  // namespace mss::print
