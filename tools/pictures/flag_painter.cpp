// SPDX-License-Identifier: GPL-3.0-or-later
#include "flag_painter.h"

#include <QPainter>

#include "flags/flag_layers.h"

namespace mss::picturegen {

QImage paintFlag(const FlagDesign& design, QSize size) {
    QImage canvas = supersampledCanvas(size);
    const double w = canvas.width(), h = canvas.height();
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, false);
        flags::paintLayers(painter, design, QSizeF(w, h), flags::Edges::OnSamples);

        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        for (const QPolygonF& outside : flags::outsideOfOutline(design.outline, QSizeF(w, h)))
            painter.drawPolygon(outside);
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
