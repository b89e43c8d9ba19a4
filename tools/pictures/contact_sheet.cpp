// SPDX-License-Identifier: GPL-3.0-or-later
#include "contact_sheet.h"

#include <QDir>
#include <QFont>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace mss::picturegen {

namespace {

constexpr int kEnlargement = 4;
constexpr int kSheetWidth = 3240;
constexpr int kMargin = 16;
constexpr int kLabelHeight = 22;

struct Entry {
    QString label;
    QImage image;
};

std::vector<Entry> loadEntries(const QString& directory, const QStringList& names) {
    std::vector<Entry> entries;
    for (const QString& name : names) {
        QImageReader reader(QDir(directory).filePath(name));
        const int count = std::max(1, reader.imageCount());
        for (int i = 0; i < count; ++i) {
            if (i > 0 && !reader.jumpToImage(i)) break;
            QImage image = reader.read();
            const QString size = QString("%1×%2").arg(image.width()).arg(image.height());
            entries.push_back({image.isNull() ? name + ": " + reader.errorString() : name + "  " + size, image});
        }
    }
    return entries;
}

void chequer(QPainter& p, const QRect& r) {
    p.save();
    p.setClipRect(r);
    for (int y = r.top(); y <= r.bottom(); y += 8)
        for (int x = r.left(); x <= r.right(); x += 8)
            p.fillRect(QRect(x, y, 8, 8), ((x - r.left()) / 8 + (y - r.top()) / 8) % 2 ? QColor(150, 150, 150)
                                                                                            : QColor(200, 200, 200));
    p.restore();
}

// Where the enlarged copy goes: beside the picture if the pair fits the sheet, else below.
QSize entrySize(const QImage& image, bool& besides) {
    const QSize big = image.size() * kEnlargement;
    besides = image.width() + kMargin + big.width() <= kSheetWidth - 2 * kMargin;
    const QSize pictures = besides ? QSize(image.width() + kMargin + big.width(), big.height())
                                   : QSize(big.width(), image.height() + kMargin + big.height());
    return QSize(std::max(pictures.width(), 200), pictures.height() + kLabelHeight);
}

}  // namespace

QImage contactSheet(const QString& directory, const QStringList& names) {
    const std::vector<Entry> entries = loadEntries(directory, names);

    // Lay the entries out in rows, left to right.
    std::vector<QPoint> places;
    int x = kMargin, y = kMargin, rowHeight = 0;
    for (const Entry& entry : entries) {
        bool besides = true;
        const QSize size = entrySize(entry.image, besides);
        if (x > kMargin && x + size.width() > kSheetWidth - kMargin) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        places.push_back(QPoint(x, y));
        x += size.width() + 2 * kMargin;
        rowHeight = std::max(rowHeight, size.height());
    }

    QImage sheet(kSheetWidth, y + rowHeight + kMargin, QImage::Format_RGB32);
    sheet.fill(QColor(48, 52, 60));
    QPainter p(&sheet);
    QFont font("DejaVu Sans");
    font.setPixelSize(15);
    p.setFont(font);
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        const QPoint at = places[i];
        p.setPen(Qt::white);
        p.drawText(QRect(at.x(), at.y(), kSheetWidth, kLabelHeight), Qt::AlignLeft | Qt::AlignVCenter, entry.label);
        if (entry.image.isNull()) continue;
        bool besides = true;
        entrySize(entry.image, besides);
        const QPoint small = at + QPoint(0, kLabelHeight);
        const QPoint large = besides ? small + QPoint(entry.image.width() + kMargin, 0)
                                     : small + QPoint(0, entry.image.height() + kMargin);
        const QImage enlarged = entry.image.scaled(entry.image.size() * kEnlargement, Qt::IgnoreAspectRatio,
                                                   Qt::FastTransformation);
        chequer(p, QRect(small, entry.image.size()));
        chequer(p, QRect(large, enlarged.size()));
        p.drawImage(small, entry.image);
        p.drawImage(large, enlarged);
    }
    return sheet;
}

}  // namespace mss::picturegen
