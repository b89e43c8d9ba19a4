// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenario.h"

#include <algorithm>

namespace mss::exchange {

std::vector<Ship> Scenario::learnerShips() const {
    std::vector<Ship> ships;
    for (const Ship ship : {Ship::A, Ship::B})
        if (std::none_of(signalSequence.begin(), signalSequence.end(),
                         [ship](const Signal& s) { return s.sender == ship && s.garbled; }))
            ships.push_back(ship);
    return ships;
}

}  // namespace mss::exchange
