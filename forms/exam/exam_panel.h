// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exam «Зачёт» in the drill window's place: the start (scope, ticket
// number or a random one, ten or twenty questions, a time limit), the
// ticket's questions with no word on right or wrong until it is handed in,
// the grade with every question and its right answer, and the history of
// past tickets. What happens is the exam's flow (exam::ExamFlow); the panel
// shows it and hands it the cadet's keys and clicks.

#include <QWidget>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

#include "codebook/codebook.h"
#include "drill/card_key.h"
#include "drill/clock.h"
#include "exam/exam_flow.h"
#include "forms/shared/file_chooser.h"
#include "forms/shared/file_saving.h"
#include "print/document.h"

#include <functional>

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
    // `chooseFile` asks where a ticket's or a result's PDF is saved.
    ExamPanel(const codebook::CodeBook& book, exam::ExamKeeper& keeper, drill::Clock clock, FileChooser chooseFile,
              QWidget* parent);
    ~ExamPanel() override;

    // The start page, to choose and begin a ticket.
    void showStart();
    void start(int number, exam::ExamScope scope, int length, std::optional<std::chrono::minutes> limit);
    // Takes up again a ticket of the history left unfinished.
    void resume(const exam::PastTicket& past);
    // The cadet leaves the ticket in hand unfinished (the window closes):
    // what it needs to be taken up again goes to the keeper.
    void leaveTicket();
    // Whether a ticket is being answered (not yet handed in).
    bool running() const { return flow_ && !flow_->finished(); }
    const exam::ExamFlow* flow() const { return flow_.get(); }

    QSpinBox* ticketNumber() const { return number_; }
    QComboBox* scopePicker() const { return scope_; }
    QComboBox* lengthPicker() const { return length_; }
    QComboBox* limitPicker() const { return limit_; }
    FaceButton* startButton() const { return startButton_; }
    FaceButton* randomButton() const { return randomButton_; }
    QuestionPage* questionPage() const { return question_; }
    QLabel* progressLine() const { return progress_; }
    QLabel* timeLeft() const { return timeLeft_; }
    FaceButton* previousButton() const { return previous_; }
    FaceButton* nextButton() const { return next_; }
    FaceButton* handInButton() const { return handIn_; }
    // «Билет № 7. Основной, 20 вопросов.» above the grade.
    QLabel* resultTicket() const { return ticketTitle_; }
    QLabel* grade() const { return grade_; }
    QLabel* gradeDetails() const { return details_; }
    QTableWidget* results() const { return results_; }
    FaceButton* repeatMistakesButton() const { return repeat_; }
    FaceButton* saveResultButton() const { return saveResult_; }
    FaceButton* saveTicketButton() const { return saveTicket_; }
    // What the last print or save came to, for the cadet and screen readers.
    QLabel* printNote() const { return printNote_; }
    // What the cadet must know of the progress file: answers waiting for it, and the like.
    QLabel* fileNote() const { return fileNote_; }
    QTableWidget* history() const { return history_; }
    FaceButton* resumeButton() const { return resumeButton_; }

Q_SIGNALS:
    // The cadet leaves the exam for the drill.
    void leave();
    // A drill of exactly the signals answered wrongly on ticket `ticket`.
    void drillMistakes(const std::vector<mss::drill::CardKey>& cards, int ticket);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildStart();
    QWidget* buildQuestions();
    QWidget* buildResults();
    QWidget* buildHistory();
    void showQuestion();
    void showAnswer();
    void showTime();
    void showResults();
    void showHistory();
    void run(std::unique_ptr<exam::ExamFlow> flow);
    // A ticket of the history that may be taken up again: not handed in, with time left.
    static bool mayResume(const exam::PastTicket& t);
    const exam::PastTicket* chosenPastTicket() const;
    void showResumable();
    // The keeper's notices under the page; writing what waits goes on while there is any.
    void showFileNotices();
    void leaveAsked();
    // The ticket chosen on the start page, drawn.
    exam::Ticket chosenTicket();
    void print(const print::Document& document);
    void savePdf(const print::Document& document, const QString& suggested);
    const exam::ExamPool& pool();

    const codebook::CodeBook& book_;
    exam::ExamKeeper& keeper_;
    drill::Clock clock_;
    SaveDestination destination_;  // where the last PDF went; the next is offered there
    std::unique_ptr<exam::ExamPool> pool_;
    std::unique_ptr<exam::ExamFlow> flow_;
    long long lastMinuteSpoken_ = -1;
    bool handInWarned_ = false;  // «Сдать» pressed once with questions left unanswered

    QStackedWidget* pages_ = nullptr;
    QWidget* startPage_ = nullptr;
    QWidget* questionsPage_ = nullptr;
    QWidget* resultsPage_ = nullptr;
    QWidget* historyPage_ = nullptr;
    QComboBox* scope_ = nullptr;
    QSpinBox* number_ = nullptr;
    QComboBox* length_ = nullptr;
    QComboBox* limit_ = nullptr;
    FaceButton* startButton_ = nullptr;
    FaceButton* randomButton_ = nullptr;
    QuestionPage* question_ = nullptr;
    QLabel* progress_ = nullptr;
    QLabel* timeLeft_ = nullptr;
    FaceButton* previous_ = nullptr;
    FaceButton* next_ = nullptr;
    FaceButton* handIn_ = nullptr;
    QLabel* ticketTitle_ = nullptr;
    QLabel* grade_ = nullptr;
    QLabel* details_ = nullptr;
    QTableWidget* results_ = nullptr;
    FaceButton* repeat_ = nullptr;
    FaceButton* saveResult_ = nullptr;
    FaceButton* saveTicket_ = nullptr;
    QLabel* printNote_ = nullptr;
    QLabel* fileNote_ = nullptr;
    QTableWidget* history_ = nullptr;
    FaceButton* resumeButton_ = nullptr;
    std::vector<exam::PastTicket> pastTickets_;  // as the history lists them
    QTimer* clockTimer_ = nullptr;
    QTimer* writeWaiting_ = nullptr;
};

}  // namespace mss::forms
