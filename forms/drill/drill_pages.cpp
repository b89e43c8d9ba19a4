// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/drill/drill_pages.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>

#include <algorithm>

#include "forms/drill/progress_chart.h"
#include "forms/drill/progress_texts.h"
#include "forms/drill/session_chart.h"
#include "forms/question/question_controls.h"
#include "forms/question/question_hoist.h"
#include "forms/shared/face_button.h"
#include "look/look.h"

namespace mss::forms {

namespace {

// The hardest signals' column of hoists, and the room of three small flags.
constexpr int kHoistColumn = 1, kMeaningColumn = 2, kHoistWidth = 96, kHoistHeight = 20;

QBoxLayout* noMargins(QBoxLayout* layout) {
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

// Light text on the window's deep blue, like the rest of the window.
void darkGround(QWidget* w) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, look::kBlue.darker(250));
    pal.setColor(QPalette::Text, look::kWhite);
    w->setPalette(pal);
}

}  // namespace

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
    darkGround(mistakes_);
    repeat_ = darkButton(this, "SummaryRepeat", QStringLiteral("Повторить ошибки"),
                         QStringLiteral("Задать ещё раз вопросы, на которые дан неверный ответ"));
    newSession_ = darkButton(this, "SummaryNewSession", QStringLiteral("Новое занятие"),
                             QStringLiteral("Начать новое занятие того же набора и режима"));
    reviewEarly_ = darkButton(this, "SummaryReviewEarly", QStringLiteral("Повторить досрочно"),
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
    // Created in the order Tab goes through them.
    chart_ = new ProgressChart(this);
    sessionsHeading_ = label(this, "ProgressSessionsHeading", look::serifFont(12), look::kWhite);
    sessions_ = new SessionChart(this);
    sessionsNote_ = label(this, "ProgressSessionsNote", look::dialogFont(), look::kTablesNote);
    makeFocusable(sessionsNote_, Qt::TabFocus);
    auto* hardestHeading = label(this, "ProgressHardestHeading", look::serifFont(12), look::kWhite);
    hardestHeading->setText(QStringLiteral("Трудные сигналы"));
    hardestScope_ = label(this, "ProgressHardestScope", look::dialogFont(), look::kTablesNote);
    hardest_ = new QTableWidget(0, 4, this);
    hardest_->setObjectName(QStringLiteral("ProgressHardest"));
    hardest_->setAccessibleName(QStringLiteral("Трудные сигналы"));
    hardest_->setFont(look::dialogFont());
    darkGround(hardest_);
    hardest_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    hardest_->setSelectionBehavior(QAbstractItemView::SelectRows);
    hardest_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the list for the button under it; the arrows go through the rows.
    hardest_->setTabKeyNavigation(false);
    hardest_->setWordWrap(false);
    hardest_->setTextElideMode(Qt::ElideRight);
    hardest_->verticalHeader()->setVisible(false);
    hardest_->setIconSize(QSize(kHoistWidth, kHoistHeight));
    hardest_->verticalHeader()->setDefaultSectionSize(std::max(hardest_->fontMetrics().height(), kHoistHeight) + 4);
    hardest_->horizontalHeader()->setFont(look::dialogFont(true));
    hardest_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    hardest_->horizontalHeader()->setSectionResizeMode(kMeaningColumn, QHeaderView::Stretch);
    hardest_->horizontalHeader()->setHighlightSections(false);
    noHardest_ = label(this, "ProgressNoHardest", look::dialogFont(), look::kWhite);
    makeFocusable(noHardest_, Qt::TabFocus);
    train_ = darkButton(this, "ProgressTrainHardest", QStringLiteral("Тренировать их"),
                        QStringLiteral("Занятие только из этих сигналов, в том же наборе и режиме"));
    reset_ = darkButton(this, "ProgressReset", QStringLiteral("Сбросить прогресс"),
                        QStringLiteral("Удалить все ответы и начать сначала; сначала спросит"));
    back_ = darkButton(this, "ProgressBack", QStringLiteral("Назад"), QStringLiteral("Вернуться к вопросам"));

    auto* recent = new QVBoxLayout;
    recent->addWidget(sessionsHeading_);
    recent->addWidget(sessions_);
    recent->addWidget(sessionsNote_);
    recent->addStretch();
    auto* hard = new QVBoxLayout;
    hard->addWidget(hardestHeading);
    hard->addWidget(hardestScope_);
    hard->addWidget(hardest_, 1);
    hard->addWidget(noHardest_);
    hard->addWidget(train_, 0, Qt::AlignLeft);
    hard->addStretch(0);
    auto* lower = new QHBoxLayout;
    lower->addLayout(recent);
    lower->addSpacing(12);
    lower->addLayout(hard, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset_);
    buttons->addStretch();
    buttons->addWidget(back_);
    auto* page = noMargins(new QVBoxLayout(this));
    page->addWidget(chart_);
    page->addLayout(lower, 1);
    page->addLayout(buttons);
}

void ProgressPage::showSessions(const ChartedSessions& sessions) {
    sessions_->showSessions(sessions);
    sessionsHeading_->setText(progress_texts::sessionsHeading(sessions_->answers(), sessions_->right()));
    const QString note = progress_texts::sessionsNote(sessions_->count(), sessions.leftOut);
    sessionsNote_->setText(note);
    sessionsNote_->setAccessibleName(note);
    sessionsNote_->setVisible(!note.isEmpty());
    sessions_->setVisible(sessions_->count() > 0);
}

void ProgressPage::showHardest(const drill::DrillChoice& choice, const std::vector<HardRow>& rows) {
    hardestScope_->setText(progress_texts::hardestScope(choice));
    hardest_->setAccessibleDescription(hardestScope_->text());
    hardest_->setHorizontalHeaderLabels(progress_texts::hardestHeadings(choice.set));
    hardest_->clearContents();
    hardest_->setRowCount(static_cast<int>(rows.size()));
    hardestCodes_.clear();
    for (int row = 0; row < hardest_->rowCount(); ++row) {
        const HardRow& r = rows[static_cast<std::size_t>(row)];
        const QString line = progress_texts::hardestLine(choice.set, *r.signal, r.hard);
        const QStringList cells = progress_texts::hardestCells(choice.set, *r.signal, r.hard);
        for (int column = 0; column < cells.size(); ++column) {
            auto* cell = new QTableWidgetItem(cells[column]);
            cell->setToolTip(line);
            // A screen reader on the code hears the whole row.
            if (column == 0) cell->setData(Qt::AccessibleDescriptionRole, line);
            hardest_->setItem(row, column, cell);
        }
        // The hoist as its flags; a screen reader hears their names.
        QTableWidgetItem* hoist = hardest_->item(row, kHoistColumn);
        hoist->setData(Qt::AccessibleTextRole, hoist->text());
        hoist->setText(QString());
        hoist->setIcon(QIcon(smallHoistPicture(asking::hoistOf(choice.set, r.signal->code).flown)));
        hardestCodes_.push_back(r.signal->code);
    }
    const bool none = rows.empty();
    hardest_->setVisible(!none);
    noHardest_->setText(none ? progress_texts::noHardestSignals() : QString());
    noHardest_->setAccessibleName(noHardest_->text());
    noHardest_->setVisible(none);
    train_->setEnabled(!none);
}

}  // namespace mss::forms
