// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/drill_choices.h"

#include "forms/shared/face_button.h"
#include "look/look.h"
#include "forms/drill/recall_mark.h"

namespace mss::forms {

namespace {

constexpr int kButtonHeight = 42, kStep = 46, kMarkGap = 6;

}  // namespace

DrillChoices::DrillChoices(QWidget* page, int left, int top, int width) : QObject(page) {
    for (int place = 0; place < kCount; ++place) {
        auto* b = new FaceButton(QString(), look::kDarkFace, look::kWhite, page);
        b->setObjectName(QStringLiteral("DrillChoice%1").arg(place + 1));
        b->setFont(look::dialogFont(true));
        b->setGeometry(left, top + place * kStep, width, kButtonHeight);
        QObject::connect(b, &QPushButton::clicked, this, [this, place] { Q_EMIT chosen(place); });
        buttons_[static_cast<std::size_t>(place)] = b;
        auto* mark = new RecallMark(page);
        mark->move(left + width + kMarkGap, top + place * kStep + (kButtonHeight - RecallMark::kSize) / 2);
        marks_[static_cast<std::size_t>(place)] = mark;
    }
    setOnView(false);
}

QPushButton* DrillChoices::button(int place) const { return buttons_.at(static_cast<std::size_t>(place)); }

void DrillChoices::show(const QStringList& texts, const std::vector<bool>& reconstructed) {
    shown_ = std::min(static_cast<int>(texts.size()), kCount);
    reconstructed_ = reconstructed;
    reconstructed_.resize(kCount, false);
    for (int place = 0; place < kCount; ++place) {
        FaceButton* b = buttons_[static_cast<std::size_t>(place)];
        b->setChosen(false);
        const QString text = place < shown_ ? texts[place].trimmed() : QString();
        b->setText(QStringLiteral("%1. %2").arg(place + 1).arg(text));
        b->setAccessibleName(QStringLiteral("Ответ %1: %2").arg(place + 1).arg(text));
        b->setAccessibleDescription(reconstructed_[static_cast<std::size_t>(place)] ? kRecallNote : QString());
    }
    setOnView(onView_);
}

void DrillChoices::showRight(int place) {
    if (place < 0 || place >= shown_) return;
    FaceButton* b = buttons_[static_cast<std::size_t>(place)];
    b->setChosen(true);
    b->setAccessibleDescription(QStringLiteral("Правильный ответ"));
}

void DrillChoices::setOnView(bool onView) {
    onView_ = onView;
    for (int place = 0; place < kCount; ++place) {
        const bool shown = onView && place < shown_;
        buttons_[static_cast<std::size_t>(place)]->setVisible(shown);
        marks_[static_cast<std::size_t>(place)]->setVisible(shown && reconstructed_[static_cast<std::size_t>(place)]);
    }
}

}  // namespace mss::forms
