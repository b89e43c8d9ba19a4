// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drill window «Тренировка»: the learner chooses a set of signals and a
// mode, answers questions by typing or clicking, sees at once whether the
// answer was right, and at the end of a session the mistakes, which can be
// asked again. The progress view shows every set's signals new, being
// learned and learned, and the last sessions' share of right answers.
//
// The window opens its own progress store (nothing is read before it
// opens) and never touches the main window.

#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "codebook/codebook.h"
#include "forms/drill/drill_lesson.h"
#include "forms/shared/exit_question.h"
#include "progress/progress_store.h"

class QComboBox;
class QLabel;
class QStackedWidget;

namespace mss::forms {

class FaceButton;
class ProgressPage;
class QuestionPage;
class SummaryPage;

struct DrillWindowOptions {
    std::filesystem::path progressFile;  // empty: progress::defaultProgressFile()
    drill::Clock clock = progress::ProgressStore::systemClock();
    std::uint64_t seed = 0;  // 0: a seed of its own each time the window opens
    ExitQuestion ask = askWithMessageBox;  // asked before the progress is reset
};

class DrillWindow : public QWidget {
    Q_OBJECT

public:
    // Where the learner is: a question waiting for its answer, the answer on
    // view, the summary of a session, or the progress view.
    enum class Stage { Asking, Answered, Summary, Progress };

    // Opens the progress file and asks the first question of the set and
    // mode drilled last (the first time: the flags, «Узнай флаг»).
    DrillWindow(const codebook::CodeBook& book, DrillWindowOptions options);
    ~DrillWindow() override;

    // What the learner does, as the controls report it.
    void choose(const DrillChoice& choice);
    void flagTyped(char symbol);
    void takeBackFlag();
    void answerTyped();
    void choiceMade(int place);
    void next();
    void finish();
    void repeatMistakes();
    void showProgress();
    void leaveProgress();
    void resetProgress();

    Stage stage() const { return stage_; }
    const DrillLesson& lesson() const { return *lesson_; }
    const std::string& typed() const { return typed_; }
    progress::ProgressStore& store() const { return *store_; }
    std::uint64_t seed() const { return seed_; }

    FaceButton* setButton(drill::DrillSet set) const;
    FaceButton* modeButton(drill::DrillMode mode) const;
    QComboBox* letterPicker() const { return letterPicker_; }
    FaceButton* progressButton() const { return progressButton_; }
    FaceButton* finishButton() const { return finishButton_; }
    QLabel* medicalNote() const { return medicalNote_; }
    QStackedWidget* pages() const { return pages_; }
    QuestionPage* questionPage() const { return questionPage_; }
    SummaryPage* summaryPage() const { return summaryPage_; }
    ProgressPage* progressPage() const { return progressPage_; }
    QLabel* scoreLine() const { return score_; }
    QLabel* notice() const { return notice_; }

protected:
    void keyPressEvent(QKeyEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    void buildChoiceRows();
    void buildPages();
    void showChoice();
    void showQuestion();
    void showHoistTyped();
    void answer(const std::string& code);
    void showSummary();
    void showScore();
    void reportStore();
    void fillChart();
    char chosenLetter() const;

    const codebook::CodeBook& book_;
    DrillWindowOptions options_;
    std::uint64_t seed_ = 0;
    std::unique_ptr<progress::ProgressStore> store_;
    std::unique_ptr<DrillLesson> lesson_;
    Stage stage_ = Stage::Asking;
    Stage stageBeforeProgress_ = Stage::Asking;
    std::string typed_;

    std::array<FaceButton*, std::size(drill::kAllSets)> setButtons_{};
    std::array<FaceButton*, std::size(drill::kAllModes)> modeButtons_{};
    QComboBox* letterPicker_ = nullptr;
    FaceButton* progressButton_ = nullptr;
    FaceButton* finishButton_ = nullptr;
    QLabel* medicalNote_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QuestionPage* questionPage_ = nullptr;
    SummaryPage* summaryPage_ = nullptr;
    ProgressPage* progressPage_ = nullptr;
    QLabel* score_ = nullptr;
    QLabel* notice_ = nullptr;
};

}  // namespace mss::forms
