// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/reconstructed_mark.h"

#include <QPainter>

#include <algorithm>

#include "look/look.h"

namespace mss::forms {

void paintReconstructedMark(QPainter& p, const QRect& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(look::kDarkFace, 1));
    p.setBrush(look::kGlint);
    p.drawEllipse(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5));
    QFont f = look::dialogFont(true);
    f.setPixelSize(std::max(6, r.height() - 5));
    p.setFont(f);
    p.setPen(look::kDarkFace);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
    p.restore();
}

ReconstructedMark::ReconstructedMark(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSize, kSize);
    setToolTip(kReconstructedNote);
    setAccessibleName(kReconstructedNote);
    setVisible(false);
}

void ReconstructedMark::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintReconstructedMark(p, rect());
}

}  // namespace mss::forms
