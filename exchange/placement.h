// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a ship flies what, in what order halyards go up, come down and are
// read. The code says only "where best seen"; these are this program's
// choices, made here and nowhere else (the README lists them).

#include <array>

#include "exchange_types.h"

namespace mss::exchange {

// A call sign (the addressee's, or one's own when asked for it) flies at the
// masthead; the text of a signal at the starboard yardarm; the answering
// pennant answers at the port yardarm and ends a signal, hoisted alone, at
// the starboard yardarm, where the text flew.
inline constexpr Halyard kCallSignHalyard = Halyard::Masthead;
inline constexpr Halyard kTextHalyard = Halyard::StarboardYardarm;
inline constexpr Halyard kAnsweringHalyard = Halyard::PortYardarm;
inline constexpr Halyard kEndOfSignalHalyard = Halyard::StarboardYardarm;

// Halyards go up and are read in this one order: masthead first, then the
// starboard yardarm, then the port yardarm; a receiver reads what went up
// since it last answered, all of it at once, in that order. They come down
// the other way round: a signal's call sign stays at the masthead through
// all of its hoists and comes down with the last one, after the text.
inline constexpr std::array kReadingOrder{Halyard::Masthead, Halyard::StarboardYardarm, Halyard::PortYardarm};

}  // namespace mss::exchange
