// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/module/drawing.h"

#include <QPaintDevice>
#include <QPainterPath>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "flags/flag_design.h"
#include "flags/flag_layers.h"
#include "look/look.h"
#include "print/module/paper_look.h"

namespace mss::print {

Units::Units(const QPaintDevice& device) : Units(device.logicalDpiX()) {}

WrappedText::WrappedText(const QString& text, const QFont& font, double width, QPaintDevice* device)
    : layout_(std::make_unique<QTextLayout>(text, font, device)) {
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout_->setTextOption(wrap);
    layout_->setCacheEnabled(true);
    layout_->beginLayout();
    double y = 0;
    for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
        line.setLineWidth(std::max(width, 1.0));
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout_->endLayout();
    height_ = y;
}

double WrappedText::lineTop(int i) const { return layout_->lineAt(i).y(); }

double WrappedText::lineHeight(int i) const { return layout_->lineAt(i).height(); }

QPointF WrappedText::end() const {
    if (lineCount() == 0) return {};
    const QTextLine last = layout_->lineAt(lineCount() - 1);
    return {last.naturalTextWidth(), last.y()};
}

void WrappedText::drawLines(QPainter& p, QPointF topLeft, int from, int to) const {
    if (from >= to) return;
    const double shift = lineTop(from);
    for (int i = from; i < to; ++i) layout_->lineAt(i).draw(&p, topLeft - QPointF(0, shift));
}

void paintSignalFlag(QPainter& p, int flag, const QRectF& box, const Units& u) {
    const std::vector<flags::FlagDesign>& designs = flags::flagDesigns();
    if (flag < 0 || static_cast<std::size_t>(flag) >= designs.size()) throw std::out_of_range("no such flag");
    const flags::FlagDesign& design = designs[static_cast<std::size_t>(flag)];
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    flags::paintFlag(p, design, box);
    p.setBrush(Qt::NoBrush);
    QPen edge(kFlagEdge, u.mm(kFlagEdgeWidth));
    edge.setJoinStyle(Qt::MiterJoin);
    p.setPen(edge);
    p.drawPath(flags::outlineOf(design.outline, box.size()).translated(box.topLeft()));
    p.restore();
}

QSizeF hoistSize(std::size_t flags, QSizeF flagSize, double gap, bool upright) {
    if (flags == 0) return {};
    const double n = static_cast<double>(flags);
    return upright ? QSizeF(flagSize.width(), n * flagSize.height() + (n - 1) * gap)
                   : QSizeF(n * flagSize.width() + (n - 1) * gap, flagSize.height());
}

void paintHoist(QPainter& p, const std::vector<int>& flags, QPointF topLeft, QSizeF flagSize, double gap,
                bool upright, const Units& u) {
    QPointF at = topLeft;
    for (int flag : flags) {
        paintSignalFlag(p, flag, QRectF(at, flagSize), u);
        at += upright ? QPointF(0, flagSize.height() + gap) : QPointF(flagSize.width() + gap, 0);
    }
}

double paintMorse(QPainter& p, const QString& morse, QPointF leftMiddle, double dot) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    double x = leftMiddle.x();
    const double top = leftMiddle.y() - dot / 2;
    for (const QChar c : morse) {
        if (c == u'.') {
            p.drawEllipse(QRectF(x, top, dot, dot));
            x += dot;
        } else if (c == u'-') {
            p.drawRoundedRect(QRectF(x, top, 3 * dot, dot), dot / 2, dot / 2);
            x += 3 * dot;
        } else {
            continue;
        }
        x += dot;  // the gap between two signs, as long as a dot
    }
    p.restore();
    return std::max(0.0, x - dot - leftMiddle.x());
}

void paintReconstructedMark(QPainter& p, const QRectF& square) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double ring = square.height() / 14;
    p.setPen(QPen(look::kDarkFace, ring));
    p.setBrush(look::kGlint);
    p.drawEllipse(square.adjusted(ring / 2, ring / 2, -ring / 2, -ring / 2));
    QFont f = sansFont(1, true);
    // Points from device units: the question mark fills most of the disc.
    f.setPointSizeF(square.height() * 0.62 * 72.0 / p.device()->logicalDpiY());
    p.setFont(f);
    p.setPen(look::kDarkFace);
    p.drawText(square, Qt::AlignCenter, QStringLiteral("?"));
    p.restore();
}

}  // namespace mss::print
