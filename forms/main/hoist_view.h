// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hoist down the window's left edge: three positions, one under the
// other, and the M that stands in for the first flag in the medical section.
// Each position shows the catalogue's own picture of the flag it holds.

#include <QObject>

#include <array>

#include "engine/parts.h"

class QWidget;

namespace mss::forms {

class FlagPictureBox;

class HoistView : public QObject {
public:
    // The positions become children of `client`.
    explicit HoistView(QWidget* client);

    FlagPictureBox* position(engine::HoistPosition p) const { return positions_[engine::slotOf(p)]; }
    FlagPictureBox* medicalM() const { return medicalM_; }

    // Shows `flag` (or nothing for engine::kNoFlag) in a position, and tells
    // screen readers what the position now shows.
    void show(engine::HoistPosition p, int flag);

private:
    std::array<FlagPictureBox*, engine::kHoistPositions.size()> positions_{};
    FlagPictureBox* medicalM_ = nullptr;
};

}  // namespace mss::forms
