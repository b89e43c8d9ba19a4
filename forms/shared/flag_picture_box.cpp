// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/shared/flag_picture_box.h"

#include <QPainter>
#include <QPixmap>

#include "look/bevel.h"

namespace mss::forms {

FlagPictureBox::FlagPictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FlagPictureBox::showPicture(const QPixmap* picture) {
    if (picture == picture_) return;
    picture_ = picture;
    if (picture_) {
        const QSize size = picture_->deviceIndependentSize().toSize();
        resize(size.width() + 2 * kBorder, size.height() + 2 * kBorder);
    }
    update();
}

void FlagPictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The ground shows in an empty position and through the transparent parts
    // of a flag: the colour of an inactive window's caption text.
    p.fillRect(rect(), palette().color(QPalette::Inactive, QPalette::Button));
    if (picture_) p.drawPixmap(kBorder, kBorder, *picture_);
    // Sunken border: dark outer and inner lines at the top and left, light at
    // the bottom and right.
    const QPalette& pal = palette();
    look::drawBevelRing(p, rect(), 0, pal.color(QPalette::Mid), pal.color(QPalette::Light));
    look::drawBevelRing(p, rect(), 1, pal.color(QPalette::Shadow), pal.color(QPalette::Midlight));
}

}  // namespace mss::forms
