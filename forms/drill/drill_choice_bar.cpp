// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/drill_choice_bar.h"

#include <QBoxLayout>
#include <QComboBox>

#include "forms/drill/drill_texts.h"
#include "forms/question/question_controls.h"
#include "forms/shared/face_button.h"
#include "wording/drill_words.h"

namespace mss::forms {

namespace {

using asking::AskMode;
using asking::SignalSet;
namespace texts = drill_texts;

void showChosen(FaceButton* b, bool chosen, const QString& what) {
    b->setChosen(chosen);
    b->setAccessibleDescription(chosen ? what : b->toolTip());
}

}  // namespace

DrillChoiceBar::DrillChoiceBar(const std::function<int(SignalSet)>& signalsIn, const std::vector<char>& letters,
                               QWidget* parent)
    : QWidget(parent) {
    // Created in the order Tab goes through them: the sets, the letter, the
    // modes, the progress, the end of the session and the exam.
    auto* sets = new QHBoxLayout;
    for (SignalSet set : asking::kAllSets) {
        const auto i = static_cast<std::size_t>(set);
        sets_[i] = darkButton(this, "", wording::setTitle(set), texts::setToolTip(set, signalsIn(set)));
        sets_[i]->setObjectName(QStringLiteral("SignalSet%1").arg(i + 1));
        sets->addWidget(sets_[i]);
        QObject::connect(sets_[i], &QPushButton::clicked, this, [this, set] {
            Q_EMIT chosen({set, shown_.mode, set == SignalSet::General ? letter() : char(0)});
        });
    }
    letter_ = new QComboBox(this);
    letter_->setObjectName(QStringLiteral("DrillLetter"));
    letter_->addItem(QStringLiteral("Все буквы"), 0);
    for (char c : letters) letter_->addItem(QStringLiteral("На букву %1").arg(QChar::fromLatin1(c)), c);
    letter_->setAccessibleName(QStringLiteral("Первая буква сигналов"));
    letter_->setToolTip(QStringLiteral("Только сигналы общего раздела на одну букву"));
    sets->addWidget(letter_, 0, Qt::AlignVCenter);
    QObject::connect(letter_, &QComboBox::activated, this, [this] {
        Q_EMIT chosen({SignalSet::General, shown_.mode, letter()});
    });

    auto* modes = new QHBoxLayout;
    for (AskMode mode : asking::kAllModes) {
        const auto i = static_cast<std::size_t>(mode);
        modes_[i] = darkButton(this, "", texts::modeTitle(mode), texts::modeToolTip(mode));
        modes_[i]->setObjectName(QStringLiteral("AskMode%1").arg(i + 1));
        modes->addWidget(modes_[i]);
        QObject::connect(modes_[i], &QPushButton::clicked, this, [this, mode] {
            Q_EMIT chosen({shown_.set, mode, shown_.firstLetter});
        });
    }
    modes->addStretch();
    progress_ =
        darkButton(this, "DrillProgress", QStringLiteral("Прогресс"), QStringLiteral("Сколько сигналов выучено"));
    finish_ = darkButton(this, "DrillFinish", QStringLiteral("Закончить"),
                         QStringLiteral("Закончить занятие и увидеть итог"));
    exam_ = darkButton(this, "DrillExam", QStringLiteral("Зачёт"),
                       QStringLiteral("Зачёт по билетам: 20 или 10 вопросов, оценка в конце (F3)"));
    for (FaceButton* b : {progress_, finish_, exam_}) modes->addWidget(b);
    QObject::connect(progress_, &QPushButton::clicked, this, [this] { Q_EMIT progressAsked(); });
    QObject::connect(finish_, &QPushButton::clicked, this, [this] { Q_EMIT finishAsked(); });
    QObject::connect(exam_, &QPushButton::clicked, this, [this] { Q_EMIT examAsked(); });

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(sets);
    rows->addLayout(modes);
}

char DrillChoiceBar::letter() const { return static_cast<char>(letter_->currentData().toInt()); }

void DrillChoiceBar::show(const drill::DrillChoice& choice) {
    shown_ = choice;
    for (SignalSet set : asking::kAllSets)
        showChosen(setButton(set), set == choice.set, QStringLiteral("Выбранный набор"));
    for (AskMode mode : asking::kAllModes)
        showChosen(modeButton(mode), mode == choice.mode, QStringLiteral("Выбранный режим"));
    letter_->setVisible(choice.set == SignalSet::General);
    letter_->setCurrentIndex(std::max(0, letter_->findData(static_cast<int>(choice.firstLetter))));
}

void DrillChoiceBar::showNoChoice() {
    for (SignalSet set : asking::kAllSets) showChosen(setButton(set), false, QString());
    for (AskMode mode : asking::kAllModes) showChosen(modeButton(mode), false, QString());
    letter_->setVisible(false);
}

}  // namespace mss::forms
