// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Our own animated label: its caption in its font and colour within its
// rectangle (in a smaller size of the font where the caption would not fit),
// with a soft glint that sweeps across the letters while the animation is
// on. It repaints only while visible, at a modest rate.

#include <QBasicTimer>
#include <QColor>
#include <QElapsedTimer>
#include <QWidget>

namespace mss::forms {

class AnimatedLabel : public QWidget {
    Q_OBJECT

public:
    AnimatedLabel(const QString& caption, const QFont& font, const QColor& colour, QWidget* parent);

    QString caption() const { return caption_; }
    void setRunAnimate(bool on);
    bool runAnimate() const { return runAnimate_; }
    bool animating() const { return timer_.isActive(); }

    static constexpr int kFrameIntervalMs = 50;   // 20 frames a second
    static constexpr int kSweepPeriodMs = 4000;   // one glint every four seconds

protected:
    void paintEvent(QPaintEvent*) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;
    void timerEvent(QTimerEvent*) override;

private:
    void startOrStop();

    QString caption_;
    QColor colour_;
    bool runAnimate_ = true;
    QBasicTimer timer_;
    QElapsedTimer clock_;
};

}  // namespace mss::forms
