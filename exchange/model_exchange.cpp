// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_exchange.h"

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

    // One hoist of the sender's: the call sign goes up with the first, the
    // text (if any); the receiver reads and answers; both come down.
    void hoist(const Signal& s, const TextHoist* text, int textIndex, bool first, bool last) {
        const Ship receiver = otherShip(s.sender);
        ++step_;
        Groups read;
        if (first && s.callSign) {
            emit(s.sender, Action::Hoist, kCallSignHalyard, {*s.callSign});
            read.push_back(*s.callSign);
        }
        if (text) {
            emit(s.sender, Action::Hoist, kTextHalyard, *text);
            events_.back().textHoist = textIndex;
            read.insert(read.end(), text->begin(), text->end());
        }
        dipOnSighting(receiver);
        emit(receiver, Action::Read, kAnsweringHalyard, read);
        emit(receiver, Action::PennantCloseUp, kAnsweringHalyard);
        if (text) emit(s.sender, Action::HaulDown, kTextHalyard);
        if (last && s.callSign) emit(s.sender, Action::HaulDown, kCallSignHalyard);
        emit(receiver, Action::PennantDip, kAnsweringHalyard);
    }

    // The hoist that makes no sense, the receiver's reply, and both hauled
    // down; the receiver's pennant stays at the dip all along.
    void garbled(const Signal& s) {
        const Ship sender = s.sender;
        const Ship receiver = otherShip(sender);
        ++step_;
        Groups read;
        if (s.callSign) {
            emit(sender, Action::Hoist, kCallSignHalyard, {*s.callSign});
            read.push_back(*s.callSign);
        }
        emit(sender, Action::Hoist, kTextHalyard, *s.garbled);
        events_.back().garbled = true;
        read.insert(read.end(), s.garbled->begin(), s.garbled->end());
        dipOnSighting(receiver);
        emit(receiver, Action::Read, kAnsweringHalyard, read);
        events_.back().garbled = true;

        ++step_;
        const TextHoist& reply = s.notUnderstoodReplies.at(static_cast<std::size_t>(choices_.reply.at(signal_)));
        const std::string& senderSign = scenario_.callSignOf(sender);
        emit(receiver, Action::Hoist, kCallSignHalyard, {senderSign});
        emit(receiver, Action::Hoist, kTextHalyard, reply);
        events_.back().notUnderstoodReply = true;
        dipOnSighting(sender);
        Groups replyRead{senderSign};
        replyRead.insert(replyRead.end(), reply.begin(), reply.end());
        emit(sender, Action::Read, kAnsweringHalyard, replyRead);
        emit(sender, Action::PennantCloseUp, kAnsweringHalyard);
        emit(sender, Action::HaulDown, kTextHalyard);
        emit(receiver, Action::HaulDown, kTextHalyard);
        emit(receiver, Action::HaulDown, kCallSignHalyard);
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
