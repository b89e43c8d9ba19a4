// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/drill_pages.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>

#include "forms/drill/drill_choices.h"
#include "forms/drill/drill_hoist.h"
#include "forms/drill/drill_keyboard.h"
#include "forms/drill/drill_label.h"
#include "forms/drill/progress_chart.h"
#include "forms/shared/reconstructed_mark.h"
#include "forms/shared/face_button.h"
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

QBoxLayout* noMargins(QBoxLayout* layout) {
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

}  // namespace

QuestionPage::QuestionPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("QuestionPage"));
    // Created in the order Tab goes through them.
    hoist_ = new DrillHoist(this);
    question_ = label(this, "DrillQuestion", look::serifFont(13), look::kWhite);
    makeFocusable(question_, Qt::StrongFocus);
    questionMark_ = new ReconstructedMark(this);
    howTo_ = label(this, "DrillHowToAnswer", look::dialogFont(), look::kTablesNote);
    typed_ = label(this, "DrillTyped", look::dialogFont(true), look::kWhite);
    choices_ = new DrillChoices(this);
    keyboard_ = new DrillKeyboard(this);
    result_ = label(this, "DrillResult", look::dialogFont(true), look::kWhite);
    result_->setTextFormat(Qt::RichText);
    makeFocusable(result_, Qt::TabFocus);
    resultMark_ = new ReconstructedMark(this);
    next_ = drillButton(this, "DrillNext", QStringLiteral("Дальше (Enter)"),
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
    auto* page = noMargins(new QVBoxLayout(this));
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

SummaryPage::SummaryPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SummaryPage"));
    heading_ = label(this, "SummaryHeading", look::serifFont(14), look::kWhite);
    score_ = label(this, "SummaryScore", look::dialogFont(true), look::kWhite);
    makeFocusable(score_, Qt::TabFocus);
    mistakesHeading_ = label(this, "SummaryMistakesHeading", look::dialogFont(true), look::kTablesNote);
    mistakes_ = new QListWidget(this);
    mistakes_->setObjectName(QStringLiteral("SummaryMistakes"));
    mistakes_->setFont(look::dialogFont());
    mistakes_->setWordWrap(true);
    mistakes_->setAccessibleName(QStringLiteral("Ошибки"));
    // Light text on the window's deep blue, like the rest of the window.
    QPalette pal = mistakes_->palette();
    pal.setColor(QPalette::Base, look::kBlue.darker(250));
    pal.setColor(QPalette::Text, look::kWhite);
    mistakes_->setPalette(pal);
    repeat_ = drillButton(this, "SummaryRepeat", QStringLiteral("Повторить ошибки"),
                          QStringLiteral("Задать ещё раз вопросы, на которые дан неверный ответ"));
    newSession_ = drillButton(this, "SummaryNewSession", QStringLiteral("Новое занятие"),
                              QStringLiteral("Начать новое занятие того же набора и режима"));
    reviewEarly_ = drillButton(this, "SummaryReviewEarly", QStringLiteral("Повторить досрочно"),
                               QStringLiteral("Спросить сигналы, срок которых ещё не настал; "
                                              "ответы не продвигают их по ступеням"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reviewEarly_);
    buttons->addWidget(repeat_);
    buttons->addWidget(newSession_);
    buttons->addStretch();
    auto* page = noMargins(new QVBoxLayout(this));
    page->addWidget(heading_);
    page->addWidget(score_);
    page->addWidget(mistakesHeading_);
    page->addWidget(mistakes_, 1);
    page->addStretch();
    page->addLayout(buttons);
}

void SummaryPage::show(const QString& heading, const QString& score, const QString& mistakesHeading,
                       const QStringList& mistakes) {
    heading_->setText(heading);
    score_->setText(score);
    score_->setAccessibleName(QStringLiteral("Итог: ") + score);
    mistakes_->clear();
    mistakes_->addItems(mistakes);
    mistakesHeading_->setText(mistakesHeading);
    mistakesHeading_->setVisible(!mistakesHeading.isEmpty());
    mistakes_->setVisible(!mistakes.isEmpty());
    repeat_->setVisible(!mistakes.isEmpty());
    newSession_->setVisible(true);
    reviewEarly_->setVisible(false);
}

void SummaryPage::showNothingToAsk(const QString& heading, const QString& explanation) {
    show(heading, explanation, QString(), {});
    score_->setAccessibleName(explanation);
    newSession_->setVisible(false);
    reviewEarly_->setVisible(true);
}

ProgressPage::ProgressPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ProgressPage"));
    chart_ = new ProgressChart(this);
    reset_ = drillButton(this, "ProgressReset", QStringLiteral("Сбросить прогресс"),
                         QStringLiteral("Удалить все ответы и начать сначала; сначала спросит"));
    back_ = drillButton(this, "ProgressBack", QStringLiteral("Назад"), QStringLiteral("Вернуться к вопросам"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset_);
    buttons->addStretch();
    buttons->addWidget(back_);
    auto* page = noMargins(new QVBoxLayout(this));
    page->addWidget(chart_, 1);
    page->addLayout(buttons);
}

}  // namespace mss::forms
