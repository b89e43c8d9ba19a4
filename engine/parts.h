// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts of the main window whose state the engine keeps: the three
// hoist positions, the four keyboards, the things that can be shown or
// hidden, and the three slide-show timers.

#include <array>
#include <cstddef>
#include <cstdint>

#include "codebook/code_lists.h"
#include "codebook/section.h"

namespace mss::engine {

using codebook::CodeList;
using codebook::Section;

// The hoist, top to bottom: the first flag (also the flag of a single-letter
// signal), the second flag, the third flag or complement pennant.
enum class HoistPosition : std::uint8_t { First, Second, Third };
inline constexpr std::array kHoistPositions{HoistPosition::First, HoistPosition::Second, HoistPosition::Third};

// The four on-screen keyboards, one on view at a time.
enum class Keyboard : std::uint8_t {
    SingleLetter,  // hoists a single-letter signal
    FirstFlag,     // the first flag of a general-section signal
    SecondLetter,  // the second letter, or a complement digit
    ThirdLetter,   // the third letter of a medical signal, or a complement digit
};
inline constexpr std::array kKeyboards{Keyboard::SingleLetter, Keyboard::FirstFlag, Keyboard::SecondLetter,
                                       Keyboard::ThirdLetter};

// The slide-show runs one timer for each hoist position.
enum class SlideTimer : std::uint8_t { First, Second, Third };
inline constexpr std::array kSlideTimers{SlideTimer::First, SlideTimer::Second, SlideTimer::Third};

constexpr HoistPosition positionOf(SlideTimer t) { return static_cast<HoistPosition>(t); }

// Everything the engine shows or hides: the keyboards, the lists of the
// meaning line, the first hoist position, the M that stands in its place in
// the medical section, and the note under the section buttons.
enum class Element : std::uint8_t {
    SingleLetterKeyboard, FirstFlagKeyboard, SecondLetterKeyboard, ThirdLetterKeyboard,
    SingleLetterList, GeneralAToJList, GeneralJToQList, GeneralRToZList, MedicalList, ComplementsList,
    FirstFlagPosition, MedicalFlagM, TablesNote,
};
inline constexpr std::size_t kElementCount = static_cast<std::size_t>(Element::TablesNote) + 1;

constexpr Element elementOf(Keyboard k) {
    return static_cast<Element>(static_cast<int>(Element::SingleLetterKeyboard) + static_cast<int>(k));
}
constexpr Element elementOf(CodeList l) {
    return static_cast<Element>(static_cast<int>(Element::SingleLetterList) + static_cast<int>(l));
}

static_assert(elementOf(kKeyboards.back()) == Element::ThirdLetterKeyboard);
static_assert(elementOf(codebook::kCodeLists.back().list) == Element::ComplementsList);

constexpr std::size_t slotOf(HoistPosition p) { return static_cast<std::size_t>(p); }
constexpr std::size_t slotOf(Keyboard k) { return static_cast<std::size_t>(k); }
constexpr std::size_t slotOf(SlideTimer t) { return static_cast<std::size_t>(t); }
constexpr std::size_t slotOf(Element e) { return static_cast<std::size_t>(e); }
using codebook::slotOf;

}  // namespace mss::engine
