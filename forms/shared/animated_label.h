// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Our own animated label: its caption in its font and colour within its
// rectangle, with a short glint that sweeps across the letters now and then
// while the animation is on. Between glints nothing is repainted, and no
// glint comes while the label is hidden or its window minimised or inactive,
// so an idle window costs no processor time.

#include <QBasicTimer>
#include <QColor>
#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>

namespace mss::forms {

class AnimatedLabel : public QWidget {
    Q_OBJECT

public:
    AnimatedLabel(const QString& caption, const QFont& font, const QColor& colour, QWidget* parent);

    QString caption() const { return caption_; }
    void setRunAnimate(bool on);
    bool runAnimate() const { return runAnimate_; }
    // Whether glints come round: the animation is on and can be seen.
    bool animating() const { return timer_.isActive(); }
    // Whether a glint is crossing the caption right now.
    bool glinting() const { return glinting_; }

    static constexpr int kFirstGlintMs = 1000;  // after the window comes to the front
    static constexpr int kGlintMs = 1500;       // one sweep across the caption
    static constexpr int kRestMs = 8000;        // between sweeps
    static constexpr int kFrameMs = 40;         // during a sweep, 25 frames a second

protected:
    void paintEvent(QPaintEvent*) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    bool event(QEvent*) override;
    void timerEvent(QTimerEvent*) override;

private:
    bool seen() const;
    void startOrStop();
    // The caption drawn once in a colour, at the screen's density.
    QPixmap captionIn(const QColor& colour) const;

    QString caption_;
    QColor colour_;
    bool runAnimate_ = true;
    bool glinting_ = false;
    QBasicTimer timer_;
    QElapsedTimer sweep_;
    QPixmap plain_, bright_;  // drawn at the first paint and on every change of size or density
};

}  // namespace mss::forms
