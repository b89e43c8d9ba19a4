// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/module/document_painter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <numeric>

#include "print/module/sheet_painter.h"
#include "print/module/drawing.h"
#include "print/module/paper_look.h"

namespace mss::print {

namespace {

// Millimetres.
constexpr double kHeadingSpace = 5;   // above a heading that does not open the page
constexpr double kBlockGap = 2;       // under a heading or a paragraph
constexpr double kHeadingKeep = 12;   // a heading this near the foot moves to the next page with what follows
constexpr double kRowPadding = 1.5;
constexpr double kCellGap = 2;        // between two cells, and between a hoist and its text
constexpr double kFooterRise = 7;     // the page number's top above the paper's bottom edge
// Points.
constexpr double kHeadingPoints = 15;
constexpr double kParagraphPoints = 10.5;
constexpr double kRowPoints = 10;
constexpr double kFooterPoints = 8;

class Flow {
public:
    Flow(QPagedPaintDevice& device, QPainter* painter, int pages)
        : device_(device), p_(painter), pages_(pages), u_(device),
          left_(u_.mm(kPageMargin)),
          right_(u_.mm(kPageSize.width() - kPageMargin)),
          top_(u_.mm(kPageMargin)),
          bottom_(u_.mm(kPageSize.height() - kPageMargin)),
          y_(top_) {}

    int run(const Document& document) {
        const std::vector<Block>& blocks = document.blocks;
        for (std::size_t i = 0; i < blocks.size();) {
            const Block& block = blocks[i];
            if (block.kind == Block::Kind::Sheet) {
                std::size_t end = i;
                while (end < blocks.size() && blocks[end].kind == Block::Kind::Sheet) ++end;
                cards(blocks, i, end, document.cutMarks);
                i = end;
                continue;
            }
            switch (block.kind) {
                case Block::Kind::Heading: heading(block); break;
                case Block::Kind::Paragraph: paragraph(block); break;
                case Block::Kind::Row: row(block); break;
                case Block::Kind::PageBreak:
                    if (used_) newPage();
                    break;
                case Block::Kind::Sheet: break;
            }
            ++i;
        }
        footer();
        return page_;
    }

private:
    double width() const { return right_ - left_; }
    bool fits(double height) const { return y_ + height <= bottom_; }
    // Moves to the next page unless `height` fits here or the page is still empty.
    void keep(double height) {
        if (!fits(height) && used_) newPage();
    }

    void newPage() {
        footer();
        if (p_) device_.newPage();
        ++page_;
        y_ = top_;
        used_ = false;
    }

    void footer() {
        if (!p_ || pages_ < 2) return;
        p_->setFont(sansFont(kFooterPoints));
        p_->setPen(kQuietInk);
        const double footerTop = u_.mm(kPageSize.height() - kFooterRise);
        p_->drawText(QRectF(left_, footerTop, width(), u_.mm(kFooterRise)), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("%1 из %2").arg(page_).arg(pages_));
    }

    QString textOf(const Block& block) const { return block.cells.empty() ? QString() : block.cells.front().text; }

    void heading(const Block& block) {
        const WrappedText text(textOf(block), sansFont(kHeadingPoints, true), width(), &device_);
        if (used_) y_ += u_.mm(kHeadingSpace);
        keep(text.height() + u_.mm(kHeadingKeep));
        if (p_) {
            p_->setPen(kInk);
            text.draw(*p_, QPointF(left_, y_));
        }
        y_ += text.height() + u_.mm(kBlockGap);
        used_ = true;
    }

    void paragraph(const Block& block) {
        const WrappedText text(textOf(block), sansFont(kParagraphPoints), width(), &device_);
        for (int line = 0; line < text.lineCount(); ++line) {
            keep(text.lineHeight(line));
            if (p_) {
                p_->setPen(kInk);
                text.drawLines(*p_, QPointF(left_, y_), line, line + 1);
            }
            y_ += text.lineHeight(line);
            used_ = true;
        }
        y_ += u_.mm(kBlockGap);
    }

    // Each cell's hoist and text, their room and their height.
    struct CellLayout {
        double left = 0, width = 0;
        QSizeF hoist;
        std::unique_ptr<WrappedText> text;
        double textTop = 0;
        double markSize = 0;
        double height = 0;
    };

