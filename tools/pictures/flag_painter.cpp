// SPDX-License-Identifier: GPL-3.0-or-later
#include "flag_painter.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <numeric>

namespace mss::picturegen {

namespace {

QColor colourOf(Colour c) { return QColor::fromRgba(rgbOf(c)); }

// Paints the layers on a canvas of w × h samples.
class LayerPainter {
public:
    LayerPainter(QPainter& painter, double w, double h) : p_(painter), w_(w), h_(h) {}

    void operator()(const Field& f) { fill(QRectF(0, 0, w_, h_), f.colour); }

    void operator()(const HorizontalStripes& s) {
        const double total = weightOf(s.bands);
        double top = 0;
        for (const Band& band : s.bands) {
            const double bottom = top + band.weight / total;
            fill(QRectF(0, std::round(top * h_), w_, std::round(bottom * h_) - std::round(top * h_)), band.colour);
            top = bottom;
        }
    }

    void operator()(const VerticalStripes& s) {
        const double total = weightOf(s.bands);
        double left = 0;
        for (const Band& band : s.bands) {
            const double right = left + band.weight / total;
            fill(QRectF(std::round(left * w_), 0, std::round(right * w_) - std::round(left * w_), h_), band.colour);
            left = right;
        }
    }

    void operator()(const Quarters& q) {
        const double sx = std::round(q.splitX * w_), sy = std::round(h_ / 2);
        fill(QRectF(0, 0, sx, sy), q.upperHoist);
        fill(QRectF(sx, 0, w_ - sx, sy), q.upperFly);
        fill(QRectF(0, sy, sx, h_ - sy), q.lowerHoist);
        fill(QRectF(sx, sy, w_ - sx, h_ - sy), q.lowerFly);
    }

    void operator()(const Chequers& c) {
        for (int row = 0; row < c.rows; ++row)
            for (int col = 0; col < c.columns; ++col) {
                const double x0 = std::round(col * w_ / c.columns), x1 = std::round((col + 1) * w_ / c.columns);
                const double y0 = std::round(row * h_ / c.rows), y1 = std::round((row + 1) * h_ / c.rows);
                fill(QRectF(x0, y0, x1 - x0, y1 - y0), (row + col) % 2 == 0 ? c.first : c.second);
            }
    }

    void operator()(const Disc& d) {
        const double r = d.diameter * h_ / 2;
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

    void fill(const QRectF& r, Colour c) { p_.fillRect(r, colourOf(c)); }

    void polygon(const QPolygonF& points, Colour c) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(colourOf(c));
        p_.drawPolygon(points);
    }

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
};

// What lies outside the flag's outline, to be cut away.
std::vector<QPolygonF> outsideOfOutline(const Outline& outline, double w, double h) {
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

}  // namespace

QImage paintFlag(const FlagDesign& design, QSize size) {
    QImage canvas = supersampledCanvas(size);
    const double w = canvas.width(), h = canvas.height();
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, false);
        LayerPainter layers(painter, w, h);
        for (const Layer& layer : design.layers) std::visit(layers, layer);

        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        for (const QPolygonF& outside : outsideOfOutline(design.outline, w, h)) painter.drawPolygon(outside);
    }
    return downsample(canvas);
}

std::vector<unsigned int> flagPalette(const FlagDesign& design) {
    const std::vector<Colour> colours = coloursOf(design);
    std::vector<unsigned int> palette;
    for (Colour c : colours) palette.push_back(rgbOf(c));
    for (size_t i = 0; i < colours.size(); ++i)
        for (size_t j = i + 1; j < colours.size(); ++j) {
            const QRgb a = rgbOf(colours[i]), b = rgbOf(colours[j]);
            for (int quarter = 1; quarter <= 3; ++quarter) {
                auto mix = [&](int ca, int cb) { return (ca * (4 - quarter) + cb * quarter + 2) / 4; };
                palette.push_back(qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b))));
            }
        }
    return palette;
}

IndexedImage flagPicture(const FlagDesign& design, QSize size) {
    const bool cut = design.outline.kind != OutlineKind::Rectangle;
    return reduceToPalette(paintFlag(design, size), flagPalette(design), cut, 16);
}

}  // namespace mss::picturegen
