// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine.h"

#include "codebook/flag_catalogue.h"
#include "codebook/signal_directory.h"
#include "keyboards.h"
#include "sections.h"

namespace mss::engine {

namespace {

using codebook::SignalDirectory;

}  // namespace

Engine::Engine() {
    positions_.fill(kNoFlag);
    for (Element e : {Element::SingleLetterKeyboard, Element::SingleLetterList, Element::FirstFlagPosition})
        shown_[slotOf(e)] = true;
    timers_.fill(true);
}

void Engine::fillPosition(HoistPosition p, int flag) {
    auto& slot = positions_[slotOf(p)];
    if (flag < 0 || flag >= codebook::kFlagCount || slot == flag) return;
    slot = static_cast<std::int8_t>(flag);
    changes_.add(Changes::of(p));
}

void Engine::clearPosition(HoistPosition p) {
    auto& slot = positions_[slotOf(p)];
    if (slot == kNoFlag) return;
    slot = kNoFlag;
    changes_.add(Changes::of(p));
}

void Engine::resetSelection(CodeList list) {
    ListState& s = lists_[slotOf(list)];
    if (s.selection == kNoRow && s.field == EditField::Empty) return;
    s = {kNoRow, EditField::Empty};
    changes_.add(Changes::of(list));
}

void Engine::selectRow(CodeList list, int row) {
    if (row < 0 || row >= codebook::infoOf(list).rowCount) return;
    ListState& s = lists_[slotOf(list)];
    if (s.selection == row) return;
    s = {static_cast<std::int16_t>(row), EditField::Row};
    changes_.add(Changes::of(list));
}

void Engine::setShown(Element e, bool shown) {
    bool& slot = shown_[slotOf(e)];
    if (slot == shown) return;
    slot = shown;
    changes_.add(Changes::of(e));
}

void Engine::setTimerRunning(SlideTimer t, bool running) {
    bool& slot = timers_[slotOf(t)];
    if (slot == running) return;
    slot = running;
    changes_.add(Changes::of(t));
}

std::optional<Keyboard> Engine::keyboardOnView() const {
    std::optional<Keyboard> onView;
    for (Keyboard k : kKeyboards) {
        if (!isShown(elementOf(k))) continue;
        if (onView) return std::nullopt;
        onView = k;
    }
    return onView;
}

void Engine::load() { run(loadSteps()); }

void Engine::chooseSection(Section section) {
    if (section_ != section) {
        section_ = section;
        changes_.add(Changes::kSection);
    }
    run(sectionSteps(section));
}

void Engine::pressKey(KeyId key) { run(definitionOf(key).steps); }

void Engine::tick(SlideTimer t) {
    // One counter for all three timers: each tick shows the next letter flag.
    ++slideIndex_;
    if (slideIndex_ >= codebook::kLetterCount) slideIndex_ = 0;
    fillPosition(positionOf(t), slideIndex_);
}

void Engine::pickRow(CodeList list, int row) { selectRow(list, row); }

void Engine::run(const StepList& steps) {
    for (const Step& step : steps.view()) perform(step);
}

int Engine::letterAt(HoistPosition p) const {
    const int flag = flagAt(p);
    return codebook::isLetterFlag(flag) ? flag : kNoFlag;
}

void Engine::perform(const Step& step) {
    const SignalDirectory& directory = SignalDirectory::instance();
    switch (step.op) {
        case Op::Fill: fillPosition(static_cast<HoistPosition>(step.target), step.value); break;
        case Op::Clear: clearPosition(static_cast<HoistPosition>(step.target)); break;
        case Op::Reset: resetSelection(static_cast<CodeList>(step.target)); break;
        case Op::Select: selectRow(static_cast<CodeList>(step.target), step.value); break;
        case Op::Show: showElement(static_cast<Element>(step.target)); break;
        case Op::Hide: hideElement(static_cast<Element>(step.target)); break;
        case Op::StopTimer: setTimerRunning(static_cast<SlideTimer>(step.target), false); break;

        case Op::LookupSecondLetter: {
            const int first = letterAt(HoistPosition::First);
            if (first == kNoFlag) break;
            const auto found = directory.twoLetter(first, step.value);
            if (!found) break;
            // A letter whose signals fill two lists shows the one that holds the pair.
            const auto& lists = directory.generalListsOf(first);
            if (lists.size() > 1)
                for (CodeList list : lists) setShown(elementOf(list), list == found->list);
            selectRow(found->list, found->row);
            break;
        }
        case Op::HandOverIfMedical:
            if (isShown(Element::MedicalFlagM)) {
                showElement(elementOf(Keyboard::ThirdLetter));
                hideElement(elementOf(Keyboard::SecondLetter));
                showElement(elementOf(CodeList::Medical));
            }
            break;
        case Op::LookupComplement: {
            const int first = letterAt(HoistPosition::First);
            const int second = letterAt(HoistPosition::Second);
            if (first == kNoFlag || second == kNoFlag) break;
            const auto found = directory.complemented(first, second, codebook::digitOfFlag(step.value));
            if (!found) break;
            if (found->list == CodeList::GeneralJToQ) {
                hideElement(elementOf(CodeList::GeneralAToJ));
                showElement(elementOf(CodeList::GeneralJToQ));
            }
            selectRow(found->list, found->row);
            break;
        }
        case Op::LookupThirdLetter: {
            const int second = letterAt(HoistPosition::Second);
            if (second == kNoFlag) break;
            if (const auto row = directory.medical(second, step.value)) selectRow(CodeList::Medical, *row);
            break;
        }
        case Op::SelectTableRow: {
            // Only while a table of complements is chosen. A flag that is no
            // digit of the table (0 of table I, a letter) leaves the list
            // with nothing selected, so that the line never shows a row the
            // hoist does not fly.
            if (!section_ || !codebook::isComplementTable(*section_)) break;
            const auto row = codebook::isLetterFlag(step.value)
                                 ? std::nullopt
                                 : codebook::complementRow(*section_, codebook::digitOfFlag(step.value));
            if (row)
                selectRow(CodeList::Complements, *row);
            else
                resetSelection(CodeList::Complements);
            break;
        }
    }
}

}  // namespace mss::engine
