// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_set.h"

#include "flags/flag_design.h"
#include "flag_painter.h"
#include "picture_files.h"
#include "scenes.h"

#include <QBuffer>

#include <stdexcept>

namespace mss::picturegen {

namespace {

QString nameAtScale(const QString& stem, const QString& extension, int scale) {
    return scale == 1 ? stem + "." + extension : QString("%1@%2x.%3").arg(stem).arg(scale).arg(extension);
}

QByteArray pngFile(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) throw std::runtime_error("cannot encode a PNG picture");
    return bytes;
}

}  // namespace

QSize catalogueSize(char symbol) { return symbol == 'M' ? QSize(92, 58) : QSize(91, 60); }

std::vector<PictureFile> drawPictureSet(int scale) {
    if (scale < 1) throw std::invalid_argument("the scale is a whole number from 1 up");
    std::vector<PictureFile> files;
    auto gif = [&](const QString& stem, const IndexedImage& image) {
        files.push_back({nameAtScale(stem, "gif", scale), gifFile(image)});
    };

    for (const FlagDesign& design : flagDesigns())
        gif("flag-" + fileStemOf(design), flagPicture(design, catalogueSize(design.symbol) * scale));
    // The M shown at the head of medical signals is a picture of its own,
    // of the common flag size.
    gif("flag-M-single", flagPicture(flagDesign('M'), QSize(91, 60) * scale));

    gif("ship", reduceByMedianCut(paintShip(scale), 64, true, 16));
    gif("main-background", reduceByMedianCut(paintMainBackground(scale), 256, false, 256));
    gif("about-background", reduceByMedianCut(paintAboutBackground(scale), 256, false, 256));

    if (scale == 1) {
        // 16 colours, the transparent pixels kept apart for the icon's mask.
        std::vector<IndexedImage> icons;
        for (int size : {32, 16}) icons.push_back(reduceByMedianCut(paintLifebuoy(size), 17, true));
        files.push_back({"lifebuoy.ico", icoFile(icons)});
        for (int size : kLifebuoyPngSizes)
            files.push_back({QString("lifebuoy-%1.png").arg(size), pngFile(paintLifebuoy(size))});
    }
    return files;
}

}  // namespace mss::picturegen
