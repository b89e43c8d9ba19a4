// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_exchange.h"

#include <algorithm>

#include "placement.h"

namespace mss::exchange {

namespace {

class Builder {
public:
    Builder(const Scenario& scenario, const ExchangeChoices& choices) : scenario_(scenario), choices_(choices) {}

    std::vector<ExchangeEvent> build() {
        for (std::size_t i = 0; i < scenario_.signalSequence.size(); ++i) signal(static_cast<int>(i));
        return std::move(events_);
    }

private:
    void emit(Ship ship, Action action, Halyard halyard, Groups groups = {}) {
        ExchangeEvent e;
        e.step = step_;
        e.ship = ship;
        e.action = action;
        e.halyard = halyard;
        e.groups = std::move(groups);
        e.signal = signal_;
        events_.push_back(std::move(e));
        if (action == Action::PennantDip) pennant_[slotOf(ship)] = Pennant::AtDip;
        if (action == Action::PennantCloseUp) pennant_[slotOf(ship)] = Pennant::CloseUp;
        if (action == Action::PennantDown) pennant_[slotOf(ship)] = Pennant::Down;
        if (action == Action::PennantAlone) pennant_[slotOf(ship)] = Pennant::Alone;
    }

    void dipOnSighting(Ship receiver) {
        if (pennant_[slotOf(receiver)] == Pennant::Down) emit(receiver, Action::PennantDip, kAnsweringHalyard);
    }

    // What goes up on one halyard, and what the receiver's judge needs to know of it.
    struct Going {
        Halyard halyard;
        Groups groups;
        int textHoist = -1;
        bool garbled = false;
        bool notUnderstoodReply = false;
    };

    static std::size_t rankOf(Halyard halyard) {
        return static_cast<std::size_t>(std::find(kReadingOrder.begin(), kReadingOrder.end(), halyard) -
                                        kReadingOrder.begin());
    }

    // Halyards go up in the reading order; returns what the other ship
    // reads of them, in that order.
    Groups raise(Ship ship, std::vector<Going> going) {
        std::sort(going.begin(), going.end(),
                  [](const Going& a, const Going& b) { return rankOf(a.halyard) < rankOf(b.halyard); });
        Groups read;
        for (Going& g : going) {
            read.insert(read.end(), g.groups.begin(), g.groups.end());
            emit(ship, Action::Hoist, g.halyard, std::move(g.groups));
            events_.back().textHoist = g.textHoist;
            events_.back().garbled = g.garbled;
            events_.back().notUnderstoodReply = g.notUnderstoodReply;
        }
        return read;
    }

    // Halyards come down the other way round.
    void lower(Ship ship, std::vector<Halyard> halyards) {
        std::sort(halyards.begin(), halyards.end(), [](Halyard a, Halyard b) { return rankOf(a) > rankOf(b); });
        for (const Halyard h : halyards) emit(ship, Action::HaulDown, h);
    }

    // One hoist of the sender's: the call sign goes up with the first, the
    // text (if any); the receiver reads and answers; both come down.
    void hoist(const Signal& s, const TextHoist* text, int textIndex, bool first, bool last) {
        const Ship receiver = otherShip(s.sender);
        ++step_;
        std::vector<Going> going;
        std::vector<Halyard> coming;
        if (first && s.callSign) going.push_back({kCallSignHalyard, {*s.callSign}});
        if (text) {
            going.push_back({kTextHalyard, *text, textIndex});
            coming.push_back(kTextHalyard);
        }
        if (last && s.callSign) coming.push_back(kCallSignHalyard);
        const Groups read = raise(s.sender, std::move(going));
        dipOnSighting(receiver);
        emit(receiver, Action::Read, kAnsweringHalyard, read);
        emit(receiver, Action::PennantCloseUp, kAnsweringHalyard);
        lower(s.sender, std::move(coming));
        emit(receiver, Action::PennantDip, kAnsweringHalyard);
    }

    // The hoist that makes no sense, the receiver's reply, and both hauled
    // down; the receiver's pennant stays at the dip all along.
    void garbled(const Signal& s) {
        const Ship sender = s.sender;
        const Ship receiver = otherShip(sender);
        ++step_;
        std::vector<Going> going{{kTextHalyard, *s.garbled, -1, true}};
        if (s.callSign) going.push_back({kCallSignHalyard, {*s.callSign}});
        const Groups read = raise(sender, std::move(going));
        dipOnSighting(receiver);
        emit(receiver, Action::Read, kAnsweringHalyard, read);
        events_.back().garbled = true;

        ++step_;
        const TextHoist& reply = s.notUnderstoodReplies.at(static_cast<std::size_t>(choices_.reply.at(signal_)));
        const Groups replyRead = raise(
            receiver, {{kCallSignHalyard, {scenario_.callSignOf(sender)}}, {kTextHalyard, reply, -1, false, true}});
        dipOnSighting(sender);
        emit(sender, Action::Read, kAnsweringHalyard, replyRead);
        emit(sender, Action::PennantCloseUp, kAnsweringHalyard);
        lower(sender, {kTextHalyard});
        lower(receiver, {kCallSignHalyard, kTextHalyard});
        emit(sender, Action::PennantDown, kAnsweringHalyard);
    }

    void signal(int index) {
        signal_ = index;
        const Signal& s = scenario_.signalSequence[static_cast<std::size_t>(index)];
        const Ship receiver = otherShip(s.sender);
        bool callSignUp = false;
        if (s.garbled) {
            garbled(s);
            callSignUp = s.callSign.has_value();
        }
        if (s.messages.empty()) {
            hoist(s, nullptr, -1, true, true);
        } else {
            const Message& m = s.messages.at(static_cast<std::size_t>(choices_.message.at(index)));
            for (std::size_t h = 0; h < m.size(); ++h)
                hoist(s, &m[h], static_cast<int>(h), h == 0 && !callSignUp, h + 1 == m.size());
        }
        // The end of the signal.
        ++step_;
        emit(s.sender, Action::PennantAlone, kEndOfSignalHalyard);
        emit(receiver, Action::PennantCloseUp, kAnsweringHalyard);
        emit(s.sender, Action::PennantDown, kEndOfSignalHalyard);
        emit(receiver, Action::PennantDown, kAnsweringHalyard);
    }

    const Scenario& scenario_;
    const ExchangeChoices& choices_;
    std::vector<ExchangeEvent> events_;
    std::array<Pennant, 2> pennant_{Pennant::Down, Pennant::Down};
    int step_ = 0;
    int signal_ = 0;
};

}  // namespace

ExchangeChoices firstChoices(const Scenario& scenario) {
    ExchangeChoices choices;
    choices.message.assign(scenario.signalSequence.size(), 0);
    choices.reply.assign(scenario.signalSequence.size(), 0);
    return choices;
}

std::vector<ExchangeEvent> modelExchange(const Scenario& scenario, const ExchangeChoices& choices) {
    return Builder(scenario, choices).build();
}

}  // namespace mss::exchange
