// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenes.h"

#include "raster.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace mss::picturegen {

namespace {

struct Stop {
    double at;
    QRgb colour;
};

// The colour at t along the stops (sorted by `at`), mixed linearly between
// neighbours and held beyond the ends.
QRgb colourAt(const std::vector<Stop>& stops, double t) {
    if (t <= stops.front().at) return stops.front().colour;
    for (size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].at) {
            const double f = (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at);
            const QRgb a = stops[i - 1].colour, b = stops[i].colour;
            auto mix = [f](int ca, int cb) { return static_cast<int>(std::lround(ca + (cb - ca) * f)); };
            return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)));
        }
    }
    return stops.back().colour;
}

QRgb blend(QRgb a, QRgb b, double f) {
    auto mix = [f](int ca, int cb) { return static_cast<int>(std::lround(ca + (cb - ca) * f)); };
    return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)));
}

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A supersampled canvas with its own units: the picture has baseSize units,
// and one unit becomes unitsToPicture pixels.
class Sketch {
public:
    Sketch(QSize baseSize, double unitsToPicture)
        : canvas_(supersampledCanvas((QSizeF(baseSize) * unitsToPicture).toSize())), painter_(&canvas_) {
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.scale(unitsToPicture * kSamplesPerPixel, unitsToPicture * kSamplesPerPixel);
    }

    QPainter& painter() { return painter_; }

    QImage finish() {
        painter_.end();
        return downsample(canvas_);
    }

private:
    QImage canvas_;
    QPainter painter_;
};

