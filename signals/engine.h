#pragma once
// The whole state of the main window that matters to a signal: the three
// hoist positions, each list's selection and edit field, what is shown, the
// slide-show timers and the chosen section. Every key, section button and
// timer tick is a fixed list of the operations below.

#include <array>
#include <cstdint>

#include "elements.h"
#include "steps.h"

namespace mss::signals {

// What a list's edit field shows: its heading (never selected or reset since
// the window opened), nothing (after a reset), or its selected row.
enum class EditField : std::uint8_t { Heading, Empty, Row };

inline constexpr int kNoFlag = -1;
inline constexpr int kNoEntry = -1;

// Which parts of the state an event changed, so the window redraws only those.
struct Changes {
    std::uint32_t bits = 0;

    static constexpr std::uint32_t positionBit(Position p) { return 1u << index(p); }
    static constexpr std::uint32_t listBit(ListId l) { return 1u << (3 + index(l)); }
    static constexpr std::uint32_t visibilityBit(Element e) { return 1u << (9 + index(e)); }
    static constexpr std::uint32_t timerBit(Timer t) { return 1u << (22 + index(t)); }
    static constexpr std::uint32_t kOption = 1u << 25;

    bool has(std::uint32_t bit) const { return (bits & bit) != 0; }
    bool any() const { return bits != 0; }
};

class Engine {
public:
    Engine();  // the design-time state of the window

    // --- Operations -----------------------------------------------------
    void FillPosition(Position p, int flag);
    void ClearPosition(Position p);
    bool PositionShows(Position p, int flag) const;
    void ResetSelection(ListId list);
    void SelectEntry(ListId list, int entry);
    void ShowElement(Element e) { setShown(e, true); }
    void HideElement(Element e) { setShown(e, false); }
    bool IsShown(Element e) const { return shown_[static_cast<std::size_t>(index(e))]; }
    void SetTimerEnabled(Timer t, bool enabled);

    // --- Events ---------------------------------------------------------
    void Form_Load();
    void Option_Click(int option);    // OptionN_Click, n = 1..6
    void Command_Click(int command);  // CommandN_Click, n = 1..152
    void Timer_Timer(Timer t);        // TimerN_Timer

    // Whether the window could deliver the event at all: a key only while its
    // frame is on view, a tick only while its timer runs.
    bool KeyOnView(int command) const;
    bool TimerEnabled(Timer t) const { return timers_[static_cast<std::size_t>(index(t))]; }

    // --- Reading the state ----------------------------------------------
    int flagAt(Position p) const { return positions_[static_cast<std::size_t>(index(p))]; }
    int selection(ListId list) const { return lists_[static_cast<std::size_t>(index(list))].selection; }
    EditField editField(ListId list) const { return lists_[static_cast<std::size_t>(index(list))].field; }
    int selectedOption() const { return option_; }  // 0 while none is chosen
    std::int16_t slideIndex() const { return slideIndex_; }

    // What changed since the last call.
    Changes takeChanges() {
        Changes c = changes_;
        changes_ = {};
        return c;
    }

private:
    struct ListState {
        std::int16_t selection = kNoEntry;
        EditField field = EditField::Heading;
    };

    void run(const StepList& steps);
    void perform(const Step& step);
    void setShown(Element e, bool shown);
    int letterAt(Position p) const;

    std::array<std::int8_t, kPositionCount> positions_;
    std::array<ListState, 6> lists_{};
    std::array<bool, kElementCount> shown_{};
    std::array<bool, kTimerCount> timers_{};
    std::int8_t option_ = 0;
    std::int16_t slideIndex_ = 0;
    Changes changes_{};
};

}  // namespace mss::signals
