// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/drill_pages.h"

#include <QLabel>
#include <QListWidget>

#include <algorithm>

#include "forms/drill/drill_label.h"
#include "forms/drill/drill_choices.h"
#include "forms/drill/drill_hoist.h"
#include "forms/drill/drill_keyboard.h"
#include "forms/shared/face_button.h"
#include "look/look.h"
#include "forms/drill/progress_chart.h"
#include "forms/drill/recall_mark.h"

namespace mss::forms {

namespace {

// The pages are as wide as the window and this high.
constexpr int kPageWidth = 792, kPageHeight = 434;
constexpr int kTextLeft = 132, kTextWidth = 620, kQuestionHeight = 74;


// A label the learner can reach with Tab, so that a screen reader reads it;
// a dotted line shows where the focus is.
void focusable(QLabel* l, Qt::FocusPolicy policy) {
    l->setFocusPolicy(policy);
    l->setStyleSheet(QStringLiteral("QLabel:focus { border: 1px dotted %1; }").arg(look::kWhite.name()));
}

FaceButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& at) {
    auto* b = new FaceButton(caption, look::kDarkFace, look::kWhite, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFont(look::dialogFont(true));
    b->setGeometry(at);
    b->setAccessibleName(caption);
    return b;
}

}  // namespace

QuestionPage::QuestionPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("QuestionPage"));
    resize(kPageWidth, kPageHeight);
    // Created in the order Tab goes through them.
    hoist_ = new DrillHoist(this);
    hoist_->move(16, 0);
    question_ = label(this, "DrillQuestion", look::serifFont(13), look::kWhite, QRect(kTextLeft, 0, kTextWidth, kQuestionHeight));
    focusable(question_, Qt::StrongFocus);
    questionMark_ = new RecallMark(this);
    questionMark_->move(kTextLeft + kTextWidth + 6, 4);
    howTo_ = label(this, "DrillHowToAnswer", look::dialogFont(), look::kTablesNote, QRect(kTextLeft, 76, 644, 16));
    typed_ = label(this, "DrillTyped", look::dialogFont(true), look::kWhite, QRect(kTextLeft, 96, 644, 18));
    choices_ = new DrillChoices(this, 16, 244, 736);
    keyboard_ = new DrillKeyboard(this);
    keyboard_->move((kPageWidth - keyboard_->width()) / 2, 250);
    result_ = label(this, "DrillResult", look::dialogFont(true), look::kWhite, QRect(kTextLeft, 118, kTextWidth, 88));
    result_->setTextFormat(Qt::RichText);
    focusable(result_, Qt::TabFocus);
    resultMark_ = new RecallMark(this);
    resultMark_->move(kTextLeft + kTextWidth + 6, 122);
    next_ = button(this, "DrillNext", QStringLiteral("Дальше (Enter)"), QRect(656, 208, 120, 28));
    next_->setToolTip(QStringLiteral("Следующий вопрос (Enter или пробел)"));
    next_->setAccessibleDescription(next_->toolTip());
}

void QuestionPage::ask(const QString& question, const QString& spokenHoist, bool reconstructed,
                       const QString& howToAnswer, bool withChoices) {
    question_->setText(question);
    // As high as its lines, so that the focus line rings the question itself.
    question_->setFixedHeight(std::clamp(question_->heightForWidth(kTextWidth), 24, kQuestionHeight));
    QString spoken = QStringLiteral("Вопрос: ") + question;
    if (!spokenHoist.isEmpty()) spoken += QStringLiteral(" Поднято: ") + spokenHoist + QLatin1Char('.');
    question_->setAccessibleName(spoken);
    question_->setAccessibleDescription(reconstructed ? kRecallNote : QString());
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
    choices_->setOnView(withChoices);
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
    result_->setAccessibleDescription(reconstructed ? kRecallNote : QString());
    result_->setVisible(true);
    resultMark_->setVisible(reconstructed);
    next_->setVisible(true);
}

SummaryPage::SummaryPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SummaryPage"));
    resize(kPageWidth, kPageHeight);
    heading_ = label(this, "SummaryHeading", look::serifFont(14), look::kWhite, QRect(16, 0, 760, 28));
    score_ = label(this, "SummaryScore", look::dialogFont(true), look::kWhite, QRect(16, 32, 760, 18));
    focusable(score_, Qt::TabFocus);
    mistakesHeading_ = label(this, "SummaryMistakesHeading", look::dialogFont(true), look::kTablesNote,
                             QRect(16, 56, 760, 18));
    mistakes_ = new QListWidget(this);
    mistakes_->setObjectName(QStringLiteral("SummaryMistakes"));
    mistakes_->setFont(look::dialogFont());
    mistakes_->setWordWrap(true);
    mistakes_->setGeometry(16, 76, 760, 300);
    mistakes_->setAccessibleName(QStringLiteral("Ошибки"));
    // Light text on the window's deep blue, like the rest of the window.
    QPalette pal = mistakes_->palette();
    pal.setColor(QPalette::Base, look::kBlue.darker(250));
    pal.setColor(QPalette::Text, look::kWhite);
    mistakes_->setPalette(pal);
    repeat_ = button(this, "SummaryRepeat", QStringLiteral("Повторить ошибки"), QRect(16, 388, 160, 33));
    repeat_->setAccessibleDescription(QStringLiteral("Задать ещё раз вопросы, на которые дан неверный ответ"));
    newSession_ = button(this, "SummaryNewSession", QStringLiteral("Новое занятие"), QRect(184, 388, 160, 33));
    newSession_->setAccessibleDescription(QStringLiteral("Начать новое занятие того же набора и режима"));
}

void SummaryPage::show(const QString& drilled, const QString& score, const QStringList& mistakes) {
    heading_->setText(QStringLiteral("Занятие окончено: ") + drilled);
    score_->setText(score);
    score_->setAccessibleName(QStringLiteral("Итог: ") + score);
    mistakes_->clear();
    mistakes_->addItems(mistakes);
    mistakesHeading_->setText(mistakes.isEmpty() ? QStringLiteral("Ошибок нет.")
                                                 : QStringLiteral("Ошибки (%1):").arg(mistakes.size()));
    mistakes_->setVisible(!mistakes.isEmpty());
    repeat_->setVisible(!mistakes.isEmpty());
}

ProgressPage::ProgressPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ProgressPage"));
    resize(kPageWidth, kPageHeight);
    chart_ = new ProgressChart(this);
    chart_->setGeometry(16, 0, 760, 380);
    reset_ = button(this, "ProgressReset", QStringLiteral("Сбросить прогресс"), QRect(16, 388, 160, 33));
    reset_->setAccessibleDescription(QStringLiteral("Удалить все ответы и начать сначала; сначала спросит"));
    back_ = button(this, "ProgressBack", QStringLiteral("Назад"), QRect(616, 388, 160, 33));
    back_->setAccessibleDescription(QStringLiteral("Вернуться к вопросам"));
}

}  // namespace mss::forms
