// SPDX-License-Identifier: GPL-3.0-or-later
#include "flags/flag_layers.h"

#include <QPainter>

#include <cmath>
#include <numeric>

namespace mss::flags {

namespace {

QColor colourOf(Colour c) { return QColor::fromRgba(rgbOf(c)); }

class LayerPainter {
public:
    LayerPainter(QPainter& painter, QSizeF size, Edges edges)
        : p_(painter), w_(size.width()), h_(size.height()), edges_(edges) {
        if (edges_ == Edges::Exact) clip_ = outlineOf(Outline{}, size);
    }

    void cutTo(const QPainterPath& outline) { clip_ = outline; }

    void operator()(const Field& f) { fill(QRectF(0, 0, w_, h_), f.colour); }

    void operator()(const HorizontalStripes& s) {
        const double total = weightOf(s.bands);
        double top = 0;
        for (const Band& band : s.bands) {
            const double bottom = top + band.weight / total;
            const double y0 = at(top * h_), y1 = exact() ? h_ : at(bottom * h_);
            fill(QRectF(0, y0, w_, y1 - y0), band.colour);
            top = bottom;
        }
    }

    void operator()(const VerticalStripes& s) {
        const double total = weightOf(s.bands);
        double left = 0;
        for (const Band& band : s.bands) {
            const double right = left + band.weight / total;
            const double x0 = at(left * w_), x1 = exact() ? w_ : at(right * w_);
            fill(QRectF(x0, 0, x1 - x0, h_), band.colour);
            left = right;
        }
    }

    void operator()(const Quarters& q) {
        const double sx = at(q.splitX * w_), sy = at(h_ / 2);
        if (exact()) {
            // Each quarter reaches on to the far edges, under the ones after it.
            fill(QRectF(0, 0, w_, h_), q.upperHoist);
            fill(QRectF(sx, 0, w_ - sx, h_), q.upperFly);
            fill(QRectF(0, sy, w_, h_ - sy), q.lowerHoist);
        } else {
            fill(QRectF(0, 0, sx, sy), q.upperHoist);
            fill(QRectF(sx, 0, w_ - sx, sy), q.upperFly);
            fill(QRectF(0, sy, sx, h_ - sy), q.lowerHoist);
        }
        fill(QRectF(sx, sy, w_ - sx, h_ - sy), q.lowerFly);
    }

    void operator()(const Chequers& c) {
        if (exact()) fill(QRectF(0, 0, w_, h_), c.second);
        for (int row = 0; row < c.rows; ++row)
            for (int col = 0; col < c.columns; ++col) {
                const bool first = (row + col) % 2 == 0;
                if (exact() && !first) continue;
                const double x0 = at(col * w_ / c.columns), x1 = at((col + 1) * w_ / c.columns);
                const double y0 = at(row * h_ / c.rows), y1 = at((row + 1) * h_ / c.rows);
                fill(QRectF(x0, y0, x1 - x0, y1 - y0), first ? c.first : c.second);
            }
    }

    void operator()(const Disc& d) {
        const double r = d.diameter * h_ / 2;
        if (exact()) {
            QPainterPath disc;
            disc.addEllipse(QPointF(d.centreX * w_, d.centreY * h_), r, r);
            fillPath(disc, d.colour);
            return;
        }
        p_.setPen(Qt::NoPen);
        p_.setBrush(colourOf(d.colour));
        p_.drawEllipse(QPointF(d.centreX * w_, d.centreY * h_), r, r);
    }

    void operator()(const Cross& c) {
        const double a = c.armWidth * h_;
        fill(QRectF(c.centreX * w_ - a / 2, 0, a, h_), c.colour);
        fill(QRectF(0, h_ / 2 - a / 2, w_, a), c.colour);
    }

    void operator()(const Saltire& s) {
        const double half = s.armWidth * h_ / 2;
        diagonalBand(QPointF(0, 0), QPointF(w_, h_), half, s.colour);
        diagonalBand(QPointF(0, h_), QPointF(w_, 0), half, s.colour);
    }

    void operator()(const CentreSquare& s) {
        const double side = s.side * h_;
        fill(QRectF((w_ - side) / 2, (h_ - side) / 2, side, side), s.colour);
    }

    void operator()(const Inset& i) {
        const double m = i.margin * h_;
        fill(QRectF(m, m, w_ - 2 * m, h_ - 2 * m), i.colour);
    }

    void operator()(const DiagonalStripes& d) {
        // Band k covers the points where x/w + y/h lies between 2k/count and
        // 2(k+1)/count; its edges are lines through both axes.
        for (int k = 0; k < d.count; ++k) {
            const double c0 = 2.0 * k / d.count, c1 = 2.0 * (k + 1) / d.count;
            polygon({QPointF(c0 * w_, 0), QPointF(c1 * w_, 0), QPointF(0, c1 * h_), QPointF(0, c0 * h_)},
                    k % 2 == 0 ? d.first : d.second);
        }
    }

