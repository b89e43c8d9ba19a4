// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program repeats of a command line in its messages: never a
// control character that a terminal would act on (each is shown as \xNN),
// and at most 80 characters of it.

#include <QString>

namespace mss::app {

inline constexpr int kLongestEcho = 80;

QString echoed(const QString& typed);

// A whole message with every control character shown as \xNN, for one that
// names something typed (a file) in the middle of the program's own words.
QString withoutControls(const QString& message);

}  // namespace mss::app
