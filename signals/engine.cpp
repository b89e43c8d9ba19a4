#include "engine.h"

#include "codebook/flag_catalogue.h"
#include "codebook/signal_directory.h"
#include "keyboards.h"
#include "sections.h"

namespace mss::signals {

namespace {

using codebook::SignalDirectory;

constexpr int kOptionTableI = 4;

}  // namespace

Engine::Engine() {
    positions_.fill(kNoFlag);
    for (Element e : {Element::Frame1, Element::Combo1, Element::Picture1})
        shown_[static_cast<std::size_t>(index(e))] = true;
    timers_.fill(true);
}

void Engine::FillPosition(Position p, int flag) {
    auto& slot = positions_[static_cast<std::size_t>(index(p))];
    if (flag < 0 || flag >= codebook::kFlagCount || slot == flag) return;
    slot = static_cast<std::int8_t>(flag);
    changes_.bits |= Changes::positionBit(p);
}

void Engine::ClearPosition(Position p) {
    auto& slot = positions_[static_cast<std::size_t>(index(p))];
    if (slot == kNoFlag) return;
    slot = kNoFlag;
    changes_.bits |= Changes::positionBit(p);
}

bool Engine::PositionShows(Position p, int flag) const {
    return flag != kNoFlag && flagAt(p) == flag;
}

void Engine::ResetSelection(ListId list) {
    ListState& s = lists_[static_cast<std::size_t>(index(list))];
    if (s.selection == kNoEntry && s.field == EditField::Empty) return;
    s = {kNoEntry, EditField::Empty};
    changes_.bits |= Changes::listBit(list);
}

void Engine::SelectEntry(ListId list, int entry) {
    if (entry < 0 || entry >= codebook::listInfo(list).rowCount) return;
    ListState& s = lists_[static_cast<std::size_t>(index(list))];
    if (s.selection == entry) return;
    s = {static_cast<std::int16_t>(entry), EditField::Row};
    changes_.bits |= Changes::listBit(list);
}

void Engine::setShown(Element e, bool shown) {
    bool& slot = shown_[static_cast<std::size_t>(index(e))];
    if (slot == shown) return;
    slot = shown;
    changes_.bits |= Changes::visibilityBit(e);
}

void Engine::SetTimerEnabled(Timer t, bool enabled) {
    bool& slot = timers_[static_cast<std::size_t>(index(t))];
    if (slot == enabled) return;
    slot = enabled;
    changes_.bits |= Changes::timerBit(t);
}

void Engine::Form_Load() { run(formLoadSteps()); }

void Engine::Option_Click(int option) {
    if (option < 1 || option > kSectionCount) return;
    if (option_ != option) {
        option_ = static_cast<std::int8_t>(option);
        changes_.bits |= Changes::kOption;
    }
    run(sectionSteps(option));
}

void Engine::Command_Click(int command) {
    if (const KeyDefinition* key = keyDefinition(command)) run(key->steps);
}

void Engine::Timer_Timer(Timer t) {
    // One counter for all three timers: each tick shows the next letter flag.
    ++slideIndex_;
    if (slideIndex_ >= codebook::kLetterCount) slideIndex_ = 0;
    FillPosition(static_cast<Position>(index(t)), slideIndex_);
}

bool Engine::KeyOnView(int command) const {
    const KeyDefinition* key = keyDefinition(command);
    return key != nullptr && IsShown(frameElement(key->frame));
}

void Engine::run(const StepList& steps) {
    for (const Step& step : steps.view()) perform(step);
}

int Engine::letterAt(Position p) const {
    const int flag = flagAt(p);
    return codebook::isLetterFlag(flag) ? flag : kNoFlag;
}

void Engine::perform(const Step& step) {
    const SignalDirectory& directory = SignalDirectory::instance();
    switch (step.op) {
        case Op::Fill: FillPosition(static_cast<Position>(step.target), step.value); break;
        case Op::Clear: ClearPosition(static_cast<Position>(step.target)); break;
        case Op::Reset: ResetSelection(static_cast<ListId>(step.target)); break;
        case Op::Select: SelectEntry(static_cast<ListId>(step.target), step.value); break;
        case Op::Show: ShowElement(static_cast<Element>(step.target)); break;
        case Op::Hide: HideElement(static_cast<Element>(step.target)); break;
        case Op::DisableTimer: SetTimerEnabled(static_cast<Timer>(step.target), false); break;

        case Op::LookupSecondLetter: {
            const int first = letterAt(Position::Picture1);
            if (first == kNoFlag) break;
            const auto found = directory.twoLetter(first, step.value);
            if (!found) break;
            if (first == 'J' - 'A') {  // the J signals are split between two lists
                const bool firstPart = found->list == ListId::Combo2_0;
                setShown(Element::Combo2_0, firstPart);
                setShown(Element::Combo2_1, !firstPart);
            }
            SelectEntry(found->list, found->entry);
            break;
        }
        case Op::HandOverIfMedical:
            if (IsShown(Element::Picture5)) {
                ShowElement(Element::Frame4);
                HideElement(Element::Frame3);
                ShowElement(Element::Combo3);
            }
            break;
        case Op::LookupComplement: {
            const int first = letterAt(Position::Picture1);
            const int second = letterAt(Position::Picture2);
            if (first == kNoFlag || second == kNoFlag) break;
            const auto found = directory.complemented(first, second, codebook::digitOfFlag(step.value));
            if (!found) break;
            if (found->list == ListId::Combo2_1) {
                HideElement(Element::Combo2_0);
                ShowElement(Element::Combo2_1);
            }
            SelectEntry(found->list, found->entry);
            break;
        }
        case Op::LookupThirdLetter: {
            const int second = letterAt(Position::Picture2);
            if (second == kNoFlag) break;
            if (const auto entry = directory.medical(second, step.value))
                SelectEntry(ListId::Combo3, *entry);
            break;
        }
        case Op::SelectTableDigit: {
            // Only while a table of complements is chosen; digit d of table I
            // is row d - 1 (no row for 0), of table II row 9 + d, of III 19 + d.
            if (option_ < kOptionTableI) break;
            const int digit = codebook::digitOfFlag(step.value);
            if (option_ == kOptionTableI) {
                if (digit == 0)
                    ResetSelection(ListId::Combo4);
                else
                    SelectEntry(ListId::Combo4, digit - 1);
            } else {
                SelectEntry(ListId::Combo4, (option_ == kOptionTableI + 1 ? 9 : 19) + digit);
            }
            break;
        }
    }
}

}  // namespace mss::signals
