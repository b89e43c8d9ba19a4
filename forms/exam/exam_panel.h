// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exam «Зачёт» in the drill window's place: the start (scope, ticket
// number or a random one, ten or twenty questions, a time limit), the
// ticket's questions with no word on right or wrong until it is handed in,
// the grade with every question and its right answer, and the history of
// past tickets. What happens is the exam's flow (exam::ExamFlow); the panel
// shows the stage it is at and hands it the cadet's keys and clicks.

#include <QWidget>

#include <functional>
#include <vector>

#include "asking/clock.h"
#include "asking/question.h"
#include "asking/random_source.h"
#include "codebook/codebook.h"
#include "exam/exam_flow.h"
#include "forms/exam/exam_pages.h"
#include "forms/shared/file_chooser.h"
#include "forms/shared/file_saving.h"
#include "print/document.h"

class QComboBox;
class QLabel;
class QSpinBox;
class QStackedWidget;
class QTableWidget;
class QTimer;

namespace mss::forms {

class FaceButton;
class QuestionPage;

class ExamPanel : public QWidget {
    Q_OBJECT

public:
    // `random` draws the number of «Случайный билет»; `chooseFile` asks where
    // a ticket's or a result's PDF is saved.
    ExamPanel(const codebook::CodeBook& book, exam::ExamKeeper& keeper, asking::Clock clock,
              asking::RandomSource random, FileChooser chooseFile, QWidget* parent);
    ~ExamPanel() override;

    // The start page, to choose and begin a ticket.
    void showStart();
    // The cadet leaves the ticket in hand unfinished (the window closes):
    // what it needs to be taken up again goes to the keeper.
    void leaveTicket();
    // Whether a ticket is being answered (not yet handed in).
    bool running() const { return flow_.running(); }
    const exam::ExamFlow* flow() const { return &flow_; }

    QSpinBox* ticketNumber() const { return start_->number(); }
    QComboBox* scopePicker() const { return start_->scope(); }
    QComboBox* lengthPicker() const { return start_->length(); }
    QComboBox* limitPicker() const { return start_->limit(); }
    FaceButton* startButton() const { return start_->startButton(); }
    FaceButton* randomButton() const { return start_->randomButton(); }
    QuestionPage* questionPage() const { return questions_->question(); }
    QLabel* progressLine() const { return questions_->progress(); }
    QLabel* timeLeft() const { return questions_->timeLeft(); }
    FaceButton* previousButton() const { return questions_->previousButton(); }
    FaceButton* nextButton() const { return questions_->nextButton(); }
    FaceButton* handInButton() const { return questions_->handInButton(); }
    // «Билет № 7. Основной, 20 вопросов.» above the grade.
    QLabel* resultTicket() const { return results_->ticket(); }
    QLabel* grade() const { return results_->grade(); }
    QLabel* gradeDetails() const { return results_->details(); }
    QTableWidget* results() const { return results_->results(); }
    FaceButton* repeatMistakesButton() const { return results_->repeatButton(); }
    FaceButton* saveResultButton() const { return results_->saveButton(); }
    FaceButton* saveTicketButton() const { return start_->saveButton(); }
    // What the last print or save came to, for the cadet and screen readers.
    QLabel* printNote() const { return printNote_; }
    // What the cadet must know of the progress file: answers waiting for it, and the like.
    QLabel* fileNote() const { return fileNote_; }
    QTableWidget* history() const { return history_->table(); }
    FaceButton* resumeButton() const { return history_->resumeButton(); }

Q_SIGNALS:
    // The cadet leaves the exam for the drill.
    void leave();
    // A drill of exactly the questions answered wrongly on ticket `ticket`.
    void drillMistakes(const std::vector<mss::asking::Topic>& topics, int ticket);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void connectControls();
    // What the flow says, on the screen.
    void showStage();
    void showQuestion();
    void showAnswer();
    void showTime();
    void showResults();
    void showHistory();
    void showResumable();
    void handIn();
    // The keeper's notices under the page; writing what waits goes on while there is any.
    void showFileNotices();
    void clearNote();
    void say(QLabel* label, const QString& text);
    void print(const print::Document& document);
    void savePdf(const print::Document& document, const QString& suggested);

    exam::ExamFlow flow_;
    SaveDestination destination_;  // where the last PDF went; the next is offered there
    long long lastMinuteSpoken_ = -1;

    QStackedWidget* pages_ = nullptr;
    ExamStartPage* start_ = nullptr;
    ExamQuestionsPage* questions_ = nullptr;
    ExamResultsPage* results_ = nullptr;
    ExamHistoryPage* history_ = nullptr;
    QLabel* printNote_ = nullptr;
    QLabel* fileNote_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    QTimer* writeWaiting_ = nullptr;
};

}  // namespace mss::forms
