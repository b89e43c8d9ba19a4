// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption/caption_canvas.h"

#include <QFontMetrics>
#include <QPainter>

namespace mss::caption {

QRect toQRect(const Rect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

ImageCaptionCanvas::ImageCaptionCanvas(int width, int height, QImage* target)
    : strip_(width > 0 ? width : 0, height > 0 ? height : 0, QImage::Format_RGB32),
      target_(target),
      textColour_(Qt::white) {
    strip_.fill(Qt::black);
}

void ImageCaptionCanvas::fillRect(const Rect& r, Colour colour) {
    if (r.isEmpty() || strip_.isNull()) return;
    QPainter p(&strip_);
    p.fillRect(toQRect(r), toQColor(colour));
}

void ImageCaptionCanvas::drawIcon(const QImage& icon, const Rect& r) {
    if (r.isEmpty() || icon.isNull() || strip_.isNull()) return;
    QPainter p(&strip_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(toQRect(r), icon);
}

void ImageCaptionCanvas::selectFont(const QFont& font) { font_ = font; }

void ImageCaptionCanvas::setTextColour(Colour colour) { textColour_ = toQColor(colour); }

void ImageCaptionCanvas::drawText(const QString& text, const Rect& r) {
    if (r.isEmpty() || text.isEmpty() || strip_.isNull()) return;
    const QRect box = toQRect(r);
    QPainter p(&strip_);
    p.setFont(font_);
    p.setPen(textColour_);
    // Drawing into a rectangle clips to it; the ellipsis keeps a long title whole at its end.
    const QString shown = p.fontMetrics().elidedText(text, Qt::ElideRight, box.width());
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

void ImageCaptionCanvas::copyToTarget(const Rect& r) {
    if (target_ == nullptr || target_->isNull() || r.isEmpty()) return;
    const QRect area = toQRect(r) & strip_.rect() & target_->rect();
    if (area.isEmpty()) return;
    QPainter p(target_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(area.topLeft(), strip_, area);
}

void ImageCaptionCanvas::excludeRect(const Rect& r) { excluded_.push_back(toQRect(r)); }

}  // namespace mss::caption
