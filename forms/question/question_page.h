// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page of one question, as the drill and the exam ask it. It only holds
// and places its controls; the window or panel that asks fills it.

#include <QWidget>

class QLabel;

namespace mss::forms {

class FaceButton;
class MeaningButtons;
class QuestionHoist;
class QuestionKeyboard;
class ReconstructedMark;

// The page of one question: the hoist on the left, the question and how to
// answer it, the flags typed so far, the result after the answer and the
// button to go on; under them either the keyboard or the four meanings.
class QuestionPage : public QWidget {
public:
    explicit QuestionPage(QWidget* parent);

    // Puts a new question on view, with the keyboard or the four choices.
    // `spokenHoist` is what a screen reader hears of the hoist with the
    // question (empty when the flags themselves are the question).
    void ask(const QString& question, const QString& spokenHoist, bool reconstructed, const QString& howToAnswer,
             bool withChoices);
    void showTyped(const QString& typed);
    void showResult(bool correct, const QString& headline, const QString& details, bool reconstructed);

    QuestionHoist* hoist() const { return hoist_; }
    QLabel* question() const { return question_; }
    ReconstructedMark* questionMark() const { return questionMark_; }
    QLabel* howToAnswer() const { return howTo_; }
    QLabel* typed() const { return typed_; }
    QLabel* result() const { return result_; }
    ReconstructedMark* resultMark() const { return resultMark_; }
    FaceButton* nextButton() const { return next_; }
    QuestionKeyboard* keyboard() const { return keyboard_; }
    MeaningButtons* choices() const { return choices_; }

private:
    QuestionHoist* hoist_ = nullptr;
    QLabel* question_ = nullptr;
    ReconstructedMark* questionMark_ = nullptr;
    QLabel* howTo_ = nullptr;
    QLabel* typed_ = nullptr;
    QLabel* result_ = nullptr;
    ReconstructedMark* resultMark_ = nullptr;
    FaceButton* next_ = nullptr;
    QuestionKeyboard* keyboard_ = nullptr;
    MeaningButtons* choices_ = nullptr;
};

}  // namespace mss::forms