void fillPath(QPainter& p, const QPainterPath& path, QColor colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void outlinePath(QPainter& p, const QPainterPath& path, QColor fill, QColor line, double width) {
    p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

// A square sail hanging from its yard: the top edge straight, the foot bellied.
QPainterPath squareSail(double mastX, double top, double bottom, double topHalf, double footHalf) {
    QPainterPath sail;
    sail.moveTo(mastX - topHalf, top);
    sail.lineTo(mastX + topHalf, top);
    sail.quadTo(mastX + footHalf + 1.2, (top + bottom) / 2, mastX + footHalf, bottom);
    sail.quadTo(mastX, bottom + 2.2, mastX - footHalf, bottom);
    sail.quadTo(mastX - footHalf - 0.6, (top + bottom) / 2, mastX - topHalf, top);
    sail.closeSubpath();
    return sail;
}

struct Mast {
    double x, top, deck;
    // Sails from the top down: top, bottom, half-width at the yard and at the foot.
    std::vector<std::array<double, 4>> sails;
};

}  // namespace

QImage paintShip(int scale) {
    Sketch sketch(QSize(65, 85), scale);
    QPainter& p = sketch.painter();

    const QColor hullColour(74, 42, 22), wale(214, 160, 52), wood(110, 66, 30), rigging(58, 50, 46);
    const QColor sailColour(255, 255, 255), sailShade(206, 214, 228), sailEdge(128, 136, 150), pennant(230, 20, 20);

    const std::vector<Mast> masts = {
        {19.5, 18, 62, {{26, 34, 5.5, 6.5}, {35, 45, 7, 8.5}}},
        {33, 6, 62, {{9, 18, 5, 6}, {19, 30, 7, 8.5}, {31, 43, 9, 10.5}, {44, 56, 10.5, 11.5}}},
        {47, 11, 62, {{14, 22, 4.5, 5.5}, {23, 33, 6.5, 7.5}, {34, 45, 8, 9.5}, {46, 57, 9.5, 10.5}}},
    };

    // Stays and the bowsprit, behind the sails.
    p.setPen(QPen(rigging, 0.6));
    p.drawLine(QPointF(47, 12), QPointF(63.5, 52));
    p.drawLine(QPointF(33, 7), QPointF(47, 24));
    p.drawLine(QPointF(19.5, 19), QPointF(33, 30));
    p.drawLine(QPointF(19.5, 19), QPointF(4, 58));
    p.setPen(QPen(wood, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(56, 61), QPointF(64, 52));

    // Masts.
    for (const Mast& mast : masts) {
        p.setPen(QPen(wood, 1.3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(mast.x, mast.top), QPointF(mast.x, mast.deck));
    }

    // The spanker abaft the mizzen and the jibs before the foremast.
    QPainterPath spanker;
    spanker.moveTo(19, 37);
    spanker.lineTo(9, 40);
    spanker.quadTo(5, 50, 4.5, 57);
    spanker.lineTo(19, 57);
    spanker.closeSubpath();
    outlinePath(p, spanker, sailColour, sailEdge, 0.6);
    for (const auto& [head, tack, clew] : {std::array<QPointF, 3>{QPointF(47, 13), QPointF(62.5, 53), QPointF(52, 46)},
                                          std::array<QPointF, 3>{QPointF(47, 24), QPointF(59, 57), QPointF(50, 55)}}) {
        QPainterPath jib;
        jib.moveTo(head);
        jib.lineTo(tack);
        jib.quadTo((tack + clew) / 2 + QPointF(1, 1.5), clew);
        jib.closeSubpath();
        outlinePath(p, jib, sailColour, sailEdge, 0.6);
    }

    // Square sails, the farthest mast first; a shaded strip along the leech
    // gives them their belly.
    for (const Mast& mast : masts) {
        for (const auto& [top, bottom, topHalf, footHalf] : mast.sails) {
            const QPainterPath sail = squareSail(mast.x, top, bottom, topHalf, footHalf);
            outlinePath(p, sail, sailColour, sailEdge, 0.6);
            p.save();
            p.setClipPath(sail);
            fillPath(p, squareSail(mast.x + footHalf * 0.75, top, bottom, topHalf * 0.35, footHalf * 0.35), sailShade);
            p.restore();
            p.setPen(QPen(wood, 0.9, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(mast.x - topHalf - 0.5, top), QPointF(mast.x + topHalf + 0.5, top));
        }
        // A pennant streaming aft from the truck.
        QPainterPath streamer;
        streamer.moveTo(mast.x, mast.top - 0.5);
        streamer.quadTo(mast.x - 4, mast.top - 1.5, mast.x - 8, mast.top + 0.5);
        streamer.quadTo(mast.x - 4, mast.top + 0.5, mast.x, mast.top + 2);
        streamer.closeSubpath();
        fillPath(p, streamer, pennant);
    }

    // The hull: a raised stern at the left, the bow sweeping up at the right.
    QPainterPath hull;
    hull.moveTo(2, 56);
    hull.lineTo(14, 57);
    hull.lineTo(14.5, 60);
    hull.lineTo(50, 60.5);
    hull.quadTo(56, 60, 61, 57);
    hull.quadTo(58, 68, 52, 73);
    hull.lineTo(13, 73);
    hull.quadTo(5, 70, 2, 56);
    hull.closeSubpath();
    fillPath(p, hull, hullColour);
    p.save();
    p.setClipPath(hull);
    QPainterPath band;
    band.moveTo(0, 62.5);
    band.quadTo(32, 64.5, 64, 61);
    band.lineTo(64, 63.2);
    band.quadTo(32, 66.7, 0, 64.7);
    band.closeSubpath();
    fillPath(p, band, wale);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 18, 12));
    for (double x = 17; x <= 50; x += 5.5) p.drawRect(QRectF(x, 63.2, 1.6, 1.6));
    p.restore();

    // Foam along the waterline.
    p.setPen(QPen(QColor(236, 244, 255), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 73.5), QPointF(55, 73.5));
    p.setPen(QPen(QColor(150, 190, 235), 0.9, Qt::SolidLine, Qt::RoundCap));
    for (double x : {4.0, 20.0, 36.0, 52.0}) {
        QPainterPath wave;
        wave.moveTo(x, 77);
        wave.quadTo(x + 4, 75, x + 8, 77);
        p.drawPath(wave);
    }
    p.setPen(Qt::NoPen);
    return sketch.finish();
}

QImage paintMainBackground(int scale) {
    const int w = 795 * scale, h = 596 * scale;
    const std::vector<Stop> stops = {
        {0.00, qRgb(48, 140, 255)}, {0.35, qRgb(20, 96, 238)}, {0.70, qRgb(4, 48, 170)},
        {0.95, qRgb(0, 20, 104)},   {1.20, qRgb(0, 8, 64)},
    };
    // The bright middle lies toward the lower right; the ellipse is tall
    // enough that the far corners stay dark.
    const double cx = 0.62, cy = 0.66, rx = 0.60, ry = 0.72;
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double v = (y + 0.5) / h;
        for (int x = 0; x < w; ++x) {
            const double u = (x + 0.5) / w;
            line[x] = colourAt(stops, std::hypot((u - cx) / rx, (v - cy) / ry));
        }
    }
    return image;
}

QImage paintAboutBackground(int scale) {
    const int w = 357 * scale, h = 268 * scale;
    const std::vector<Stop> sky = {{0.0, qRgb(0, 12, 92)}, {0.55, qRgb(0, 40, 150)}, {0.80, qRgb(10, 80, 200)}};
    const std::vector<Stop> horizon = {
        {0.80, qRgb(10, 80, 200)}, {0.87, qRgb(255, 255, 255)}, {1.00, qRgb(150, 200, 250)}};
    const QRgb glowColour = qRgb(235, 245, 255);
    const double glowX = 0.64, glowRadius = 0.075;  // in widths
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double v = (y + 0.5) / h;
        for (int x = 0; x < w; ++x) {
            const double u = (x + 0.5) / w;
            QRgb c = v < 0.80 ? colourAt(sky, v) : colourAt(horizon, v);
            // The glow: a soft bright spot whose middle sits on the top edge.
            const double d = std::hypot(u - glowX, v * h / w) / glowRadius;
            c = blend(c, glowColour, std::exp(-d * d * 2.2) * (1 - smoothstep(0.6, 0.8, v)));
            line[x] = c;
        }
    }
    return image;
}

