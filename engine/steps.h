// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A key, a section button or the window's start-up is a fixed list of steps.
// Each step is one engine operation with its argument; the lookups read the
// hoist.

#include <array>
#include <cstdint>
#include <span>

#include "parts.h"

namespace mss::engine {

enum class Op : std::uint8_t {
    Fill,                // fill position `target` with the step's flag `value`
    Clear,               // clear position `target`
    Reset,               // reset the selection of list `target`
    Select,              // select row `value` of list `target`
    Show,                // show element `target`
    Hide,                // hide element `target`
    StopTimer,           // switch off slide-show timer `target`
    LookupSecondLetter,  // second flag `value` just hoisted: select the two-letter signal
    HandOverIfMedical,   // in the medical section bring the third-letter keyboard
    LookupComplement,    // complement digit `value` hoisted: select the complemented signal
    LookupThirdLetter,   // third flag `value` hoisted: select the medical signal
    SelectTableRow,      // flag `value` put third: in a table of complements select its digit's row, or none
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

constexpr std::uint8_t target(auto thing) { return static_cast<std::uint8_t>(thing); }

constexpr Step fill(HoistPosition p, int flag) { return {Op::Fill, target(p), static_cast<std::int16_t>(flag)}; }
constexpr Step clear(HoistPosition p) { return {Op::Clear, target(p)}; }
constexpr Step reset(CodeList l) { return {Op::Reset, target(l)}; }
constexpr Step select(CodeList l, int row) { return {Op::Select, target(l), static_cast<std::int16_t>(row)}; }
constexpr Step show(Element e) { return {Op::Show, target(e)}; }
constexpr Step hide(Element e) { return {Op::Hide, target(e)}; }
constexpr Step show(Keyboard k) { return show(elementOf(k)); }
constexpr Step hide(Keyboard k) { return hide(elementOf(k)); }
constexpr Step show(CodeList l) { return show(elementOf(l)); }
constexpr Step hide(CodeList l) { return hide(elementOf(l)); }
constexpr Step stop(SlideTimer t) { return {Op::StopTimer, target(t)}; }
constexpr Step lookup(Op op, int flag) { return {op, 0, static_cast<std::int16_t>(flag)}; }

}  // namespace mss::engine
