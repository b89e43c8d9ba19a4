// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/module/outputs.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>
#include <functional>

#include "print/module/sheet_painter.h"
#include "print/module/document_painter.h"
#include "print/module/drawing.h"
#include "print/module/paper_look.h"
#include "print/png_scales.h"
#include "print/output_file.h"

namespace mss::print {

namespace {

const QString kProgram = QStringLiteral("МСС-65");

// Why `file` cannot be written, in Russian.
QString cannotWrite(const QString& file) {
    const QFileInfo info(file);
    const QString shown = QDir::toNativeSeparators(file);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("Файл «%1» не записан: нет папки «%2».")
            .arg(shown, QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isWritable() || (info.exists() && !info.isWritable()))
        return QStringLiteral("Файл «%1» не записан: нет права на запись.").arg(shown);
    return QStringLiteral("Файл «%1» не записан.").arg(shown);
}

// Draws through `draw` in memory, then writes it into a file that replaces
// `file` only when whole: never over anything but a regular file, and never
// past the file-size limit, so that an old file stays as it was.
QString writeWhole(const QString& file, const std::function<bool(QIODevice&)>& draw) {
    if (QString refusal = refusalToWrite(file); !refusal.isEmpty()) return refusal;
    QByteArray bytes;
    QBuffer drawn(&bytes);
    if (!drawn.open(QIODevice::WriteOnly) || !draw(drawn)) return cannotWrite(file);
    drawn.close();
    if (QString beyond = beyondFileSizeLimit(file, bytes.size()); !beyond.isEmpty()) return beyond;
    // Asked again just before the write: the name may have changed hands meanwhile.
    if (QString refusal = refusalToWrite(file); !refusal.isEmpty()) return refusal;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) return cannotWrite(file);
    return {};
}

QSize sheetPixels(int dotsPerInch) {
    const QSizeF size = Units(dotsPerInch).mm(kSheetSize);
    return {static_cast<int>(std::lround(size.width())), static_cast<int>(std::lround(size.height()))};
}

}  // namespace

QString writePdf(const Document& document, const QString& file) {
    return writeWhole(file, [&](QIODevice& out) {
        QPdfWriter pdf(&out);
        pdf.setResolution(kPdfDpi);
        pdf.setTitle(document.title);
        pdf.setCreator(kProgram);
        setA4(pdf);
        paintDocument(document, pdf);
        return true;
    });
}

QImage renderSheet(const ReferenceSheet& card, int scale) {
    if (!isPngScale(scale)) return {};
    const int dpi = kScreenDpi * scale;
    // Exactly `scale` times the picture at 1, the card's last fraction of a pixel cut.
    QImage image(sheetPixels(kScreenDpi) * scale, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(kPaper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintSheet(painter, card, QPointF(0, 0), Units(dpi), true);
    return image;
}

QString writeSheetPng(const ReferenceSheet& card, const QString& file, int scale) {
    const QImage image = renderSheet(card, scale);
    if (image.isNull()) return QStringLiteral("Масштаб картинки бывает %1.").arg(pngScalesInWords());
    return writeWhole(file, [&](QIODevice& out) { return image.save(&out, "PNG"); });
}

QString writeSheetSvg(const ReferenceSheet& card, const QString& file) {
    return writeWhole(file, [&](QIODevice& out) {
        const QSize size = sheetPixels(kScreenDpi);
        QSvgGenerator svg;
        svg.setOutputDevice(&out);
        svg.setResolution(kScreenDpi);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(card.code);
        svg.setDescription(card.meaning);
        QPainter painter;
        if (!painter.begin(&svg)) return false;
        painter.fillRect(QRect(QPoint(0, 0), size), kPaper);
        paintSheet(painter, card, QPointF(0, 0), Units(kScreenDpi), true);
        return painter.end();
    });
}

bool printWithPreviewDialog(const Document& document, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.title);
    printer.setCreator(kProgram);
    printer.setFullPage(true);
    setA4(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document](QPrinter* target) { paintDocument(document, *target); });
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace mss::print
