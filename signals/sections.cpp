#include "sections.h"

#include <array>
#include <initializer_list>
#include <stdexcept>

namespace mss::signals {

namespace {

using E = Element;
using L = ListId;
using P = Position;
using T = Timer;

StepList steps(std::initializer_list<Step> list) {
    StepList s;
    for (const Step& step : list) s.add(step);
    return s;
}

// The three tables of complements share one list of steps.
StepList tableSection() {
    return steps({show(E::Frame1), hide(E::Frame3), hide(E::Frame2), hide(E::Frame4),
                  show(E::Label1),
                  hide(E::Combo2_0), hide(E::Combo2_1), hide(E::Combo2_2), hide(E::Combo1),
                  reset(L::Combo3), hide(E::Combo3),
                  show(E::Combo4), reset(L::Combo4),
                  disable(T::Timer1), disable(T::Timer2), disable(T::Timer3),
                  clear(P::Picture1), clear(P::Picture2), clear(P::Picture3),
                  hide(E::Picture5), show(E::Picture1)});
}

}  // namespace

const StepList& formLoadSteps() {
    static const StepList s = steps({hide(E::Combo1), hide(E::Combo2_0), hide(E::Combo2_1)});
    return s;
}

const StepList& sectionSteps(int option) {
    static const std::array<StepList, kSectionCount> sections{
        // Option1: single-letter signals
        steps({clear(P::Picture1), clear(P::Picture2), clear(P::Picture3),
               show(E::Frame1), hide(E::Frame2), hide(E::Frame3), hide(E::Frame4),
               show(E::Combo1), hide(E::Label1),
               reset(L::Combo1),
               hide(E::Combo2_0), hide(E::Combo2_1), hide(E::Combo2_2), hide(E::Combo3),
               hide(E::Picture5), show(E::Picture1),
               hide(E::Combo4),
               disable(T::Timer1), disable(T::Timer2), disable(T::Timer3)}),
        // Option2: general section
        steps({clear(P::Picture1), clear(P::Picture2), clear(P::Picture3),
               hide(E::Frame1), show(E::Frame2), hide(E::Frame4),
               hide(E::Combo1), hide(E::Label1),
               reset(L::Combo2_0), reset(L::Combo2_1), reset(L::Combo2_2),
               show(E::Combo2_0), hide(E::Combo2_1), hide(E::Combo2_2),
               hide(E::Combo3), hide(E::Frame3),
               hide(E::Picture5), show(E::Picture1),
               hide(E::Combo4),
               disable(T::Timer1), disable(T::Timer2), disable(T::Timer3)}),
        // Option3: medical section; Picture1 is hidden but keeps its flag
        steps({show(E::Picture5), hide(E::Picture1),
               hide(E::Frame1), show(E::Frame3), hide(E::Frame2), hide(E::Frame4),
               hide(E::Label1),
               clear(P::Picture2), clear(P::Picture3),
               hide(E::Combo2_0), hide(E::Combo2_1), hide(E::Combo2_2), hide(E::Combo1),
               reset(L::Combo3), show(E::Combo3),
               hide(E::Combo4),
               disable(T::Timer1), disable(T::Timer2), disable(T::Timer3)}),
        tableSection(),
        tableSection(),
        tableSection(),
    };
    if (option < 1 || option > kSectionCount) throw std::out_of_range("no such section");
    return sections[static_cast<std::size_t>(option - 1)];
}

}  // namespace mss::signals
