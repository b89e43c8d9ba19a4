// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signals the exam treats apart (data/exam_signals.tsv): those of the
// general and single-letter sections that a ticket of the «Основной» scope
// asks, and among them the distress and urgency signals, a wrong answer on
// which is a gross error that fails the ticket whatever the score. What a
// signal means is the code book's; the file only says its role, the draw of
// tickets that first asks it, and its subject.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ticket_draw.h"

namespace mss::exam {

enum class SignalRole { Distress, Urgency, Common };

struct ExamSignal {
    std::string code;  // as the code book writes it: "NC", "V", "AE1"
    SignalRole role;
    int since = kFirstDraw;  // the first draw of tickets that asks it (ticket_draw.h)
    std::string subject;     // what it is about, in Russian: "течь", "лоцман"
};

class ExamSignals {
public:
    // Reads the file's text: a header line, then
    // `code<TAB>role<TAB>since<TAB>subject`. Nothing for a file that is not
    // sound (an unknown role or draw, a line of the wrong shape, no subject,
    // a code twice); `problem` then says what, in Russian.
    static std::optional<ExamSignals> parse(std::string_view text, std::string* problem = nullptr);
    // The list the program carries.
    static const ExamSignals& shipped();

    const std::vector<ExamSignal>& all() const { return signals_; }
    // A wrong answer on this code fails the ticket.
    bool isGross(std::string_view code) const;
    // Whether tickets of `draw` ask this code.
    bool asksInDraw(std::string_view code, int draw) const;
    // The entry of a code; none when it is not in the list.
    const ExamSignal* find(std::string_view code) const;

private:
    std::vector<ExamSignal> signals_;
};

}  // namespace mss::exam
