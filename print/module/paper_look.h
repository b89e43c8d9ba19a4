// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every font, colour and measure of what the module puts on paper, PDF, SVG
// and PNG, in one place. Lengths are millimetres.

#include <QColor>
#include <QFont>
#include <QSizeF>

namespace mss::print {

// The families the Debian package brings (fonts-liberation2), with Cyrillic.
inline QFont sansFont(double points, bool bold = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}
inline QFont serifFont(double points, bool bold = false) {
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

inline const QColor kInk{0, 0, 0};
inline const QColor kQuietInk{90, 90, 90};      // section lines, page numbers, notes
inline const QColor kRule{170, 170, 170};       // card frames, lines under rows, cut marks
inline const QColor kFlagEdge{70, 70, 70};      // the thin edge that shows a white flag on white paper
inline const QColor kHalyard{110, 110, 110};    // the line the flags of a card hang on
inline const QColor kPaper{255, 255, 255};

// A card.
inline constexpr QSizeF kSheetSize{90, 130};
inline constexpr double kSheetPadding = 6;
inline constexpr double kRuleWidth = 0.2;
inline constexpr double kFlagEdgeWidth = 0.15;
// The hoist on a card: its flags are 3 wide to 2 high.
inline constexpr double kFlagAspect = 1.5;
inline constexpr double kLoneFlagHeight = 30;   // a card of one flag
inline constexpr double kHoistFlagHeight = 22;  // largest in a hoist of several
inline constexpr double kHoistHeight = 72;      // the room a hoist of several has
inline constexpr double kHoistGap = 3;          // between two flags, where the halyard shows

// A page: A4 portrait.
inline constexpr QSizeF kPageSize{210, 297};
inline constexpr double kPageMargin = 12;
inline constexpr double kSheetGutter = 6;        // between cards on a page
inline constexpr double kCutMarkLength = 2;
inline constexpr double kCutMarkGap = 0.5;      // between a card's corner and its marks

// A hoist in a row of a document.
inline constexpr QSizeF kRowFlagSize{9, 6};
inline constexpr double kRowFlagGap = 1;

// PNG of a card: pixels per inch at scale 1, as a screen shows it.
inline constexpr int kScreenDpi = 96;
// PDF: the writer's units per inch (the drawing is vector at any value).
inline constexpr int kPdfDpi = 600;

}  // namespace mss::print