    void row(const Block& block) {
        const std::size_t n = block.cells.size();
        if (n == 0) return;
        std::vector<double> shares = block.widths;
        if (shares.size() != n) shares.assign(n, 1.0);
        const double total = std::accumulate(shares.begin(), shares.end(), 0.0);
        const QFont font = sansFont(kRowPoints);
        const double gap = u_.mm(kCellGap);
        std::vector<CellLayout> cells(n);
        double x = left_, rowHeight = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const Cell& cell = block.cells[i];
            CellLayout& c = cells[i];
            c.left = x;
            c.width = width() * (total > 0 ? shares[i] / total : 1.0 / static_cast<double>(n));
            x += c.width;
            c.hoist = hoistSize(cell.hoist.size(), u_.mm(kRowFlagSize), u_.mm(kRowFlagGap), cell.upright);
            const double textLeft = c.hoist.isEmpty() ? 0 : c.hoist.width() + gap;
            const double textWidth = std::max(u_.mm(5), c.width - textLeft - (i + 1 < n ? gap : 0));
            c.text = std::make_unique<WrappedText>(cell.text, font, textWidth, &device_);
            c.markSize = cell.reconstructed ? QFontMetricsF(font, &device_).height() * 0.8 : 0;
        }
        // Beside flags side by side, the first line of every cell is centred on them.
        const bool across = std::any_of(block.cells.begin(), block.cells.end(),
                                        [](const Cell& cell) { return !cell.hoist.empty() && !cell.upright; });
        for (CellLayout& c : cells) {
            if (across && c.text->lineCount() > 0)
                c.textTop = std::max(0.0, (u_.mm(kRowFlagSize.height()) - c.text->lineHeight(0)) / 2);
            c.height = std::max(c.hoist.height(), c.textTop + c.text->height());
            rowHeight = std::max(rowHeight, c.height);
        }
        rowHeight += 2 * u_.mm(kRowPadding);
        keep(rowHeight);
        if (p_) {
            for (std::size_t i = 0; i < n; ++i) {
                const Cell& cell = block.cells[i];
                const CellLayout& c = cells[i];
                const QPointF topLeft(c.left, y_ + u_.mm(kRowPadding));
                paintHoist(*p_, cell.hoist, topLeft, u_.mm(kRowFlagSize), u_.mm(kRowFlagGap), cell.upright, u_);
                const QPointF textAt = topLeft + QPointF(c.hoist.isEmpty() ? 0 : c.hoist.width() + gap, c.textTop);
                p_->setFont(font);
                p_->setPen(kInk);
                c.text->draw(*p_, textAt);
                if (cell.reconstructed) {
                    const double line = c.text->lineCount() > 0 ? c.text->lineHeight(c.text->lineCount() - 1)
                                                                : QFontMetricsF(font, &device_).height();
                    const QPointF markAt = textAt + c.text->end() + QPointF(u_.mm(1), (line - c.markSize) / 2);
                    paintReconstructedMark(*p_, QRectF(markAt, QSizeF(c.markSize, c.markSize)));
                }
            }
            p_->save();
            p_->setPen(QPen(kRule, u_.mm(kRuleWidth)));
            p_->drawLine(QPointF(left_, y_ + rowHeight), QPointF(right_, y_ + rowHeight));
            p_->restore();
        }
        y_ += rowHeight;
        used_ = true;
    }

    void cards(const std::vector<Block>& blocks, std::size_t from, std::size_t to, bool cutMarks) {
        const QSizeF card = u_.mm(kSheetSize);
        const double gutter = u_.mm(kSheetGutter);
        // As many as fit, and the page is made to hold two exactly: allow for rounding.
        const double fitting = (width() + gutter) / (card.width() + gutter) + 1e-6;
        const std::size_t columns = std::max<std::size_t>(1, static_cast<std::size_t>(fitting));
        const double used = static_cast<double>(columns) * card.width() + static_cast<double>(columns - 1) * gutter;
        const double first = left_ + (width() - used) / 2;
        if (used_) y_ += gutter;
        for (std::size_t i = from; i < to; i += columns) {
            keep(card.height());
            for (std::size_t k = 0; k < columns && i + k < to; ++k) {
                const QPointF at(first + static_cast<double>(k) * (card.width() + gutter), y_);
                if (!p_) continue;
                paintSheet(*p_, blocks[i + k].sheet, at, u_, !cutMarks);
                if (cutMarks) marks(QRectF(at, card));
            }
            y_ += card.height() + gutter;
            used_ = true;
        }
    }

    // Short lines off each corner, in line with the card's edges.
    void marks(const QRectF& card) {
        p_->save();
        p_->setPen(QPen(kInk, u_.mm(kRuleWidth)));
        const double gap = u_.mm(kCutMarkGap), length = u_.mm(kCutMarkLength);
        for (const QPointF corner : {card.topLeft(), card.topRight(), card.bottomLeft(), card.bottomRight()}) {
            const double sx = corner.x() == card.left() ? -1 : 1, sy = corner.y() == card.top() ? -1 : 1;
            p_->drawLine(corner + QPointF(sx * gap, 0), corner + QPointF(sx * (gap + length), 0));
            p_->drawLine(corner + QPointF(0, sy * gap), corner + QPointF(0, sy * (gap + length)));
        }
        p_->restore();
    }

    QPagedPaintDevice& device_;
    QPainter* p_;  // nullptr while only counting pages
    int pages_;
    Units u_;
    double left_, right_, top_, bottom_;
    double y_;
    int page_ = 1;
    bool used_ = false;  // something stands on the page
};

}  // namespace

void setA4(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

int pageCount(const Document& document, QPagedPaintDevice& device) { return Flow(device, nullptr, 0).run(document); }

void paintDocument(const Document& document, QPagedPaintDevice& device) {
    const int pages = pageCount(document, device);
    QPainter painter(&device);
    Flow(device, &painter, pages).run(document);
}

}  // namespace mss::print
