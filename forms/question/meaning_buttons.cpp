// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/question/meaning_buttons.h"

#include <QGridLayout>

#include "forms/shared/face_button.h"
#include "forms/shared/reconstructed_mark.h"
#include "look/look.h"

namespace mss::forms {

MeaningButtons::MeaningButtons(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(4);
    for (int place = 0; place < kCount; ++place) {
        auto* b = new FaceButton(QString(), look::kDarkFace, look::kWhite, this);
        b->setObjectName(QStringLiteral("DrillChoice%1").arg(place + 1));
        b->setFont(look::dialogFont(true));
        b->setFixedHeight(42);
        QObject::connect(b, &QPushButton::clicked, this, [this, place] { Q_EMIT chosen(place); });
        buttons_[static_cast<std::size_t>(place)] = b;
        auto* mark = new ReconstructedMark(this);
        marks_[static_cast<std::size_t>(place)] = mark;
        grid->addWidget(b, place, 0);
        grid->addWidget(mark, place, 1, Qt::AlignVCenter);
    }
}

QPushButton* MeaningButtons::button(int place) const { return buttons_.at(static_cast<std::size_t>(place)); }

void MeaningButtons::show(const QStringList& texts, const std::vector<bool>& reconstructed) {
    shown_ = std::min(static_cast<int>(texts.size()), kCount);
    for (int place = 0; place < kCount; ++place) {
        const auto at = static_cast<std::size_t>(place);
        FaceButton* b = buttons_[at];
        const bool shown = place < shown_;
        const bool marked = shown && at < reconstructed.size() && reconstructed[at];
        const QString text = shown ? texts[place].trimmed() : QString();
        b->setChosen(false);
        b->setText(QStringLiteral("%1. %2").arg(place + 1).arg(text));
        b->setAccessibleName(QStringLiteral("Ответ %1: %2").arg(place + 1).arg(text));
        b->setAccessibleDescription(marked ? kReconstructedNote : QString());
        b->setVisible(shown);
        // The mark keeps its room, so that the buttons line up.
        QSizePolicy keepRoom = marks_[at]->sizePolicy();
        keepRoom.setRetainSizeWhenHidden(true);
        marks_[at]->setSizePolicy(keepRoom);
        marks_[at]->setVisible(marked);
    }
}

void MeaningButtons::showRight(int place) {
    if (place < 0 || place >= shown_) return;
    FaceButton* b = buttons_[static_cast<std::size_t>(place)];
    b->setChosen(true);
    b->setAccessibleDescription(QStringLiteral("Правильный ответ"));
}

}  // namespace mss::forms
