// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small mark beside a meaning that was written without the printed code
// at hand (the code book's `recall` rows), wherever such a meaning shows: a
// light disc with a question mark, whose tooltip asks the learner to check it.

#include <QRect>
#include <QString>
#include <QWidget>

#include "codebook/reconstructed_note.h"

class QPainter;

namespace mss::forms {

inline const QString kReconstructedNote = QString::fromUtf8(codebook::kReconstructedNote.data(),
                                                            static_cast<qsizetype>(codebook::kReconstructedNote.size()));

void paintReconstructedMark(QPainter& p, const QRect& r);

// The mark as a widget of its own, hidden until shown.
class ReconstructedMark : public QWidget {
public:
    explicit ReconstructedMark(QWidget* parent);
    static constexpr int kSize = 16;

protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace mss::forms
