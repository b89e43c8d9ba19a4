// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two rows at the top of the drill window: the sets (with the first
// letter of the general section) and the modes, the progress, the end of a
// session and the exam. They show the choice in hand and tell what the
// learner chose.

#include <QWidget>

#include <array>
#include <functional>

#include "drill/drill_choice.h"

class QComboBox;

namespace mss::forms {

class FaceButton;

class DrillChoiceBar : public QWidget {
    Q_OBJECT

public:
    // `signalsIn` tells how many signals a set has, for the tooltips;
    // `letters` are the first letters of the general section's signals.
    DrillChoiceBar(const std::function<int(asking::SignalSet)>& signalsIn, const std::vector<char>& letters,
                   QWidget* parent);

    // Shows `choice` as chosen.
    void show(const drill::DrillChoice& choice);
    // Shows no set and no mode chosen: the session in hand is none of them
    // (the mistakes of an exam ticket, of several sets and modes).
    void showNoChoice();

    FaceButton* setButton(asking::SignalSet set) const { return sets_[static_cast<std::size_t>(set)]; }
    FaceButton* modeButton(asking::AskMode mode) const { return modes_[static_cast<std::size_t>(mode)]; }
    QComboBox* letterPicker() const { return letter_; }
    FaceButton* progressButton() const { return progress_; }
    FaceButton* finishButton() const { return finish_; }
    FaceButton* examButton() const { return exam_; }

Q_SIGNALS:
    void chosen(const mss::drill::DrillChoice& choice);
    void progressAsked();
    void finishAsked();
    void examAsked();

private:
    char letter() const;

    drill::DrillChoice shown_;
    std::array<FaceButton*, std::size(asking::kAllSets)> sets_{};
    std::array<FaceButton*, std::size(asking::kAllModes)> modes_{};
    QComboBox* letter_ = nullptr;
    FaceButton* progress_ = nullptr;
    FaceButton* finish_ = nullptr;
    FaceButton* exam_ = nullptr;
};

}  // namespace mss::forms
