// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange_types.h"

namespace mss::exchange {

std::string_view actionWord(Action action) {
    switch (action) {
        case Action::Hoist: return "hoist";
        case Action::HaulDown: return "haul-down";
        case Action::PennantDip: return "ap-dip";
        case Action::PennantCloseUp: return "ap-close-up";
        case Action::PennantDown: return "ap-down";
        case Action::PennantAlone: return "ap-alone";
        case Action::Read: return "read";
    }
    return "";
}

std::string_view halyardWord(Halyard halyard) {
    switch (halyard) {
        case Halyard::Masthead: return "masthead";
        case Halyard::StarboardYardarm: return "starboard-yardarm";
        case Halyard::PortYardarm: return "port-yardarm";
    }
    return "";
}

std::string_view halyardPlace(Halyard halyard) {
    switch (halyard) {
        case Halyard::Masthead: return "на топе мачты";
        case Halyard::StarboardYardarm: return "на правом ноке рея";
        case Halyard::PortYardarm: return "на левом ноке рея";
    }
    return "";
}

}  // namespace mss::exchange
