// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/animated_label.h"

#include <QEvent>
#include <QPainter>
#include <QTimerEvent>

#include <algorithm>
#include <cmath>

#include "look/look.h"

namespace mss::forms {

AnimatedLabel::AnimatedLabel(const QString& caption, const QFont& font, const QColor& colour, QWidget* parent)
    : QWidget(parent), caption_(caption), colour_(colour) {
    setFont(font);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void AnimatedLabel::setRunAnimate(bool on) {
    runAnimate_ = on;
    startOrStop();
}

bool AnimatedLabel::seen() const {
    return isVisible() && window()->isActiveWindow() && !window()->isMinimized();
}

void AnimatedLabel::startOrStop() {
    if (runAnimate_ && seen()) {
        if (!timer_.isActive()) timer_.start(kFirstGlintMs, Qt::CoarseTimer, this);
        return;
    }
    timer_.stop();
    if (glinting_) {
        glinting_ = false;
        update();
    }
}

void AnimatedLabel::showEvent(QShowEvent*) { startOrStop(); }
void AnimatedLabel::hideEvent(QHideEvent*) { startOrStop(); }

bool AnimatedLabel::event(QEvent* event) {
    // The window passes its coming to the front, or leaving it, to every
    // visible widget in it.
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate) startOrStop();
    return handled;
}

void AnimatedLabel::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timer_.timerId()) return;
    if (!glinting_) {
        glinting_ = true;
        sweep_.start();
        timer_.start(kFrameMs, Qt::PreciseTimer, this);
    } else if (sweep_.elapsed() >= kGlintMs) {
        glinting_ = false;
        timer_.start(kRestMs, Qt::CoarseTimer, this);
    }
    update();
}

void AnimatedLabel::resizeEvent(QResizeEvent*) {
    plain_ = bright_ = QPixmap();
}

QPixmap AnimatedLabel::captionIn(const QColor& colour) const {
    const qreal density = devicePixelRatioF();
    QPixmap pixmap(size() * density);
    pixmap.setDevicePixelRatio(density);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    p.setPen(colour);
    p.drawText(rect(), Qt::AlignCenter, caption_);
    return pixmap;
}

void AnimatedLabel::paintEvent(QPaintEvent*) {
    if (plain_.isNull() || plain_.devicePixelRatio() != devicePixelRatioF()) {
        plain_ = captionIn(colour_);
        bright_ = captionIn(colour_.lightness() > 200 ? look::kGlint : colour_.lighter(170));
    }
    QPainter p(this);
    p.drawPixmap(0, 0, plain_);
    if (!glinting_) return;
    // A bright band runs from left to right across the caption: the bright
    // caption shows through in narrow strips, strongest in the band's middle.
    const double phase = std::min(1.0, double(sweep_.elapsed()) / kGlintMs);
    const double half = 0.12 * width();
    const double centre = -half + phase * (width() + 2 * half);
    constexpr int kStrip = 4;
    for (int x = int(centre - half) / kStrip * kStrip; x < centre + half; x += kStrip) {
        const double weight = 1.0 - std::abs(x + kStrip / 2.0 - centre) / half;
        if (weight <= 0 || x + kStrip <= 0 || x >= width()) continue;
        p.setOpacity(weight);
        p.setClipRect(x, 0, kStrip, height());
        p.drawPixmap(0, 0, bright_);
    }
}

}  // namespace mss::forms
