// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Words the drill and the exam share, on the screen, on paper and on the
// terminal alike: a meaning in quotes, a sentence that ends in one, and the
// name of a set of signals.

#include <QString>

#include <string>

#include "asking/signal_set.h"

namespace mss::wording {

// A meaning in quotes, without the point that ends it, so that the sentence
// around it can end as it must: «Усилительное устройство (мегафон)». A
// place left for a value ("...") keeps its dots.
QString quoted(const std::string& meaning);
// A sentence ending in a quoted meaning, with its point: none after a
// question or exclamation mark that closes the quote («…осадка?»).
QString sentence(const QString& words);

// «Флаги и вымпелы», «Общий раздел», …
QString setTitle(asking::SignalSet set);

}  // namespace mss::wording
