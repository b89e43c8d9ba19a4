// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/face_button.h"

#include <QFocusEvent>
#include <QKeyEvent>
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

void FaceButton::setChosenAnswer(bool chosen) {
    framed_ = chosen;
    setChosen(chosen);
    setAccessibleDescription(chosen ? QStringLiteral("Выбранный ответ") : QString());
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

    // A button that is off shows its caption dimmed, halfway to the face.
    QColor caption = text_.isValid() ? text_ : pal.color(QPalette::ButtonText);
    if (!isEnabled())
        caption = QColor((caption.red() + face_.red()) / 2, (caption.green() + face_.green()) / 2,
                         (caption.blue() + face_.blue()) / 2);
    p.setPen(caption);
    p.setFont(font());
    p.drawText(captionArea(), kCaptionFlags, text());

    if (chosen_ && framed_) {
        constexpr int kFrame = 3;
        p.setPen(QPen(look::kGlint, kFrame));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(kFrame / 2 + 2, kFrame / 2 + 2, -kFrame / 2 - 2, -kFrame / 2 - 2));
        p.setPen(caption);
    }
    if (showsFocusCue()) {
        p.setPen(QPen(p.pen().color(), 1, Qt::DotLine));
        p.drawRect(focusCueRect());
    }
}

QRect FaceButton::captionArea() const {
    const int shift = isDown() || chosen_ ? 1 : 0;
    return rect().adjusted(3 + shift, 2 + shift, -3 + shift, -2 + shift);
}

QRect FaceButton::captionRect() const { return fontMetrics().boundingRect(captionArea(), kCaptionFlags, text()); }

QRect FaceButton::focusCueRect() const {
    // Just inside the bevel, clear of a caption of one line or two, shifted
    // down or not.
    return rect().adjusted(2, 2, -2, -2);
}

bool FaceButton::showsFocusCue() const {
    return hasFocus() && window()->property(kKeyboardCuesProperty).toBool();
}

void FaceButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat()) click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void FaceButton::focusInEvent(QFocusEvent* event) {
    // The focus is shown once the learner moves it with the keyboard, as
    // desktop programs do; a click or the window's opening shows none.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        window()->setProperty(kKeyboardCuesProperty, true);
    QPushButton::focusInEvent(event);
}

}  // namespace mss::forms