QImage paintLifebuoy(int size) {
    // Drawn on a 100-unit square; `pixel` is one pixel of the picture in units.
    Sketch sketch(QSize(100, 100), size / 100.0);
    QPainter& p = sketch.painter();
    const double pixel = 100.0 / size;
    const bool small = size < 32;  // too small for rims and the line's shading
    const QPointF c(50, 50);
    const double outer = 37, inner = 19, sag = 48;
    const QColor red(222, 24, 24), white(255, 255, 255), rim(96, 28, 28), rope(232, 190, 112), ropeShade(128, 88, 40);
    auto polar = [&](double degrees, double radius) {
        const double a = degrees * std::numbers::pi / 180;
        return c + QPointF(std::cos(a), -std::sin(a)) * radius;
    };

    // The grab line: four loops hanging outside the ring between the
    // seizings, which sit in the middle of the white parts.
    QPainterPath line;
    for (int k = 0; k < 4; ++k) {
        const double from = 45 + 90 * k, to = from + 90;
        line.moveTo(polar(from, outer - 2));
        line.cubicTo(polar(from + 20, sag + 4), polar(to - 20, sag + 4), polar(to, outer - 2));
    }
    p.setBrush(Qt::NoBrush);
    if (!small) {
        p.setPen(QPen(ropeShade, std::max(6.0, 2.6 * pixel), Qt::SolidLine, Qt::RoundCap));
        p.drawPath(line);
    }
    p.setPen(QPen(rope, small ? pixel : std::max(3.5, 1.4 * pixel), Qt::SolidLine, Qt::RoundCap));
    p.drawPath(line);

    // The ring: white with four red quarters at the top, bottom and sides.
    QPainterPath ring;
    ring.addEllipse(c, outer, outer);
    ring.addEllipse(c, inner, inner);
    fillPath(p, ring, white);
    for (int k = 0; k < 4; ++k) {
        QPainterPath wedge;
        wedge.moveTo(c);
        wedge.arcTo(QRectF(c.x() - 60, c.y() - 60, 120, 120), k * 90 - 22.5, 45);
        wedge.closeSubpath();
        fillPath(p, ring.intersected(wedge), red);
    }
    if (!small) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(rim, std::max(2.0, pixel)));
        p.drawEllipse(c, outer, outer);
        p.drawEllipse(c, inner, inner);
    }

    // Seizings: the line lashed across the ring (too fine to show when small).
    for (int k = 0; k < 4 && !small; ++k) {
        const double at = 45 + 90 * k;
        p.setPen(QPen(ropeShade, std::max(5.0, 2.2 * pixel), Qt::SolidLine, Qt::FlatCap));
        p.drawLine(polar(at, inner - 1), polar(at, outer + 1.5));
        p.setPen(QPen(rope, std::max(3.0, 1.2 * pixel), Qt::SolidLine, Qt::FlatCap));
        p.drawLine(polar(at, inner - 0.5), polar(at, outer + 1));
    }
    return sketch.finish();
}

}  // namespace mss::picturegen
