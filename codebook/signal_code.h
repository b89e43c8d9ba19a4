// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The code of a signal of the code book, and every way the program writes,
// reads, types and hoists it. Nothing else builds a code or takes one apart.
//
//   section          written   typed by a learner   hoisted, top down
//   single-letter    "A"       "A"                  A
//   general          "AE1"     "AE1"                A E 1
//   medical          "MAA"     "AA" (M is up)       M A, 2-й заменяющий
//   table row        "II-3"    "3"                  3 (its table named beside)
//
// A code here has the shape of a code of its section; whether the code book
// holds it is asked separately (inBook). Standard library only.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "one_set_hoist.h"
#include "section.h"

namespace mss::codebook {

class SignalCode {
public:
    // The first flag of every medical signal.
    static constexpr char kMedicalFirst = 'M';

    // Exactly as the program writes codes: "A", "AE1", "MAA", "II-3".
    static std::optional<SignalCode> parse(std::string_view written);
    // As a person types one: Latin in either case, the Cyrillic letters that
    // look like Latin ones («ае1», «маа»), a table row with any dash or space
    // or none («i 3», «III–9», «I3»), spaces around. Nothing for anything
    // else. Where the letters read two ways («II5»: the general signal II5
    // and the row II-5 of table II) this is the first; readings() has both.
    static std::optional<SignalCode> read(std::string_view typed);
    // Every code a person may mean by what was typed, the likeliest first,
    // each once: what read() reads, and the letters typed on the Russian
    // layout read by the keys they sit on («фу1» is typed on the keys of
    // AE1). Cyrillic letters that all look like their Latin twins as
    // written («ае1», «ВВ1») are read by their look first, others by their
    // keys first («тс»: NC, then TC). The search, --lookup and the cards
    // read a typed code this one way.
    static std::vector<SignalCode> readings(std::string_view typed);
    // The symbols a learner types for a signal of `section`: "AA" in the
    // medical section is MAA, "3" in table II is II-3.
    static std::optional<SignalCode> ofTyped(Section section, std::string_view typed);

    // Built from its parts, as the code's own tables list them. Letters are
    // capitals, digits 0..9; nothing for parts that make no code.
    static std::optional<SignalCode> singleLetter(char letter);
    static std::optional<SignalCode> general(char first, char second, std::optional<int> complement = std::nullopt);
    static std::optional<SignalCode> medical(char second, char third);
    static std::optional<SignalCode> tableRow(Section table, int digit);

    const std::string& text() const { return text_; }
    Section section() const { return section_; }
    // Whether the code book has this signal.
    bool inBook() const;

    // The medical section's first flag, M, stands hoisted before the learner
    // gives the rest.
    bool impliesMedicalM() const { return section_ == Section::Medical; }
    // A row of a table of complements: its table, and the digit of the row.
    const ComplementTable* table() const { return complementTableOf(section_); }
    std::optional<int> digit() const;
    // The group a signal is drilled and confused with: its first letter in
    // the general section, the letter after M in the medical section, the
    // Roman number of its table; empty for a single-letter signal.
    std::string_view group() const;

    // The flags of the hoist top down, as symbols ("AE1", "MAA", "3"), and
    // the part of them a learner types ("AE1", "AA", "3").
    std::string_view hoistSymbols() const;
    std::string_view typedSymbols() const;
    // The hoist as one set of flags flies it, top first: MAA is M, A and
    // the 2nd substitute (one_set_hoist.h). Every code of the book flies.
    FlownHoist flownHoist() const;
    // Its flags alone, each 0..39 (signal_flags.h).
    std::vector<int> hoistFlags() const;

    friend bool operator==(const SignalCode&, const SignalCode&) = default;

private:
    SignalCode(std::string text, Section section) : text_(std::move(text)), section_(section) {}

    std::string text_;
    Section section_;
};

// A group of flags as a person types it, read the way a code is read
// (Latin in either case, the Cyrillic look-alikes), with '.' or ',' for the
// decimal point: "l2330" → "L2330", "маа" → "MAA", "22,2" → "22.2". Of any
// length, with no promise that one set of flags can fly it. Empty text, a
// table row ("I-3"), a space inside or any other character gives no group.
std::optional<std::string> readGroup(std::string_view typed);

}  // namespace mss::codebook
