// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hoist a question shows: up to three flags one under the other, the M of the
// medical section above the letters, and for a table of complements the
// table's name above its pennant. The pictures are the catalogue's own.

#include <QPixmap>
#include <QWidget>

#include <array>
#include <vector>

#include "asking/set_signals.h"

class QLabel;

namespace mss::forms {

class FlagPictureBox;

// The flags of a hoist side by side, small (`flagSize` each), outlined, for
// a row of a table; `flags` are 0..39, top first.
QPixmap smallHoistPicture(const std::vector<int>& flags, QSize flagSize = QSize(30, 20));

class QuestionHoist : public QWidget {
public:
    explicit QuestionHoist(QWidget* parent);

    // Shows a hoist in `positions` places (at least as many as it has
    // flags, M included); the places beyond its flags stand empty. With
    // `spoken` false a screen reader hears only how many flags there are,
    // so that naming the flags stays the learner's task.
    void show(const asking::HoistOfSignal& hoist, std::size_t positions, bool spoken);

    FlagPictureBox* position(std::size_t place) const { return positions_.at(place); }
    QLabel* tableName() const { return table_; }

    static constexpr std::size_t kPositions = 3;

private:
    QLabel* table_ = nullptr;
    std::array<FlagPictureBox*, kPositions> positions_{};
};

}  // namespace mss::forms
