// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What cards and documents are drawn with, on any paint device: millimetres
// in the device's units, wrapped text, flags cut exactly to their outlines,
// Morse as dots and dashes, and the «?» mark.

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QTextLayout>

#include <memory>
#include <vector>

class QPaintDevice;

namespace mss::print {

// Millimetres in a device's units.
class Units {
public:
    explicit Units(const QPaintDevice& device);
    explicit Units(double dotsPerInch) : perMm_(dotsPerInch / 25.4) {}
    double mm(double v) const { return v * perMm_; }
    QPointF mm(QPointF p) const { return p * perMm_; }
    QSizeF mm(QSizeF s) const { return s * perMm_; }
    QRectF mm(const QRectF& r) const { return {mm(r.topLeft()), mm(r.size())}; }

private:
    double perMm_;
};

// Text wrapped at word boundaries to a width, measured on a device.
class WrappedText {
public:
    WrappedText(const QString& text, const QFont& font, double width, QPaintDevice* device);
    double height() const { return height_; }
    int lineCount() const { return layout_->lineCount(); }
    // Where line `i` starts and how tall it is, from the top of the text.
    double lineTop(int i) const;
    double lineHeight(int i) const;
    // The end of the last line, from the top left of the text.
    QPointF end() const;
    void draw(QPainter& p, QPointF topLeft) const { drawLines(p, topLeft, 0, lineCount()); }
    // Lines [from, to), the first of them at `topLeft`.
    void drawLines(QPainter& p, QPointF topLeft, int from, int to) const;

private:
    std::unique_ptr<QTextLayout> layout_;
    double height_ = 0;
};

// Flag `flag` (0..39) in `box`, its outline edged thinly so white shows on white.
void paintSignalFlag(QPainter& p, int flag, const QRectF& box, const Units& u);

// Flags side by side (top first at the left) or one under the other, from
// `topLeft`; returns the size they take.
QSizeF hoistSize(std::size_t flags, QSizeF flagSize, double gap, bool upright);
void paintHoist(QPainter& p, const std::vector<int>& flags, QPointF topLeft, QSizeF flagSize, double gap,
                bool upright, const Units& u);

// Morse as dots and dashes ('.' and '-'), `dot` across, from the left end
// of the middle line; returns the width taken.
double paintMorse(QPainter& p, const QString& morse, QPointF leftMiddle, double dot);

// The «?» of a meaning written without the printed book, in a square.
void paintReconstructedMark(QPainter& p, const QRectF& square);

}  // namespace mss::print
