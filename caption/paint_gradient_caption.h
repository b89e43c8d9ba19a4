// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's painted caption bar: a gradient from black to the caption
// colour, the window icon on its left end and the title in white.
//
// Wiring it into a window that draws its own frame:
//   1. make one GradientCaptionPainter for the window;
//   2. on every paint of the caption, or when the window becomes active or
//      inactive, call painter.ComposeCaption(painter.windowInputs(active), &image)
//      where image is what the window paints from (device pixels);
//   3. leave result.excluded out of the frame painting.
// All sizes are device pixels; the metrics come from CaptionMetricsFor().

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QRect>
#include <QString>

#include "caption/caption_canvas.h"
#include "caption/caption_geometry.h"
#include "caption/gradient_table.h"

class QWidget;

namespace mss::caption {

inline constexpr Colour kCaptionStartColour = makeColour(0, 0, 0);
inline constexpr Colour kActiveCaptionColour = makeColour(0, 0, 128);
inline constexpr Colour kInactiveCaptionColour = makeColour(128, 128, 128);
inline constexpr Colour kCaptionTextColour = makeColour(255, 255, 255);

// The off-screen strip is as wide as the window and this high (or as high as
// the frame and caption together, if that is more).
inline constexpr int kStripHeight = 50;

struct CaptionInputs {
    int windowWidth = 0;  // outer width, frame included
    QString title;
    QImage icon;          // null: the caption has no icon
    bool active = true;   // picks the caption colour
    Colour activeColour = kActiveCaptionColour;      // end colour while active
    Colour inactiveColour = kInactiveCaptionColour;  // end colour while inactive
    CaptionMetrics metrics = kStandardCaptionMetrics;
};

struct CaptionResult {
    QImage strip;     // the composed off-screen strip
    QRect copied;     // the part of it copied into the target
    QRect excluded;   // the part of the window the frame must not paint
    StripGeometry geometry;
};

// The title font: the platform's title font at its size (scaled like the
// metrics), made smaller where needed until a line fits the band height.
QFont CaptionFontFor(const QFont& logFont, const CaptionMetrics& metrics);

// The standard metrics scaled by the device pixel ratio of `window` (of the
// primary screen when there is no window).
CaptionMetrics CaptionMetricsFor(const QWidget* window);

// The painter of one window's caption and what it keeps between paints: the
// window and its icon, the platform's title font, read once, and the font
// last selected for the title.
class GradientCaptionPainter {
public:
    // `window` may be null: the painter then paints only the inputs it is given.
    explicit GradientCaptionPainter(const QWidget* window = nullptr);

    // Reads the platform's title font, once: later calls keep what is there.
    // A platform that gives no usable title font (no positive point or pixel
    // size) is replaced by the window's font, or the application font.
    void LoadCaptionFont();
    // Takes `font` as the title font read from the platform.
    void setCaptionLogFont(const QFont& font);
    bool captionFontKnown() const { return logFontKnown_; }
    const QFont& captionLogFont() const { return logFont_; }
    const QFont& lastCaptionFont() const { return captionFont_; }

    // Width, title, icon and metrics of the window (empty inputs without one).
    CaptionInputs windowInputs(bool active) const;

    // Paints the caption on `canvas`, step by step: read the width and title
    // (leading spaces dropped, trailing ones kept), work out the geometry,
    // build the gradient table with upper index n, fill band i with entry i,
    // draw the icon, select the caption font and white text, draw the title
    // (an empty one draws nothing), copy the strip into the target, record
    // the excluded rectangle. A step that cannot be done is skipped and the
    // rest still run.
    StripGeometry PaintGradientCaption(Colour start, Colour end, const CaptionInputs& in, CaptionCanvas& canvas);

    // Composes the caption of `in` (black to its active or inactive caption
    // colour) in an off-screen strip and copies it into `target` when given.
    CaptionResult ComposeCaption(const CaptionInputs& in, QImage* target = nullptr);

private:
    const QWidget* window_;
    QIcon icon_;
    QFont logFont_;
    bool logFontKnown_ = false;
    QFont captionFont_;
};

}  // namespace mss::caption