    void operator()(const Polygon& poly) {
        QPolygonF points;
        for (const QPointF& pt : poly.points) points << QPointF(pt.x() * w_, pt.y() * h_);
        polygon(points, poly.colour);
    }

    void operator()(const PennantInset& inset) {
        // The triangle shrunk toward its incentre, which lies as far from
        // each edge as the inscribed circle's radius.
        const QPointF corners[] = {QPointF(0, 0), QPointF(w_, h_ / 2), QPointF(0, h_)};
        const double slant = std::hypot(w_, h_ / 2);
        const double perimeter = h_ + 2 * slant;
        const double radius = w_ * h_ / perimeter;  // the area over half the perimeter
        const QPointF incentre(h_ * w_ / perimeter, h_ / 2);
        const double shrink = (radius - inset.margin * h_) / radius;
        QPolygonF inner;
        for (const QPointF& corner : corners) inner << incentre + (corner - incentre) * shrink;
        polygon(inner, inset.colour);
    }

private:
    static double weightOf(const std::vector<Band>& bands) {
        return std::accumulate(bands.begin(), bands.end(), 0.0, [](double s, const Band& b) { return s + b.weight; });
    }

    bool exact() const { return edges_ == Edges::Exact; }
    // A stripe's or a square's edge: on a whole sample, or where it falls.
    double at(double v) const { return exact() ? v : std::round(v); }

    void fill(const QRectF& r, Colour c) {
        if (exact()) {
            QPainterPath path;
            path.addRect(r);
            fillPath(path, c);
        } else {
            p_.fillRect(r, colourOf(c));
        }
    }

    void polygon(const QPolygonF& points, Colour c) {
        if (exact()) {
            QPainterPath path;
            path.addPolygon(points);
            path.closeSubpath();
            fillPath(path, c);
            return;
        }
        p_.setPen(Qt::NoPen);
        p_.setBrush(colourOf(c));
        p_.drawPolygon(points);
    }

    void fillPath(const QPainterPath& shape, Colour c) { p_.fillPath(shape.intersected(clip_), colourOf(c)); }

    // A band of half-width `half` along the line from a to b, long enough to
    // cover the corners it runs into.
    void diagonalBand(QPointF a, QPointF b, double half, Colour c) {
        const QPointF d = b - a;
        const double len = std::hypot(d.x(), d.y());
        const QPointF u = d / len, n(-u.y(), u.x());
        const QPointF a2 = a - u * 2 * half, b2 = b + u * 2 * half;
        polygon({a2 + n * half, b2 + n * half, b2 - n * half, a2 - n * half}, c);
    }

    QPainter& p_;
    double w_, h_;
    Edges edges_;
    QPainterPath clip_;  // exact only: what every shape is cut to
};

}  // namespace

void paintLayers(QPainter& painter, const FlagDesign& design, QSizeF size, Edges edges) {
    LayerPainter layers(painter, size, edges);
    if (edges == Edges::Exact) layers.cutTo(outlineOf(design.outline, size));
    for (const Layer& layer : design.layers) std::visit(layers, layer);
}

QPainterPath outlineOf(const Outline& outline, QSizeF size) {
    const double w = size.width(), h = size.height();
    QPolygonF shape;
    switch (outline.kind) {
    case OutlineKind::Rectangle: shape = QPolygonF({QPointF(0, 0), QPointF(w, 0), QPointF(w, h), QPointF(0, h)}); break;
    case OutlineKind::SwallowTail: {
        const double apex = w * (1 - outline.notchDepth);
        shape = QPolygonF({QPointF(0, 0), QPointF(w, 0), QPointF(apex, h / 2), QPointF(w, h), QPointF(0, h)});
        break;
    }
    case OutlineKind::Pennant: shape = QPolygonF({QPointF(0, 0), QPointF(w, h / 2), QPointF(0, h)}); break;
    }
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    return path;
}

std::vector<QPolygonF> outsideOfOutline(const Outline& outline, QSizeF size) {
    const double w = size.width(), h = size.height();
    switch (outline.kind) {
    case OutlineKind::Rectangle: return {};
    case OutlineKind::SwallowTail: {
        const double apex = w * (1 - outline.notchDepth);
        return {QPolygonF({QPointF(w, 0), QPointF(apex, h / 2), QPointF(w, h)})};
    }
    case OutlineKind::Pennant:
        // The pennant runs from the full height at the hoist to a point in
        // the middle of the fly.
        return {QPolygonF({QPointF(0, 0), QPointF(w, 0), QPointF(w, h / 2)}),
                QPolygonF({QPointF(0, h), QPointF(w, h / 2), QPointF(w, h)})};
    }
    return {};
}

void paintFlag(QPainter& painter, const FlagDesign& design, const QRectF& box) {
    painter.save();
    painter.translate(box.topLeft());
    paintLayers(painter, design, box.size(), Edges::Exact);
    painter.restore();
}

}  // namespace mss::flags
