// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a learner who meets another edition of the code should know about a
// signal of this book: the one signal that the international edition gives
// under another code (our MLQ is its MLG), and the swell table, whose digits
// follow the scale of the 1965 code. The one place these facts live; the
// windows, the cards, the drills and the command line read them here.
// Standard library only.

#include <array>
#include <optional>
#include <string_view>

namespace mss::codebook {

struct EditionNote {
    std::string_view codes;      // the signals of this book it concerns, separated by spaces
    std::string_view otherCode;  // the same signal in the international edition, where its code differs
    std::string_view text;       // UTF-8, as the program shows it
};

inline constexpr std::array kEditionNotes{
    EditionNote{"MLQ", "MLG",
                "В международном издании свода этот сигнал — MLG: сигнала MLQ там нет, и на иностранном судне "
                "его не поймут."},
    EditionNote{"XE XE0 XE1 XE2 XE3 XE4 XE5 XE6 XE7 XE8 XE9 XH XH0 XH1 XH2 XH3 XH4 XH5 XH6 XH7 XH8 XH9", "",
                "Цифры XE и XH даны по шкале зыби свода 1965 года; в более поздних изданиях свода эта шкала "
                "другая."},
};

// The note on a signal of this book, by its code ("MLQ", "XH3"); empty for a
// signal without one.
std::string_view editionNoteOf(std::string_view code);

// The signal of this book that another edition gives under `otherCode`
// ("MLG" → "MLQ"); nothing for a code that names no such signal.
std::optional<std::string_view> codeInThisBook(std::string_view otherCode);

}  // namespace mss::codebook
