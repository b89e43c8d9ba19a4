// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/keyboard_frame.h"

#include <QPainter>

#include "look/look.h"

namespace mss::forms {

KeyboardFrame::KeyboardFrame(const QString& caption, const QColor& captionColour, QWidget* parent)
    : QWidget(parent), caption_(caption), captionColour_(captionColour) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(look::serifFont(look::kKeyboardCaptionPoints));
}

void KeyboardFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), look::kBlue);
    const QFontMetrics fm = fontMetrics();
    const int lineY = fm.height() / 2;
    const QRect border = rect().adjusted(0, lineY, -1, -1);
    // Etched border, broken where the caption stands.
    const int textLeft = 8;
    const int textWidth = fm.horizontalAdvance(caption_) + 4;
    const QColor dark = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    for (int pass = 0; pass < 2; ++pass) {
        p.setPen(pass == 0 ? dark : light);
        const QRect r = border.adjusted(pass, pass, pass - 1, pass - 1);
        p.drawLine(r.left(), r.top(), textLeft - 2, r.top());
        p.drawLine(textLeft + textWidth, r.top(), r.right(), r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    }
    p.setPen(captionColour_.isValid() ? captionColour_ : palette().color(QPalette::WindowText));
    p.drawText(QRect(textLeft, 0, textWidth, fm.height()), Qt::AlignLeft | Qt::AlignVCenter, caption_);
}

}  // namespace mss::forms
