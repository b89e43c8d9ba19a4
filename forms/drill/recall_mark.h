// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small mark beside a meaning that was written from memory rather than
// from an edition of the code: its tooltip asks the learner to check it
// against the printed book.

#include <QWidget>

#include "forms/shared/reconstructed_mark.h"

namespace mss::forms {

inline const QString& kRecallNote = kReconstructedNote;

class RecallMark : public QWidget {
public:
    explicit RecallMark(QWidget* parent);

    static constexpr int kSize = 16;

protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace mss::forms
