// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The module's outputs: PDF, SVG and PNG files, written whole or not at all,
// a card's picture, and printing with a preview.

#include <QImage>
#include <QString>

#include "print/document.h"

class QWidget;

namespace mss::print {

// Each returns an empty string, or why nothing was written, in Russian.
QString writePdf(const Document& document, const QString& file);
QString writeSheetSvg(const ReferenceSheet& card, const QString& file);
QString writeSheetPng(const ReferenceSheet& card, const QString& file, int scale);

// The card on white at `scale` (1, 2 or 4) times kScreenDpi; a null image
// for any other scale.
QImage renderSheet(const ReferenceSheet& card, int scale);

bool printWithPreviewDialog(const Document& document, QWidget* parent);

}  // namespace mss::print
