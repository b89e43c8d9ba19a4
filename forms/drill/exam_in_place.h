// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exam as the drill window holds it in the drill's place. The window
// knows it only through this and never builds it: whoever opens the window
// hands it the way to make one (forms/wiring makes the exam's panel).

#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "asking/question.h"

class QWidget;

namespace mss::progress {
class ProgressStore;
}

namespace mss::forms {

class ExamPanel;

class ExamInPlace {
public:
    virtual ~ExamInPlace() = default;

    // The exam's panel, a child of the drill window.
    virtual ExamPanel* panel() const = 0;
    virtual QWidget* widget() const = 0;
    // The window's title while the exam is on view.
    virtual QString title() const = 0;
    // The exam comes on view: its start page, unless a ticket is being answered.
    virtual void shown() = 0;
    // Asked before the window closes on a ticket not handed in; empty when
    // there is none.
    virtual QString leaveQuestion() const = 0;
    // The window closes: a ticket in hand keeps what it needs to be taken up again.
    virtual void leaveTicket() = 0;
};

// What the exam tells the drill window: the cadet goes back to the drill,
// or drills the questions answered wrongly on ticket `ticket`.
struct ExamCalls {
    std::function<void()> leave;
    std::function<void(const std::vector<asking::Topic>& topics, int ticket)> drillMistakes;
};

// Makes the exam in `window`, its tickets kept in `store`.
using MakeExam =
    std::function<std::unique_ptr<ExamInPlace>(QWidget& window, progress::ProgressStore& store, ExamCalls calls)>;

}  // namespace mss::forms
