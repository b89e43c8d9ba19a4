// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole state of the main window that matters to a signal: the three
// hoist positions, each list's selection and what its line shows, what is on
// view, the slide-show timers and the chosen section. Every event is a fixed
// list of the operations below.

#include <array>
#include <cstdint>
#include <optional>

#include "keys.h"
#include "parts.h"
#include "steps.h"

namespace mss::engine {

// What a list's line shows: its heading (nothing chosen or reset since the
// window opened), nothing (after a reset), or its selected row.
enum class EditField : std::uint8_t { Heading, Empty, Row };

inline constexpr int kNoFlag = -1;
inline constexpr int kNoRow = -1;

// Which parts of the state an event changed, so the window redraws only those.
class Changes {
    static constexpr int kFirstListBit = static_cast<int>(kHoistPositions.size());
    static constexpr int kFirstElementBit = kFirstListBit + static_cast<int>(codebook::kCodeListCount);
    static constexpr int kFirstTimerBit = kFirstElementBit + static_cast<int>(kElementCount);
    static constexpr int kSectionBit = kFirstTimerBit + static_cast<int>(kSlideTimers.size());
    static constexpr int kBitCount = kSectionBit + 1;
    static_assert(kBitCount <= 64, "every change needs a bit of its own");

public:
    using Bits = std::uint64_t;

    static constexpr Bits of(HoistPosition p) { return Bits{1} << slotOf(p); }
    static constexpr Bits of(CodeList l) { return Bits{1} << (kFirstListBit + static_cast<int>(slotOf(l))); }
    static constexpr Bits of(Element e) { return Bits{1} << (kFirstElementBit + static_cast<int>(slotOf(e))); }
    static constexpr Bits of(SlideTimer t) { return Bits{1} << (kFirstTimerBit + static_cast<int>(slotOf(t))); }
    static constexpr Bits kSection = Bits{1} << kSectionBit;
    static constexpr Bits kAll = kBitCount == 64 ? ~Bits{0} : (Bits{1} << kBitCount) - 1;

    constexpr Changes() = default;
    constexpr explicit Changes(Bits bits) : bits_(bits) {}

    constexpr bool has(Bits bit) const { return (bits_ & bit) != 0; }
    constexpr bool any() const { return bits_ != 0; }
    constexpr Bits bits() const { return bits_; }
    constexpr void add(Bits bit) { bits_ |= bit; }

private:
    Bits bits_ = 0;
};

class Engine {
public:
    Engine();  // the state the window is created with

    // --- Events ---------------------------------------------------------
    void load();                       // the window's start-up
    void chooseSection(Section section);
    void pressKey(KeyId key);          // a flag key; About and Exit change nothing here
    void tick(SlideTimer timer);       // a slide-show tick
    void pickRow(CodeList list, int row);  // the learner reads a row of a list

    // Whether the window could deliver the event at all: a key only while its
    // keyboard is on view, a tick only while its timer runs.
    bool isOnView(KeyId key) const { return isShown(elementOf(key.keyboard)); }
    bool isRunning(SlideTimer t) const { return timers_[slotOf(t)]; }
    // The keyboard on view; every event leaves exactly one on view.
    std::optional<Keyboard> keyboardOnView() const;

    // --- Reading the state ----------------------------------------------
    int flagAt(HoistPosition p) const { return positions_[slotOf(p)]; }
    int selection(CodeList list) const { return lists_[slotOf(list)].selection; }
    EditField editField(CodeList list) const { return lists_[slotOf(list)].field; }
    bool isShown(Element e) const { return shown_[slotOf(e)]; }
    std::optional<Section> chosenSection() const { return section_; }
    int slideIndex() const { return slideIndex_; }

    // What changed since the last call.
    Changes takeChanges() {
        const Changes c = changes_;
        changes_ = {};
        return c;
    }

    // --- The operations every event is made of ---------------------------
    // Each records what it changed; repeating what is already so changes
    // nothing. Out-of-range arguments are ignored.
    void fillPosition(HoistPosition p, int flag);
    void clearPosition(HoistPosition p);
    bool positionShows(HoistPosition p, int flag) const { return flag != kNoFlag && flagAt(p) == flag; }
    void resetSelection(CodeList list);
    void selectRow(CodeList list, int row);
    void showElement(Element e) { setShown(e, true); }
    void hideElement(Element e) { setShown(e, false); }
    void setTimerRunning(SlideTimer t, bool running);

private:
    struct ListState {
        std::int16_t selection = kNoRow;
        EditField field = EditField::Heading;
    };

    void run(const StepList& steps);
    void perform(const Step& step);
    void setShown(Element e, bool shown);
    int letterAt(HoistPosition p) const;

    std::array<std::int8_t, kHoistPositions.size()> positions_{};
    std::array<ListState, codebook::kCodeListCount> lists_{};
    std::array<bool, kElementCount> shown_{};
    std::array<bool, kSlideTimers.size()> timers_{};
    std::optional<Section> section_;
    std::int16_t slideIndex_ = 0;
    Changes changes_{};
};

}  // namespace mss::engine
