// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message of flag signals read group by group, as the receiving ship reads
// it: each group's kind and its meaning in Russian with the values filled
// in.
//
//   EV        signal of the book        its meaning as the book gives it
//   CD5       signal + table digit      the meaning, then row II-5 of its table
//   DI20      signal + number           «Мне требуются шлюпки для 20 человек.»
//   L6330N    single-letter complement  «широта 63°30′ N»
//   UBKR      call sign                 first in the message, or after a group
//                                       that names a vessel (data/message_groups.tsv)
//   RIGA      spelled word              after YZ, or after a group that takes
//                                       the name of a place or a vessel
//
// Letters that are no code are a call sign or a spelled word only where the
// message puts one; elsewhere the group is refused with the reason. A code
// of the book is always read as the code. Standard library only.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "codebook/codebook.h"

namespace mss::codebook::message {

enum class GroupKind : std::uint8_t {
    Signal,            // a code of the book, with the digit of its table where its row takes one
    SignalWithNumber,  // a code of the book and the number its meaning takes: DI20, NU7.5
    Complement,        // a single-letter signal with its complement: A120, L6330N, K1
    CallSign,          // the identity signal of a ship or a station
    SpelledWord,       // a name of a port or a ship spelled in flags
};

struct ReadGroup {
    std::string text;  // in Latin capitals, '.' for the decimal point: "L6330N"
    GroupKind kind = GroupKind::Signal;
    std::string code;     // the code of the book whose meaning it carries ("DI", "CD", "L", "EV"); empty for
                          // a call sign or a spelled word
    std::string value;    // what follows the code in the group: "20", "6330N", "5"; the whole group for a
                          // call sign or a spelled word
    std::string meaning;  // in Russian, values filled in: «широта 63°30′ N»
};

struct GroupRefusal {
    std::size_t group = 0;  // the place of the group in the message, from 0
    std::string text;       // the group as given (read into Latin capitals where it could be)
    std::string reason;     // in Russian, a sentence or two
};

struct MessageReading {
    std::vector<ReadGroup> groups;        // every group when read; those before the refused one otherwise
    std::optional<GroupRefusal> refusal;  // the first group that cannot be read
    bool ok() const { return !refusal; }
};

// Reads the groups of a message in order. Each group is written as a person
// types it (Latin in either case, Cyrillic look-alikes, ',' or '.' for the
// decimal point). An empty message reads as no groups. The meanings are
// taken from `book`.
MessageReading readMessage(const CodeBook& book, std::span<const std::string> groups);

// The same for a message typed on one line, groups separated by spaces.
MessageReading readMessage(const CodeBook& book, std::string_view line);

// What kind of group this is, in a word or two, for a list: «сигнал свода»,
// «однобуквенный сигнал с дополнением», «опознавательный сигнал», …
std::string_view kindName(GroupKind kind);

}  // namespace mss::codebook::message
