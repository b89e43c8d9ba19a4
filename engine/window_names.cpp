// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_names.h"

#include <array>
#include <stdexcept>

namespace mss::engine {

namespace {

// How each keyboard numbers its keys. The 36 flag keys in reading order take
// the command numbers of the runs in turn; `step` is +1 or -1.
struct NumberRun {
    int first;
    int count;
    int step;
};
struct KeyboardNumbering {
    std::array<NumberRun, 2> runs;
    int about;
    int exit;
};
constexpr std::array<KeyboardNumbering, kKeyboards.size()> kNumbering{{
    {{{{1, 36, 1}, {0, 0, 1}}}, 41, 42},
    {{{{37, 4, 1}, {43, 32, 1}}}, 75, 76},
    {{{{112, 36, -1}, {0, 0, 1}}}, 114, 113},
    {{{{117, 36, 1}, {0, 0, 1}}}, 115, 116},
}};

struct CommandTable {
    std::array<std::optional<KeyId>, kKeyCount + 1> keyOf{};
    std::array<std::array<int, kKeysPerKeyboard>, kKeyboards.size()> numberOf{};

    CommandTable() {
        for (Keyboard keyboard : kKeyboards) {
            const KeyboardNumbering& numbering = kNumbering[slotOf(keyboard)];
            const auto keys = keysOf(keyboard);
            std::size_t run = 0;
            int inRun = 0;
            for (std::size_t place = 0; place < keys.size(); ++place) {
                int number = 0;
                switch (keys[place].id.role) {
                    case KeyRole::About: number = numbering.about; break;
                    case KeyRole::Exit: number = numbering.exit; break;
                    case KeyRole::Flag: {
                        const NumberRun& r = numbering.runs.at(run);
                        number = r.first + r.step * inRun;
                        if (++inRun == r.count) { ++run; inRun = 0; }
                        break;
                    }
                }
                if (number < 1 || number > kCommandCount || keyOf[static_cast<std::size_t>(number)])
                    throw std::logic_error("keys numbered twice or out of range");
                keyOf[static_cast<std::size_t>(number)] = keys[place].id;
                numberOf[slotOf(keyboard)][place] = number;
            }
        }
    }
};

const CommandTable& commands() {
    static const CommandTable table;
    return table;
}

constexpr std::array<std::string_view, kKeyboards.size()> kKeyboardNames{"Frame1", "Frame2", "Frame3", "Frame4"};

}  // namespace

int commandNumber(KeyId key) {
    const auto keys = keysOf(key.keyboard);
    const auto place = static_cast<std::size_t>(&definitionOf(key) - keys.data());
    return commands().numberOf[slotOf(key.keyboard)][place];
}

std::optional<KeyId> keyOfCommand(int number) {
    if (number < 1 || number > kCommandCount) return std::nullopt;
    return commands().keyOf[static_cast<std::size_t>(number)];
}

std::optional<Section> sectionOfOption(int number) {
    if (number < 1 || number > static_cast<int>(codebook::kSectionCount)) return std::nullopt;
    return codebook::kSections[static_cast<std::size_t>(number - 1)].section;
}

std::optional<SlideTimer> timerOfNumber(int number) {
    if (number < 1 || number > static_cast<int>(kSlideTimers.size())) return std::nullopt;
    return kSlideTimers[static_cast<std::size_t>(number - 1)];
}

std::string_view nameOf(Element e) {
    for (Keyboard k : kKeyboards)
        if (elementOf(k) == e) return kKeyboardNames[slotOf(k)];
    // A list is named in the window as in the code-book file.
    for (const auto& info : codebook::kCodeLists)
        if (elementOf(info.list) == e) return info.fileName;
    switch (e) {
        case Element::FirstFlagPosition: return "Picture1";
        case Element::MedicalFlagM: return "Picture5";
        case Element::TablesNote: return "Label1";
        default: return {};
    }
}

std::string_view nameOf(HoistPosition p) {
    static constexpr std::array<std::string_view, kHoistPositions.size()> names{"Picture1", "Picture2", "Picture3"};
    return names[slotOf(p)];
}

std::string_view nameOf(Keyboard k) { return kKeyboardNames[slotOf(k)]; }

std::string_view nameOf(Section s) {
    static constexpr std::array<std::string_view, codebook::kSectionCount> names{"Option1", "Option2", "Option3",
                                                                                 "Option4", "Option5", "Option6"};
    static_assert(optionNumber(Section::TableIII) == static_cast<int>(names.size()));
    return names[slotOf(s)];
}

}  // namespace mss::engine
