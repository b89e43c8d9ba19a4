// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/question/question_page.h"

#include <QBoxLayout>
#include <QLabel>

#include "forms/question/meaning_buttons.h"
#include "forms/question/question_controls.h"
#include "forms/question/question_hoist.h"
#include "forms/question/question_keyboard.h"
#include "forms/shared/face_button.h"
#include "forms/shared/reconstructed_mark.h"
#include "look/look.h"

namespace mss::forms {

namespace {

// A text with its «?» mark beside it, the mark's room kept when hidden.
QHBoxLayout* withMark(QLabel* text, ReconstructedMark* mark) {
    auto* row = new QHBoxLayout;
    row->addWidget(text, 1);
    QSizePolicy keepRoom = mark->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    mark->setSizePolicy(keepRoom);
    row->addWidget(mark, 0, Qt::AlignTop);
    return row;
}

}  // namespace

QuestionPage::QuestionPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("QuestionPage"));
    // Created in the order Tab goes through them.
    hoist_ = new QuestionHoist(this);
    question_ = label(this, "asking::Question", look::serifFont(13), look::kWhite);
    makeFocusable(question_, Qt::StrongFocus);
    questionMark_ = new ReconstructedMark(this);
    howTo_ = label(this, "DrillHowToAnswer", look::dialogFont(), look::kTablesNote);
    typed_ = label(this, "DrillTyped", look::dialogFont(true), look::kWhite);
    choices_ = new MeaningButtons(this);
    keyboard_ = new QuestionKeyboard(this);
    result_ = label(this, "DrillResult", look::dialogFont(true), look::kWhite);
    result_->setTextFormat(Qt::RichText);
    makeFocusable(result_, Qt::TabFocus);
    resultMark_ = new ReconstructedMark(this);
    next_ = darkButton(this, "DrillNext", QStringLiteral("Дальше (Enter)"),
                       QStringLiteral("Следующий вопрос (Enter или пробел)"));

    auto* text = new QVBoxLayout;
    text->addLayout(withMark(question_, questionMark_));
    text->addWidget(howTo_);
    text->addWidget(typed_);
    text->addLayout(withMark(result_, resultMark_), 1);
    text->addWidget(next_, 0, Qt::AlignRight);
    auto* top = new QHBoxLayout;
    top->addWidget(hoist_, 0, Qt::AlignTop);
    top->addSpacing(20);
    top->addLayout(text, 1);
    auto* keys = new QHBoxLayout;
    keys->addStretch();
    keys->addWidget(keyboard_);
    keys->addStretch();
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addLayout(top, 1);
    page->addWidget(choices_);
    page->addLayout(keys);
}

void QuestionPage::ask(const QString& question, const QString& spokenHoist, bool reconstructed,
                       const QString& howToAnswer, bool withChoices) {
    question_->setText(question);
    QString spoken = QStringLiteral("Вопрос: ") + question;
    if (!spokenHoist.isEmpty()) spoken += QStringLiteral(" Поднято: ") + spokenHoist + QLatin1Char('.');
    question_->setAccessibleName(spoken);
    question_->setAccessibleDescription(reconstructed ? kReconstructedNote : QString());
    questionMark_->setVisible(reconstructed);
    howTo_->setText(howToAnswer);
    showTyped(QString());
    typed_->setVisible(!withChoices);
    result_->clear();
    result_->setAccessibleName(QStringLiteral("Результат: ещё нет ответа"));
    result_->setVisible(false);
    resultMark_->setVisible(false);
    next_->setVisible(false);
    keyboard_->setVisible(!withChoices);
    choices_->setVisible(withChoices);
}

void QuestionPage::showTyped(const QString& typed) {
    typed_->setText(QStringLiteral("Набрано: ") + (typed.isEmpty() ? QStringLiteral("—") : typed));
    typed_->setAccessibleName(typed_->text());
}

void QuestionPage::showResult(bool correct, const QString& headline, const QString& details, bool reconstructed) {
    const QString html = QStringLiteral("<span style=\"color:%1; font-size:12pt\">%2</span><br>%3")
                             .arg((correct ? look::kRightAnswer : look::kWrongAnswer).name(), headline.toHtmlEscaped(),
                                  details.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    result_->setText(html);
    result_->setAccessibleName(QStringLiteral("Результат: ") + headline + QLatin1Char(' ') +
                               QString(details).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    result_->setAccessibleDescription(reconstructed ? kReconstructedNote : QString());
    result_->setVisible(true);
    resultMark_->setVisible(reconstructed);
    next_->setVisible(true);
}

}  // namespace mss::forms
