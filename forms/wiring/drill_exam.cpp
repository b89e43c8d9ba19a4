// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/wiring/drill_exam.h"

#include <cstdint>
#include <random>

#include "forms/exam/exam_panel.h"
#include "forms/exam/exam_texts.h"

namespace mss::forms {

namespace {

class ExamPanelInPlace final : public ExamInPlace {
public:
    explicit ExamPanelInPlace(ExamPanel* panel) : panel_(panel) {}

    ExamPanel* panel() const override { return panel_; }
    QWidget* widget() const override { return panel_; }
    QString title() const override { return exam_texts::kExamTitle; }
    void shown() override {
        if (!panel_->running()) panel_->showStart();
    }
    QString leaveQuestion() const override {
        return panel_->running() ? exam_texts::leaveTicketQuestion(panel_->flow()->ticket()) : QString();
    }
    void leaveTicket() override { panel_->leaveTicket(); }

private:
    ExamPanel* panel_;  // a child of the drill window, gone with it
};

}  // namespace

MakeExam examPanelMaker(const codebook::CodeBook& book, const DrillWindowOptions& options) {
    const FileChooser chooseFile = options.chooseFile ? options.chooseFile : FileChooser(chooseFileWithDialog);
    return [&book, clock = options.clock, seed = options.seed, chooseFile](
               QWidget& window, progress::ProgressStore& store, ExamCalls calls) -> std::unique_ptr<ExamInPlace> {
        // «Случайный билет» draws from the drill's seed when one is given, otherwise from one of its own.
        const std::uint64_t examSeed =
            seed != 0 ? seed : (std::uint64_t{std::random_device{}()} << 32) ^ std::random_device{}();
        auto* panel = new ExamPanel(book, store, clock, asking::seededRandomSource(examSeed), chooseFile, &window);
        QObject::connect(panel, &ExamPanel::leave, panel, calls.leave);
        QObject::connect(panel, &ExamPanel::drillMistakes, panel, calls.drillMistakes);
        return std::make_unique<ExamPanelInPlace>(panel);
    };
}

}  // namespace mss::forms
