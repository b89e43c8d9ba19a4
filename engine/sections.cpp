// SPDX-License-Identifier: GPL-3.0-or-later
#include "sections.h"

#include <array>
#include <initializer_list>

namespace mss::engine {

namespace {

using E = Element;
using K = Keyboard;
using L = CodeList;
using P = HoistPosition;
using T = SlideTimer;

StepList steps(std::initializer_list<Step> list) {
    StepList s;
    for (const Step& step : list) s.add(step);
    return s;
}

// The three tables of complements share one list of steps. Their keyboard
// is the one whose digits are the complements: a digit hoists its pennant
// third and selects its row of the chosen table.
StepList tableSection() {
    return steps({show(K::ThirdLetter), hide(K::SecondLetter), hide(K::FirstFlag), hide(K::SingleLetter),
                  show(E::TablesNote),
                  hide(L::GeneralAToJ), hide(L::GeneralJToQ), hide(L::GeneralRToZ), hide(L::SingleLetter),
                  reset(L::Medical), hide(L::Medical),
                  show(L::Complements), reset(L::Complements),
                  stop(T::First), stop(T::Second), stop(T::Third),
                  clear(P::First), clear(P::Second), clear(P::Third),
                  hide(E::MedicalFlagM), show(E::FirstFlagPosition)});
}

}  // namespace

const StepList& loadSteps() {
    static const StepList s = steps({hide(L::SingleLetter), hide(L::GeneralAToJ), hide(L::GeneralJToQ)});
    return s;
}

const StepList& sectionSteps(Section section) {
    static const std::array<StepList, codebook::kSectionCount> sections{
        // single-letter signals
        steps({clear(P::First), clear(P::Second), clear(P::Third),
               show(K::SingleLetter), hide(K::FirstFlag), hide(K::SecondLetter), hide(K::ThirdLetter),
               show(L::SingleLetter), hide(E::TablesNote),
               reset(L::SingleLetter),
               hide(L::GeneralAToJ), hide(L::GeneralJToQ), hide(L::GeneralRToZ), hide(L::Medical),
               hide(E::MedicalFlagM), show(E::FirstFlagPosition),
               hide(L::Complements),
               stop(T::First), stop(T::Second), stop(T::Third)}),
        // general section
        steps({clear(P::First), clear(P::Second), clear(P::Third),
               hide(K::SingleLetter), show(K::FirstFlag), hide(K::ThirdLetter),
               hide(L::SingleLetter), hide(E::TablesNote),
               reset(L::GeneralAToJ), reset(L::GeneralJToQ), reset(L::GeneralRToZ),
               show(L::GeneralAToJ), hide(L::GeneralJToQ), hide(L::GeneralRToZ),
               hide(L::Medical), hide(K::SecondLetter),
               hide(E::MedicalFlagM), show(E::FirstFlagPosition),
               hide(L::Complements),
               stop(T::First), stop(T::Second), stop(T::Third)}),
        // medical section: the first position is hidden but keeps its flag
        steps({show(E::MedicalFlagM), hide(E::FirstFlagPosition),
               hide(K::SingleLetter), show(K::SecondLetter), hide(K::FirstFlag), hide(K::ThirdLetter),
               hide(E::TablesNote),
               clear(P::Second), clear(P::Third),
               hide(L::GeneralAToJ), hide(L::GeneralJToQ), hide(L::GeneralRToZ), hide(L::SingleLetter),
               reset(L::Medical), show(L::Medical),
               hide(L::Complements),
               stop(T::First), stop(T::Second), stop(T::Third)}),
        tableSection(),
        tableSection(),
        tableSection(),
    };
    return sections.at(codebook::slotOf(section));
}

}  // namespace mss::engine
