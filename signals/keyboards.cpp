#include "keyboards.h"

#include <stdexcept>
#include <string>

#include "codebook/flag_catalogue.h"
#include "codebook/signal_directory.h"

namespace mss::signals {

namespace {

using codebook::flagEntry;
using codebook::flagIndexOfSymbol;
using codebook::isLetterFlag;

// The typewriter rows every keyboard shares, with the place of each row.
struct KeyRow {
    std::string_view symbols;
    int top;
    int firstLeft;
    int pitch;
};
constexpr std::array<KeyRow, 4> kRows{{
    {"1234567890", 840, 1320, 760},
    {"QWERTYUIOP", 1320, 1320, 760},
    {"ASDFGHJKL", 1800, 1800, 735},
    {"ZXCVBNM", 2280, 2280, 820},
}};
constexpr int kFlagKeyWidth = 495;
constexpr int kKeyHeight = 375;
constexpr int kWideKeyWidth = 1215;
constexpr int kBottomRowTop = 2880;
constexpr int kExitLeft = 5280;

// How each frame numbers its keys. The 36 flag keys in reading order take the
// command numbers of the runs in turn; `step` is +1 or -1.
struct NumberRun {
    int first;
    int count;
    int step;
};
struct FrameNumbering {
    std::array<NumberRun, 2> runs;
    int about;
    int exit;
    int aboutLeft;
    std::string_view exitQuestion;
    // Tab indexes: of the frame's first flag key in reading order, the
    // direction in which they run, and of its About and Exit keys.
    int firstKeyTab;
    int keyTabStep;
    int aboutTab;
    int exitTab;
};
constexpr std::array<FrameNumbering, 4> kFrames{{
    {{{{1, 36, 1}, {0, 0, 1}}}, 41, 42, 3600, "Гром и молния! Выходим в море?", 38, -1, 40, 39},
    {{{{37, 4, 1}, {43, 32, 1}}}, 75, 76, 3600, "Три тысячи чертей! Уходим в море?!", 48, 1, 46, 47},
    {{{{112, 36, -1}, {0, 0, 1}}}, 114, 113, 3600, "Три тысячи чертей! Уходим в море?!", 124, -1, 126, 125},
    {{{{117, 36, 1}, {0, 0, 1}}}, 115, 116, 3480, "Три тысячи чертей! Отдать швартовы?!", 130, 1, 208, 207},
}};

// What a flag key of each frame does, in the order the steps are performed.
StepList flagKeySteps(int frame, int flag) {
    StepList s;
    const char symbol = codebook::symbolOfFlag(flag);
    switch (frame) {
        case 1: {  // single-letter keyboard
            s.add(fill(Position::Picture1, flag));
            const auto entry = isLetterFlag(flag)
                                   ? codebook::SignalDirectory::instance().singleLetter(flag)
                                   : std::nullopt;
            s.add(entry ? select(ListId::Combo1, entry->entry) : reset(ListId::Combo1));
            break;
        }
        case 2:  // first flag of a general-section signal
            s.add(fill(Position::Picture1, flag));
            if (!isLetterFlag(flag)) {
                s.add(hide(Element::Frame1));
                s.add(show(Element::Frame2));
                s.add(hide(Element::Frame3));
                break;
            }
            {
                const Element own = symbol <= 'J'   ? Element::Combo2_0
                                    : symbol <= 'Q' ? Element::Combo2_1
                                                    : Element::Combo2_2;
                for (Element list : {Element::Combo2_0, Element::Combo2_1, Element::Combo2_2})
                    s.add(list == own ? show(list) : hide(list));
                s.add(hide(Element::Combo1));
            }
            s.add(hide(Element::Frame1));
            s.add(hide(Element::Frame2));
            s.add(show(Element::Frame3));
            break;
        case 3:  // second letter, or complement digit
            if (isLetterFlag(flag)) {
                s.add(fill(Position::Picture2, flag));
                if (symbol == 'R' || symbol == 'S') s.add(reset(ListId::Combo2_0));
                s.add(clear(Position::Picture3));
                s.add(lookup(Op::LookupSecondLetter, flag));
                s.add(lookup(Op::HandOverIfMedical, flag));
            } else {
                s.add(fill(Position::Picture3, flag));
                s.add(reset(ListId::Combo2_0));
                s.add(reset(ListId::Combo2_1));
                s.add(reset(ListId::Combo2_2));
                s.add(lookup(Op::LookupComplement, flag));
            }
            break;
        case 4:  // third letter of a medical signal, or complement digit
            s.add(fill(Position::Picture3, flag));
            s.add(reset(ListId::Combo3));
            s.add(lookup(isLetterFlag(flag) ? Op::LookupThirdLetter : Op::SelectTableDigit, flag));
            break;
        default:
            throw std::logic_error("no such keyboard frame");
    }
    return s;
}

struct KeyTables {
    std::array<KeyDefinition, kLastCommand + 1> byCommand{};
    std::array<std::array<const KeyDefinition*, 38>, 4> byFrame{};

