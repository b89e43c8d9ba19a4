// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/animated_label.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTimerEvent>

#include "look/look.h"

namespace mss::forms {

AnimatedLabel::AnimatedLabel(const QString& caption, const QFont& font, const QColor& colour, QWidget* parent)
    : QWidget(parent), caption_(caption), colour_(colour) {
    setFont(font);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    clock_.start();
}

void AnimatedLabel::setRunAnimate(bool on) {
    runAnimate_ = on;
    startOrStop();
    update();
}

void AnimatedLabel::startOrStop() {
    if (runAnimate_ && isVisible())
        timer_.start(kFrameIntervalMs, Qt::CoarseTimer, this);
    else
        timer_.stop();
}

void AnimatedLabel::showEvent(QShowEvent*) { startOrStop(); }
void AnimatedLabel::hideEvent(QHideEvent*) { startOrStop(); }

void AnimatedLabel::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timer_.timerId()) update();
}

void AnimatedLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    const QRect r = rect();
    if (!runAnimate_) {
        p.setPen(colour_);
        p.drawText(r, Qt::AlignCenter, caption_);
        return;
    }
    // A narrow bright band runs from left to right across the caption, then
    // rests for the rest of the period.
    const double phase = double(clock_.elapsed() % kSweepPeriodMs) / kSweepPeriodMs;
    const double centre = -0.2 + phase * 2.0;  // the band is on the text for the first ~70 %
    QLinearGradient glint(r.left(), 0, r.right(), 0);
    const QColor bright = colour_.lightness() > 200 ? look::kGlint : colour_.lighter(170);
    auto clampStop = [](double x) { return std::clamp(x, 0.0, 1.0); };
    glint.setColorAt(0, colour_);
    glint.setColorAt(clampStop(centre - 0.12), colour_);
    glint.setColorAt(clampStop(centre), bright);
    glint.setColorAt(clampStop(centre + 0.12), colour_);
    glint.setColorAt(1, colour_);
    p.setPen(QPen(QBrush(glint), 1));
    p.drawText(r, Qt::AlignCenter, caption_);
}

}  // namespace mss::forms
