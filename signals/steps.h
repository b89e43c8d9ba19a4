#pragma once
// A key, a section button or a form event is a fixed list of steps. Each step
// is one engine operation with its argument; the lookups read the hoist.

#include <array>
#include <cstdint>
#include <span>

#include "elements.h"

namespace mss::signals {

enum class Op : std::uint8_t {
    Fill,                // fill position `target` with the step's flag `value`
    Clear,               // clear position `target`
    Reset,               // reset the selection of list `target`
    Select,              // select entry `value` of list `target`
    Show,                // show element `target`
    Hide,                // hide element `target`
    DisableTimer,        // switch off slide-show timer `target`
    LookupSecondLetter,  // second flag `value` just hoisted: select the two-letter signal
    HandOverIfMedical,   // in the medical section bring the third-letter keyboard
    LookupComplement,    // complement digit `value` hoisted: select the complemented signal
    LookupThirdLetter,   // third flag `value` hoisted: select the medical signal
    SelectTableDigit,    // digit `value`: select its row of the chosen table of complements
};

struct Step {
    Op op;
    std::uint8_t target = 0;
    std::int16_t value = 0;
};

// A short list of steps kept inline, so no event allocates.
struct StepList {
    std::array<Step, 24> steps{};
    std::uint8_t count = 0;

    constexpr void add(Step s) { steps.at(count++) = s; }
    constexpr std::span<const Step> view() const { return {steps.data(), count}; }
};

constexpr Step fill(Position p, int flag) { return {Op::Fill, static_cast<std::uint8_t>(p), static_cast<std::int16_t>(flag)}; }
constexpr Step clear(Position p) { return {Op::Clear, static_cast<std::uint8_t>(p)}; }
constexpr Step reset(ListId l) { return {Op::Reset, static_cast<std::uint8_t>(l)}; }
constexpr Step select(ListId l, int entry) { return {Op::Select, static_cast<std::uint8_t>(l), static_cast<std::int16_t>(entry)}; }
constexpr Step show(Element e) { return {Op::Show, static_cast<std::uint8_t>(e)}; }
constexpr Step hide(Element e) { return {Op::Hide, static_cast<std::uint8_t>(e)}; }
constexpr Step disable(Timer t) { return {Op::DisableTimer, static_cast<std::uint8_t>(t)}; }
constexpr Step lookup(Op op, int flag) { return {op, 0, static_cast<std::int16_t>(flag)}; }

}  // namespace mss::signals
