// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/recall_mark.h"

#include <QPainter>

#include "look/look.h"

namespace mss::forms {

RecallMark::RecallMark(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSize, kSize);
    setToolTip(kRecallNote);
    setAccessibleName(kRecallNote);
    setVisible(false);
}

void RecallMark::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintReconstructedMark(p, rect());
}

}  // namespace mss::forms
