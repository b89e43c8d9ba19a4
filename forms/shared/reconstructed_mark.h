// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small mark beside a meaning that was written without the printed code
// at hand (the code book's `recall` rows), wherever such a meaning shows: a
// light disc with a question mark, whose tooltip asks the learner to check it.

#include <QRect>
#include <QString>

class QPainter;

namespace mss::forms {

inline const QString kReconstructedNote = QStringLiteral("Текст восстановлен; сверьте с печатным изданием");

void paintReconstructedMark(QPainter& p, const QRect& r);

}  // namespace mss::forms
