// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange_flow.h"

#include <algorithm>

#include "codebook/utf8.h"
#include "message_match.h"

namespace mss::exchange {

namespace {

bool isTimed(Action action) {
    return action == Action::Hoist || action == Action::PennantAlone || action == Action::Read ||
           action == Action::PennantCloseUp;
}

bool isHalyardWork(Action action) { return action == Action::Hoist || action == Action::HaulDown; }

Judgement wrong(Fault fault, std::string detail = {}) {
    const bool code = fault >= Fault::WrongGroup;
    Judgement j{code ? Verdict::CodeMistake : Verdict::ProcedureMistake, fault, std::string(faultText(fault)), false};
    if (!detail.empty()) j.explanation += " " + detail;
    return j;
}

std::string joined(const Groups& groups) {
    std::string text;
    for (const std::string& g : groups) text += (text.empty() ? "" : " ") + g;
    return text;
}

// A phrase made a sentence: its first letter a capital, a full stop after it.
std::string sentence(std::string_view phrase) {
    std::string text;
    if (const auto decoded = codebook::decodeUtf8(phrase); decoded && !decoded->empty()) {
        std::u32string letters = *decoded;
        if (letters[0] >= U'а' && letters[0] <= U'я') letters[0] -= U'а' - U'А';
        if (letters[0] >= U'a' && letters[0] <= U'z') letters[0] -= U'a' - U'A';
        for (const char32_t c : letters) codebook::appendUtf8(text, c);
        text += '.';
    }
    return text;
}

// A message that differs from the one expected, judged by its first difference.
Judgement mismatch(const Groups& expected, const Groups& given) {
    using codebook::message::Mistake;
    const auto difference = firstDifference(expected, given);
    if (!difference) return {};
    Fault fault = Fault::WrongGroup;
    switch (difference->mistake) {
        case Mistake::MissingGroup: fault = Fault::MissingGroup; break;
        case Mistake::ExtraGroup: fault = Fault::ExtraGroup; break;
        case Mistake::WrongFigure:
        case Mistake::MissingHemisphere:
        case Mistake::WrongHemisphere: fault = Fault::WrongFigure; break;
        default: break;
    }
    return wrong(fault, sentence(difference->explanation));
}

bool same(const Groups& a, const Groups& b) { return !firstDifference(b, a).has_value(); }

}  // namespace

std::string_view faultText(Fault fault) {
    switch (fault) {
        case Fault::None: return "";
        case Fault::NotDippedOnSighting: return "Увидев подъём, сразу поднимите ответный вымпел до половины.";
        case Fault::ClosedUpBeforeRead: return "До места ответный вымпел поднимают, только когда сигнал разобран.";
        case Fault::ClosedUpOnNotUnderstood:
            return "Сигнал не понят: ответный вымпел остаётся до половины, а в ответ поднимают ZQ или ZL.";
        case Fault::NotLoweredWhenHauledDown: return "Сигнал спустили — ответный вымпел нужно приспустить до половины.";
        case Fault::HauledDownBeforeAnswered:
            return "Подъём спускают, только когда другое судно подняло ответный вымпел до места.";
        case Fault::EndOfSignalForgotten: return "Сигнал окончен — поднимите ответный вымпел отдельно.";
        case Fault::WrongHalyard: return "Не тот фал.";
        case Fault::OutOfTurn: return "Сейчас этого по порядку переговоров не делают.";
        case Fault::WrongGroup: return "Ошибка в сигнале.";
        case Fault::WrongFigure: return "Ошибка в цифрах.";
        case Fault::MissingGroup: return "В подъёме не хватает группы.";
        case Fault::ExtraGroup: return "В подъёме лишняя группа.";
        case Fault::CannotFly: return "Одним набором флагов это не поднять.";
    }
    return "";
}

ExchangeFlow::ExchangeFlow(const Scenario& scenario, Ship learner, ExchangeSettings settings, Clock clock)
    : scenario_(scenario), learner_(learner), settings_(settings), clock_(std::move(clock)),
      choices_(firstChoices(scenario)) {
    for (const Ship ship : {Ship::A, Ship::B}) stations_[slotOf(ship)].callSign = scenario.callSignOf(ship);
    rebuildScript();
    lastEventAt_ = clock_();
    runOtherShip();
}

void ExchangeFlow::rebuildScript() {
    script_ = modelExchange(scenario_, choices_);
    applied_.resize(script_.size(), false);
}

const ExchangeEvent* ExchangeFlow::expected() const {
    if (finished() || script_[next_].ship != learner_) return nullptr;
    return &script_[next_];
}

const Signal* ExchangeFlow::currentSignal() const {
    if (finished()) return nullptr;
    return &scenario_.signalSequence.at(static_cast<std::size_t>(script_[next_].signal));
}

void ExchangeFlow::apply(const ExchangeEvent& event) {
    StationState& st = stations_[slotOf(event.ship)];
    switch (event.action) {
        case Action::Hoist: st.halyards[slotOf(event.halyard)] = event.groups; break;
        case Action::HaulDown: st.halyards[slotOf(event.halyard)].clear(); break;
        case Action::PennantDip: st.pennant = Pennant::AtDip; break;
        case Action::PennantCloseUp: st.pennant = Pennant::CloseUp; break;
        case Action::PennantDown: st.pennant = Pennant::Down; break;
        case Action::PennantAlone: st.pennant = Pennant::Alone; break;
        case Action::Read: break;
    }
    if (event.action != Action::Read && event.action != Action::Hoist && event.action != Action::HaulDown)
        st.pennantHalyard = event.halyard;
    done_.push_back(event);
    lastEventAt_ = clock_();
    overdueJudged_ = false;
}

void ExchangeFlow::runOtherShip() {
    while (!finished() && script_[next_].ship != learner_) {
        const ExchangeEvent& e = script_[next_];
        const ExchangeEvent* last = done_.empty() ? nullptr : &done_.back();
        const bool goesOn = last != nullptr && last->ship == e.ship && isTimed(last->action);
        if (isTimed(e.action) && !goesOn && clock_() - lastEventAt_ < settings_.pace) return;
        applied_[next_] = true;
        apply(e);
        while (next_ < script_.size() && applied_[next_]) ++next_;
    }
}

void ExchangeFlow::tick() {
    runOtherShip();
    const ExchangeEvent* e = expected();
    if (e == nullptr || overdueJudged_ || clock_() - lastEventAt_ < settings_.reactionTime) return;
    Fault fault = Fault::None;
    if (e->action == Action::PennantDip)
        fault =
            station(learner_).pennant == Pennant::Down ? Fault::NotDippedOnSighting : Fault::NotLoweredWhenHauledDown;
    else if (e->action == Action::PennantAlone)
        fault = Fault::EndOfSignalForgotten;
    if (fault == Fault::None) return;
    overdueJudged_ = true;
    Judgement j = wrong(fault);
    j.overdue = true;
    judgements_.push_back(std::move(j));
}

Judgement ExchangeFlow::record(Judgement judgement) {
    judgements_.push_back(judgement);
    return judgement;
}

Judgement ExchangeFlow::act(const LearnerAction& action) {
    runOtherShip();
    Judgement j = judge(action);
    record(j);
    runOtherShip();
    return j;
}

Judgement ExchangeFlow::carryOut(std::size_t at, const Groups* hoisted) {
    // A halyard flies what the learner hoisted: S012 where the model has S12.
    if (hoisted != nullptr) script_[at].groups = *hoisted;
    applied_[at] = true;
    apply(script_[at]);
    while (next_ < script_.size() && applied_[next_]) ++next_;
    return {};
}

Judgement ExchangeFlow::judge(const LearnerAction& action) {
    if (finished()) return wrong(Fault::OutOfTurn, "Переговоры окончены.");
    if (script_[next_].ship != learner_) return judgeWhileWaiting(action);
    const ExchangeEvent& e = script_[next_];

    // Halyards of one step may go up (or come down) in any order.
    if (isHalyardWork(e.action) && isHalyardWork(action.action)) {
        std::vector<std::size_t> run;
        for (std::size_t i = next_; i < script_.size() && script_[i].ship == learner_ && script_[i].step == e.step &&
                                    isHalyardWork(script_[i].action);
             ++i)
            if (!applied_[i] && script_[i].action == action.action) run.push_back(i);
        for (std::size_t i : run)
            if (script_[i].halyard == action.halyard)
                return action.action == Action::Hoist ? judgeHoist(action, i, run) : carryOut(i);
        if (!run.empty()) {
            std::string where;
            for (std::size_t i : run)
                where += (where.empty() ? "" : ", ") + std::string(halyardPlace(script_[i].halyard));
            return wrong(Fault::WrongHalyard, "Сейчас работают " + where + ".");
        }
    }
    if (action.action != e.action) return judgeOutOfOrder(action, e);
    if (action.halyard != e.halyard)
        return wrong(Fault::WrongHalyard, "Ответный вымпел здесь — " + std::string(halyardPlace(e.halyard)) + ".");
    if (e.action == Action::Read) {
        if (!same(action.groups, e.groups)) return mismatch(e.groups, action.groups);
    }
    return carryOut(next_);
}

Judgement ExchangeFlow::judgeHoist(const LearnerAction& action, std::size_t at, const std::vector<std::size_t>& run) {
    if (const auto refusal = halyardRefusal(action.groups)) return wrong(Fault::CannotFly, *refusal);
    const ExchangeEvent& e = script_[at];
    // The groups meant for another halyard of the same hoist.
    for (std::size_t i : run)
        if (i != at && same(action.groups, script_[i].groups))
            return wrong(Fault::WrongHalyard,
                         joined(action.groups) + " поднимают " + std::string(halyardPlace(script_[i].halyard)) + ".");
    const auto s = static_cast<std::size_t>(e.signal);
    const Signal& signal = scenario_.signalSequence.at(s);
    if (e.textHoist >= 0) {
        const auto h = static_cast<std::size_t>(e.textHoist);
        const Message& current = signal.messages.at(static_cast<std::size_t>(choices_.message[s]));
        for (std::size_t m = 0; m < signal.messages.size(); ++m) {
            const Message& other = signal.messages[m];
            if (other.size() <= h) continue;
            bool samePast = true;
            for (std::size_t k = 0; k < h && samePast; ++k) samePast = same(other[k], current[k]);
            if (!samePast || !same(action.groups, other[h])) continue;
            if (static_cast<int>(m) != choices_.message[s]) {
                choices_.message[s] = static_cast<int>(m);
                rebuildScript();
            }
            return carryOut(at, &action.groups);
        }
        return mismatch(current[h], action.groups);
    }
    if (e.notUnderstoodReply) {
        for (std::size_t r = 0; r < signal.notUnderstoodReplies.size(); ++r)
            if (same(action.groups, signal.notUnderstoodReplies[r])) {
                if (static_cast<int>(r) != choices_.reply[s]) {
                    choices_.reply[s] = static_cast<int>(r);
                    rebuildScript();
                }
                return carryOut(at, &action.groups);
            }
        return mismatch(e.groups, action.groups);
    }
    if (!same(action.groups, e.groups)) return mismatch(e.groups, action.groups);
    return carryOut(at, &action.groups);
}

Judgement ExchangeFlow::judgeOutOfOrder(const LearnerAction& action, const ExchangeEvent& e) const {
    switch (e.action) {
        case Action::PennantDip:
            return wrong(station(learner_).pennant == Pennant::Down ? Fault::NotDippedOnSighting
                                                                    : Fault::NotLoweredWhenHauledDown);
        case Action::Read:
            if (action.action == Action::PennantCloseUp) return wrong(Fault::ClosedUpBeforeRead);
            break;
        case Action::Hoist:
            if (action.action == Action::PennantCloseUp) {
                // The learner's hoists of this step answer a hoist not understood.
                for (std::size_t i = next_;
                     i < script_.size() && script_[i].ship == learner_ && script_[i].step == e.step; ++i)
                    if (script_[i].notUnderstoodReply) return wrong(Fault::ClosedUpOnNotUnderstood);
            }
            break;
        case Action::PennantAlone: return wrong(Fault::EndOfSignalForgotten);
        default: break;
    }
    return wrong(Fault::OutOfTurn);
}

Judgement ExchangeFlow::judgeWhileWaiting(const LearnerAction& action) const {
    const ExchangeEvent& pending = script_[next_];
    const bool answerPending = pending.action == Action::Read || pending.action == Action::PennantCloseUp ||
                               pending.action == Action::PennantDip;
    if (action.action == Action::HaulDown && answerPending &&
        !station(learner_).halyards[slotOf(action.halyard)].empty())
        return wrong(Fault::HauledDownBeforeAnswered);
    return wrong(Fault::OutOfTurn, "Ждите: очередь другого судна.");
}

}  // namespace mss::exchange
