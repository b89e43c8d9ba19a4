// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four pages of the exam: the start, the ticket's questions, the
// results and the history of past tickets. They only hold and place their
// controls; the panel fills them from the exam's flow.

#include <QWidget>

#include "exam/exam_flow.h"

class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;

namespace mss::forms {

class FaceButton;
class QuestionPage;

// Scope, ticket number, length and time limit, and what may be done with them.
class ExamStartPage : public QWidget {
public:
    explicit ExamStartPage(QWidget* parent);

    // What the lists and the number say.
    exam::TicketChoice choice() const;
    void showNumber(int number);

    QComboBox* scope() const { return scope_; }
    QSpinBox* number() const { return number_; }
    QComboBox* length() const { return length_; }
    QComboBox* limit() const { return limit_; }
    FaceButton* startButton() const { return start_; }
    FaceButton* randomButton() const { return random_; }
    FaceButton* historyButton() const { return history_; }
    FaceButton* printButton() const { return print_; }
    FaceButton* saveButton() const { return save_; }
    FaceButton* backButton() const { return back_; }

private:
    QComboBox* scope_ = nullptr;
    QSpinBox* number_ = nullptr;
    QComboBox* length_ = nullptr;
    QComboBox* limit_ = nullptr;
    FaceButton* start_ = nullptr;
    FaceButton* random_ = nullptr;
    FaceButton* history_ = nullptr;
    FaceButton* print_ = nullptr;
    FaceButton* save_ = nullptr;
    FaceButton* back_ = nullptr;
};

// The ticket's question in hand, where it stands, the time left, and the
// ways back, on and to hand the ticket in (Ctrl+Enter too).
class ExamQuestionsPage : public QWidget {
public:
    explicit ExamQuestionsPage(QWidget* parent);

    // The question in hand, with the answer given so far.
    void showQuestion(const exam::ExamFlow& flow);
    // The answer given so far: the flags up, or the meaning chosen.
    void showAnswer(const exam::ExamFlow& flow);

    QLabel* progress() const { return progress_; }
    QLabel* timeLeft() const { return timeLeft_; }
    QuestionPage* question() const { return question_; }
    FaceButton* previousButton() const { return previous_; }
    FaceButton* nextButton() const { return next_; }
    FaceButton* handInButton() const { return handIn_; }

private:
    QLabel* progress_ = nullptr;
    QLabel* timeLeft_ = nullptr;
    QuestionPage* question_ = nullptr;
    FaceButton* previous_ = nullptr;
    FaceButton* next_ = nullptr;
    FaceButton* handIn_ = nullptr;
};

// The grade, every question with the answers given and right, and what may
// be done with the result.
class ExamResultsPage : public QWidget {
public:
    explicit ExamResultsPage(QWidget* parent);

    void showResult(const exam::ExamFlow& flow);

    QLabel* ticket() const { return ticket_; }
    QLabel* grade() const { return grade_; }
    QLabel* details() const { return details_; }
    QTableWidget* results() const { return results_; }
    FaceButton* repeatButton() const { return repeat_; }
    FaceButton* againButton() const { return again_; }
    FaceButton* printButton() const { return print_; }
    FaceButton* saveButton() const { return save_; }

private:
    QLabel* ticket_ = nullptr;
    QLabel* grade_ = nullptr;
    QLabel* details_ = nullptr;
    QTableWidget* results_ = nullptr;
    FaceButton* repeat_ = nullptr;
    FaceButton* again_ = nullptr;
    FaceButton* print_ = nullptr;
    FaceButton* save_ = nullptr;
};

// Past tickets, the latest first, and the way to take one up again.
class ExamHistoryPage : public QWidget {
public:
    explicit ExamHistoryPage(QWidget* parent);

    void showTickets(const std::vector<exam::PastTicket>& past);
    // The row chosen; none when the list is empty.
    std::optional<std::size_t> chosenRow() const;

    QTableWidget* table() const { return table_; }
    FaceButton* resumeButton() const { return resume_; }
    FaceButton* backButton() const { return back_; }

private:
    QTableWidget* table_ = nullptr;
    FaceButton* resume_ = nullptr;
    FaceButton* back_ = nullptr;
};

}  // namespace mss::forms
