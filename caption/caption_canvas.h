// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing calls the caption painter makes, behind an interface of our own,
// and the canvas that carries them out on an off-screen QImage.

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

#include "caption/caption_geometry.h"
#include "caption/gradient_table.h"

namespace mss::caption {

QRect toQRect(const Rect& r);
QColor toQColor(Colour c);

class CaptionCanvas {
public:
    virtual ~CaptionCanvas() = default;

    // Fills r with one solid colour.
    virtual void fillRect(const Rect& r, Colour colour) = 0;
    // Draws icon stretched over r.
    virtual void drawIcon(const QImage& icon, const Rect& r) = 0;
    // The font and colour of the text drawn from now on.
    virtual void selectFont(const QFont& font) = 0;
    virtual void setTextColour(Colour colour) = 0;
    // Draws text as one line, left-aligned and centred vertically in r, on a
    // transparent background. Text too long for r is cut at the end and
    // finished with an ellipsis ("…"); nothing is drawn outside r.
    virtual void drawText(const QString& text, const Rect& r) = 0;
    // Copies r of the composed strip to the same place of the target, in one piece.
    virtual void copyToTarget(const Rect& r) = 0;
    // Records r as a rectangle the frame painting has to leave alone.
    virtual void excludeRect(const Rect& r) = 0;
};

// Draws into its own strip image (black to begin with) and copies into an
// optional target image. Empty rectangles draw nothing; every drawing is
// clipped to the images.
class ImageCaptionCanvas final : public CaptionCanvas {
public:
    ImageCaptionCanvas(int width, int height, QImage* target);

    const QImage& strip() const { return strip_; }
    const std::vector<QRect>& excludedRects() const { return excluded_; }

    void fillRect(const Rect& r, Colour colour) override;
    void drawIcon(const QImage& icon, const Rect& r) override;
    void selectFont(const QFont& font) override;
    void setTextColour(Colour colour) override;
    void drawText(const QString& text, const Rect& r) override;
    void copyToTarget(const Rect& r) override;
    void excludeRect(const Rect& r) override;

private:
    QImage strip_;
    QImage* target_;
    QFont font_;
    QColor textColour_;
    std::vector<QRect> excluded_;
};

}  // namespace mss::caption