    KeyTables() {
        for (int frame = 1; frame <= 4; ++frame) {
            const FrameNumbering& numbering = kFrames[static_cast<std::size_t>(frame - 1)];
            int run = 0;
            int inRun = 0;
            int position = 0;  // reading order 0..35
            for (const KeyRow& row : kRows) {
                for (std::size_t i = 0; i < row.symbols.size(); ++i, ++position) {
                    const NumberRun& r = numbering.runs[static_cast<std::size_t>(run)];
                    const int command = r.first + r.step * inRun;
                    if (++inRun == r.count) { ++run; inRun = 0; }
                    const int flag = *flagIndexOfSymbol(row.symbols[i]);
                    KeyDefinition& key = byCommand[static_cast<std::size_t>(command)];
                    if (key.command != 0) throw std::logic_error("key numbered twice");
                    key.command = command;
                    key.frame = frame;
                    key.role = KeyRole::Flag;
                    key.flag = flag;
                    key.caption = flagEntry(flag).keyCaption;
                    key.left = row.firstLeft + row.pitch * static_cast<int>(i);
                    key.top = row.top;
                    key.width = kFlagKeyWidth;
                    key.height = kKeyHeight;
                    key.tabOrder = numbering.firstKeyTab + numbering.keyTabStep * position;
                    key.steps = flagKeySteps(frame, flag);
                    byFrame[static_cast<std::size_t>(frame - 1)][static_cast<std::size_t>(position)] = &key;
                }
            }
            auto wide = [&](int command, KeyRole role, std::string_view caption, int left, int tab, int slot) {
                KeyDefinition& key = byCommand[static_cast<std::size_t>(command)];
                key = KeyDefinition{command, frame, role, -1, caption, left, kBottomRowTop,
                                    kWideKeyWidth, kKeyHeight, tab, {}};
                byFrame[static_cast<std::size_t>(frame - 1)][static_cast<std::size_t>(slot)] = &key;
            };
            wide(numbering.about, KeyRole::About, "О программе", numbering.aboutLeft, numbering.aboutTab, 36);
            wide(numbering.exit, KeyRole::Exit, "Выход", kExitLeft, numbering.exitTab, 37);
        }
        for (int c = kFirstCommand; c <= kLastCommand; ++c)
            if (byCommand[static_cast<std::size_t>(c)].command != c)
                throw std::logic_error("command " + std::to_string(c) + " is no key");
    }
};

const KeyTables& tables() {
    static const KeyTables t;
    return t;
}

}  // namespace

const KeyDefinition* keyDefinition(int command) {
    if (command < kFirstCommand || command > kLastCommand) return nullptr;
    return &tables().byCommand[static_cast<std::size_t>(command)];
}

std::span<const KeyDefinition* const> keysOfFrame(int frame) {
    if (frame < 1 || frame > 4) return {};
    return tables().byFrame[static_cast<std::size_t>(frame - 1)];
}

std::string_view exitQuestion(int frame) {
    if (frame < 1 || frame > 4) return {};
    return kFrames[static_cast<std::size_t>(frame - 1)].exitQuestion;
}

}  // namespace mss::signals
