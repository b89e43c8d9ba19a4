#include "face_button.h"

#include <QPainter>

#include "look/bevel.h"
#include "look/look.h"

namespace mss::forms {

FaceButton::FaceButton(const QString& caption, const QColor& face, const QColor& text, QWidget* parent)
    : QPushButton(caption, parent), face_(face), text_(text) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FaceButton::setChosen(bool chosen) {
    if (chosen == chosen_) return;
    chosen_ = chosen;
    setAccessibleDescription(chosen ? QStringLiteral("Выбранный раздел") : QString());
    update();
}

void FaceButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    const bool down = isDown() || chosen_;
    // A chosen section button stays down with a lighter face, so the choice
    // reads at a glance.
    p.fillRect(rect(), chosen_ ? face_.lighter(look::kChosenFaceLighter) : face_);

    // Two-pixel bevel: light above and left, dark below and right; the other
    // way round while down.
    const QColor outerLight = pal.color(QPalette::Light), innerLight = pal.color(QPalette::Midlight);
    const QColor outerDark = pal.color(QPalette::Shadow), innerDark = pal.color(QPalette::Dark);
    if (down) {
        look::drawBevelRing(p, rect(), 0, outerDark, outerLight);
        look::drawBevelRing(p, rect(), 1, innerDark, innerLight);
    } else {
        look::drawBevelRing(p, rect(), 0, outerLight, outerDark);
        look::drawBevelRing(p, rect(), 1, innerLight, innerDark);
    }

    const int shift = down ? 1 : 0;
    const QRect textRect = rect().adjusted(3 + shift, 2 + shift, -3 + shift, -2 + shift);
    p.setPen(text_.isValid() ? text_ : pal.color(QPalette::ButtonText));
    p.setFont(font());
    p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, text());

    if (hasFocus()) {
        p.setPen(QPen(p.pen().color(), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

}  // namespace mss::forms
