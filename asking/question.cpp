// SPDX-License-Identifier: GPL-3.0-or-later
#include "question.h"

#include "meaning_choices.h"

namespace mss::asking {

Question askAbout(SignalSet set, AskMode mode, const Signal& signal, std::span<const Signal> list,
                  const RandomSource& random) {
    Question q{set, mode, &signal, hoistOf(set, signal.code), {}, 0};
    if (mode != AskMode::Meaning) return q;
    std::vector<ChoiceCandidate> candidates;
    candidates.reserve(list.size());
    for (const Signal& s : list) candidates.push_back({s.text, s.group});
    const auto asked = static_cast<std::size_t>(&signal - list.data());
    const MeaningChoices choices = chooseMeaningChoices(candidates, asked, random);
    for (std::size_t i : choices.offered) q.choices.push_back(&list[i]);
    q.rightChoice = choices.rightPlace;
    return q;
}

Outcome judge(const Question& question, std::string given, std::span<const Signal> list) {
    Outcome outcome;
    outcome.asked = question.signal;
    outcome.givenSignal = findSignal(list, given);
    outcome.correct = !given.empty() && isRightAnswer(question.mode, *question.signal, given, list);
    outcome.given = std::move(given);
    return outcome;
}

}  // namespace mss::asking
