// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A numbered ticket of the exam: 20 questions (or the first 10 of them)
// drawn for its number and scope from the tasks a maritime college sets —
// a flag or pennant by sight, a single-letter signal's meaning, «разобрать»
// (read a hoist, substitutes included: choose its meaning or type its code),
// «набрать» (hoist the signal for a meaning with one set of flags) and a
// table digit's meaning. The same number, scope, length and draw give the
// same questions in the same order on every machine with the same code book.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "asking/question.h"
#include "asking/set_signals.h"
#include "codebook/codebook.h"
#include "exam_signals.h"
#include "ticket_draw.h"

namespace mss::exam {

// What a ticket draws from: «Основной» (the 40 flags, the single-letter
// signals and the general section's groups of the exam's list), «Полный»
// (everything, the medical section included) or one section.
enum class ExamScope { Basic, Full, Flags, SingleLetter, General, Medical, Tables };
inline constexpr ExamScope kAllScopes[] = {ExamScope::Basic,        ExamScope::Full,    ExamScope::Flags,
                                           ExamScope::SingleLetter, ExamScope::General, ExamScope::Medical,
                                           ExamScope::Tables};
// "basic", "full", "flags", …, as the progress file and the seed keep it.
std::string_view storedName(ExamScope scope);
std::optional<ExamScope> scopeNamed(std::string_view name);

enum class TaskKind {
    FlagBySight,          // a flag or pennant of the set is shown: which is it?
    SingleLetterMeaning,  // a single-letter signal is hoisted: choose its meaning of four
    ReadHoistChoose,      // «разобрать»: a hoist as flown, choose its meaning of four
    ReadHoistType,        // «разобрать»: a hoist as flown, type its code
    ComposeHoist,         // «набрать»: a meaning, hoist its signal with one set
    TableDigitMeaning,    // a digit of a table of complements: choose its meaning of four
};
std::string_view storedName(TaskKind kind);
std::optional<TaskKind> taskNamed(std::string_view name);
// How the question is answered, in the drill's terms.
asking::AskMode modeOf(TaskKind kind);

inline constexpr int kTicketQuestions = 20;
inline constexpr int kShortTicketQuestions = 10;
inline constexpr int kFirstTicket = 1, kLastTicket = 999;

// A question of a ticket: asked as the drill asks it (its mode follows from
// its task), with the task it comes from.
struct TicketQuestion : asking::Question {
    TaskKind kind = TaskKind::FlagBySight;
    bool gross = false;  // a distress or urgency signal: a wrong answer fails the ticket
};

struct Ticket {
    int number = 0;
    ExamScope scope = ExamScope::Basic;
    int draw = kLatestDraw;
    std::vector<TicketQuestion> questions;
};

// The signals of every set, drawn from the code book once.
class ExamPool {
public:
    ExamPool(const codebook::CodeBook& book, const ExamSignals& examSignals);
    const std::vector<asking::Signal>& signalsIn(asking::SignalSet set) const;
    const ExamSignals& examSignals() const { return signals_; }

private:
    std::vector<std::vector<asking::Signal>> sets_;
    const ExamSignals& signals_;
};

// Ticket `number` (kFirstTicket..kLastTicket) of `scope`, with `length`
// questions (kTicketQuestions, or kShortTicketQuestions: the first ten of
// the twenty), by the rule of `draw` (ticket_draw.h). The ticket points into
// `pool`, which must outlive it.
Ticket drawTicket(const ExamPool& pool, int number, ExamScope scope, int length = kTicketQuestions,
                  int draw = kLatestDraw);

}  // namespace mss::exam
