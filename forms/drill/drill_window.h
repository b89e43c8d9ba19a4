// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drill window «Тренировка»: the learner chooses a set of signals and a
// mode, answers questions by typing or clicking, sees at once whether the
// answer was right, and at the end of a session the mistakes, which can be
// asked again. The progress view shows every set's signals new, being
// learned and learned, the last sessions' share of right answers, and the
// learner's hardest signals, which it drills on request.
//
// The window shows what the drill's flow (drill::DrillFlow) says and hands
// it the learner's keys and clicks. It is handed the learner's progress
// store when it is made (forms/wiring opens it: nothing is read before the
// window opens), keeps it while it lives, and never touches the main window.

#include <QWidget>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "codebook/codebook.h"
#include "drill/drill_flow.h"
#include "forms/drill/exam_in_place.h"
#include "forms/shared/file_chooser.h"
#include "forms/shared/yes_no_question.h"
#include "progress/progress_store.h"

class QLabel;
class QStackedWidget;
class QTimer;

namespace mss::forms {

class DrillChoiceBar;
class ExamPanel;
class ProgressPage;
class QuestionPage;
class SummaryPage;

struct DrillWindowOptions {
    // The file the wiring opens the window's store on; empty:
    // progress::defaultProgressFile().
    std::filesystem::path progressFile;
    asking::Clock clock = progress::ProgressStore::systemClock();
    std::uint64_t seed = 0;                 // 0: a seed of its own each time the window opens
    YesNoQuestion ask = askBeforeDeleting;  // asked before the progress is reset or a ticket left
    // Where to save a ticket's PDF (a file dialog; tests give their own).
    FileChooser chooseFile = chooseFileWithDialog;
    // The exam in the drill's place, made when first asked for (forms/wiring
    // gives the exam's panel); without it the window offers no exam.
    MakeExam makeExam;
};

class DrillWindow : public QWidget {
    Q_OBJECT

public:
    // Makes the drill window with `make` if there is none (centred on
    // `near`), shows it and brings it to the front.
    static DrillWindow* showDrillWindow(const std::function<DrillWindow*()>& make, const QWidget* near);
    // The open drill window, or nullptr.
    static DrillWindow* current();

    // Asks the first question of the set and mode drilled last in `store`
    // (the first time: the flags, «Узнай флаг»). `book` must outlive the
    // window; `store` is the window's from now on.
    DrillWindow(const codebook::CodeBook& book, std::unique_ptr<progress::ProgressStore> store,
                DrillWindowOptions options);
    ~DrillWindow() override;

    const drill::DrillFlow& flow() const { return *flow_; }
    // A session of exactly these signals of the set chosen (the learner's
    // hardest, say).
    void drillSignals(const std::vector<std::string>& codes);
    drill::DrillFlow::Stage stage() const { return flow_->stage(); }
    progress::ProgressStore& store() const { return *store_; }
    std::uint64_t seed() const { return seed_; }

    // The exam in the drill's place, and back.
    void openExam();
    void closeExam();
    ExamPanel* exam() const { return exam_ ? exam_->panel() : nullptr; }

    // The sets, the modes, the letter and the buttons beside them.
    DrillChoiceBar* choiceBar() const { return bar_; }
    QStackedWidget* pages() const { return pages_; }
    QuestionPage* questionPage() const { return questionPage_; }
    SummaryPage* summaryPage() const { return summaryPage_; }
    ProgressPage* progressPage() const { return progressPage_; }
    QLabel* scoreLine() const { return score_; }
    QLabel* notice() const { return notice_; }

protected:
    void keyPressEvent(QKeyEvent*) override;
    // A ticket in hand is left only when the cadet says so.
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent*) override;

private:
    void buildControls();
    void connectControls();
    void choose(const drill::DrillChoice& choice);
    void resetProgress();

    // What the flow says, on the screen.
    void showStage();
    void showQuestion();
    void showTyped();
    void showAnswer();
    void showSummary();
    void showNothingToAsk();
    void showProgress();
    void showScore();
    void showNotices();

    DrillWindowOptions options_;
    std::uint64_t seed_ = 0;
    std::unique_ptr<progress::ProgressStore> store_;
    std::unique_ptr<drill::DrillFlow> flow_;
    QTimer* writeWaiting_ = nullptr;  // runs only while answers wait for the file

    const codebook::CodeBook& book_;
    DrillChoiceBar* bar_ = nullptr;
    QStackedWidget* drillOrExam_ = nullptr;
    QWidget* drillArea_ = nullptr;
    std::unique_ptr<ExamInPlace> exam_;  // made when first asked for
    // While the mistakes of an exam ticket are drilled: its number.
    std::optional<int> mistakesOfTicket_;
    QStackedWidget* pages_ = nullptr;
    QuestionPage* questionPage_ = nullptr;
    SummaryPage* summaryPage_ = nullptr;
    ProgressPage* progressPage_ = nullptr;
    QLabel* score_ = nullptr;
    QLabel* notice_ = nullptr;
};

}  // namespace mss::forms
