// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words of an exchange between two ships: the two ships, the halyards a
// ship flies its hoists on, where the answering pennant stands and what a
// ship does. Standard library only.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace mss::exchange {

// The two ships of a scenario, as its file names them.
enum class Ship { A, B };
constexpr Ship otherShip(Ship s) { return s == Ship::A ? Ship::B : Ship::A; }
constexpr std::size_t slotOf(Ship s) { return s == Ship::A ? 0 : 1; }

enum class Halyard { Masthead, StarboardYardarm, PortYardarm };
constexpr std::size_t slotOf(Halyard h) { return static_cast<std::size_t>(h); }

// The answering pennant: down, at the dip (half the halyard: seen, not yet
// read), close up (read), or close up alone (the end of a signal).
enum class Pennant { Down, AtDip, CloseUp, Alone };

// What a ship does. Read is the receiver saying what a hoist means; it
// moves no flag.
enum class Action { Hoist, HaulDown, PennantDip, PennantCloseUp, PennantDown, PennantAlone, Read };

// Groups top first; a tackline separates each two on one halyard.
using Groups = std::vector<std::string>;

// The words the command line prints: "hoist", "ap-dip", "starboard-yardarm".
std::string_view actionWord(Action action);
std::string_view halyardWord(Halyard halyard);

// In Russian, for messages: «на топе мачты»… (the prepositional phrase).
std::string_view halyardPlace(Halyard halyard);

}  // namespace mss::exchange
