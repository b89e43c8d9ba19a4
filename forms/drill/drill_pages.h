// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drill window's own pages under its rows of buttons, beside the page
// of a question (forms/question/question_page.h): the summary of a session
// and the progress. They only hold and place their controls; the window
// fills them.

#include <QWidget>

#include <string>
#include <vector>

#include "asking/set_signals.h"
#include "drill/drill_choice.h"
#include "progress/progress_figures.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace mss::forms {

class FaceButton;
class ProgressChart;
class SessionChart;
struct ChartedSessions;

// The end of a session: the score and the mistakes, with the way to ask
// them again or to begin a new session.
class SummaryPage : public QWidget {
public:
    explicit SummaryPage(QWidget* parent);

    // `heading` names the set and mode; `mistakesHeading` introduces the list.
    void show(const QString& heading, const QString& score, const QString& mistakesHeading,
              const QStringList& mistakes);

    QLabel* heading() const { return heading_; }
    QLabel* score() const { return score_; }
    QListWidget* mistakes() const { return mistakes_; }
    FaceButton* repeatButton() const { return repeat_; }
    FaceButton* newSessionButton() const { return newSession_; }
    FaceButton* reviewEarlyButton() const { return reviewEarly_; }
    // Nothing is due and nothing new is left: the page says so and offers
    // an early review instead of the score.
    void showNothingToAsk(const QString& heading, const QString& explanation);

private:
    QLabel* heading_ = nullptr;
    QLabel* score_ = nullptr;
    QLabel* mistakesHeading_ = nullptr;
    QListWidget* mistakes_ = nullptr;
    FaceButton* repeat_ = nullptr;
    FaceButton* newSession_ = nullptr;
    FaceButton* reviewEarly_ = nullptr;
};

// One of the learner's hardest signals, as the progress page lists it.
struct HardRow {
    const asking::Signal* signal = nullptr;
    progress::HardSignal hard;
};

// The progress of every set; the recent sessions; the hardest signals of the
// set and mode chosen, with the way to drill them; the reset and the way back.
class ProgressPage : public QWidget {
public:
    explicit ProgressPage(QWidget* parent);

    void showSessions(const ChartedSessions& sessions);
    // `rows` in the order the learner should meet them, hardest first.
    void showHardest(const drill::DrillChoice& choice, const std::vector<HardRow>& rows);
    // The codes listed, in their order.
    const std::vector<std::string>& hardestCodes() const { return hardestCodes_; }

    ProgressChart* chart() const { return chart_; }
    SessionChart* sessions() const { return sessions_; }
    QLabel* sessionsHeading() const { return sessionsHeading_; }
    QLabel* sessionsNote() const { return sessionsNote_; }
    QLabel* hardestScope() const { return hardestScope_; }
    QTableWidget* hardest() const { return hardest_; }
    QLabel* noHardest() const { return noHardest_; }
    FaceButton* trainButton() const { return train_; }
    FaceButton* resetButton() const { return reset_; }
    FaceButton* backButton() const { return back_; }

private:
    ProgressChart* chart_ = nullptr;
    QLabel* sessionsHeading_ = nullptr;
    SessionChart* sessions_ = nullptr;
    QLabel* sessionsNote_ = nullptr;
    QLabel* hardestScope_ = nullptr;
    QTableWidget* hardest_ = nullptr;
    QLabel* noHardest_ = nullptr;
    FaceButton* train_ = nullptr;
    FaceButton* reset_ = nullptr;
    FaceButton* back_ = nullptr;
    std::vector<std::string> hardestCodes_;
};

}  // namespace mss::forms
