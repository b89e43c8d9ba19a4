#include "recall_mark.h"

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
    // A glinting disc with a dark question mark, like a note in a margin.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(look::kDarkFace, 1));
    p.setBrush(look::kGlint);
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    QFont f = look::dialogFont(true);
    f.setPixelSize(kSize - 5);
    p.setFont(f);
    p.setPen(look::kDarkFace);
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace mss::forms
