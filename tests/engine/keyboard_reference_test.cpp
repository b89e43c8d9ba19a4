// SPDX-License-Identifier: GPL-3.0-or-later
// Every hoist the keyboards can make, key by key, against a slow reading of
// the signal directory: the row the engine selects must be the row the
// directory names for the flags hoisted, in a list on view, and every signal
// of the directory must be reachable from the keys.

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "reference.h"
#include "engine/engine.h"
#include "engine/keyboards.h"

namespace {

using namespace mss::engine;
using mss::codebook::kFlagCount;
using mss::codebook::kLetterCount;
using mss::robustness::codeOf;
using mss::robustness::scanDirectory;

// Presses the key of `flag` on `keyboard`, as the window would: only while
// that keyboard is on view.
::testing::AssertionResult press(Engine& e, Keyboard keyboard, int flag) {
    const KeyId key = KeyId::flagKey(keyboard, flag);
    if (!e.isOnView(key)) return ::testing::AssertionFailure() << "keyboard " << int(keyboard) << " is not on view";
    e.pressKey(key);
    return ::testing::AssertionSuccess();
}

// The codes of `lists` in the directory.
std::set<std::string> directoryCodes(std::initializer_list<CodeList> lists) {
    std::set<std::string> codes;
    for (const auto& c : mss::codebook::SignalDirectory::instance().codes())
        for (CodeList l : lists)
            if (c.target.list == l) codes.insert(c.code.text());
    return codes;
}

// Checks that the hoist `code` shows its row, or that `lists` show none when
// the code is no signal of them. Returns the code when it is one.
std::optional<std::string> expectShown(const Engine& e, const std::string& code, std::initializer_list<CodeList> lists) {
    const auto target = scanDirectory(code);
    for (CodeList l : lists) {
        const std::string name(mss::codebook::infoOf(l).fileName);
        if (target && target->list == l) {
            EXPECT_EQ(e.selection(l), target->row) << code << " in " << name;
            EXPECT_TRUE(e.isShown(elementOf(l))) << code << ": " << name << " is hidden";
        } else {
            EXPECT_EQ(e.selection(l), kNoRow) << code << " in " << name;
        }
    }
    for (CodeList l : lists)
        if (target && target->list == l) return code;
    return std::nullopt;
}

}  // namespace

TEST(KeyboardReference, SingleLetterKeyboardShowsEverySingleLetterSignal) {
    Engine e;
    e.load();
    e.chooseSection(Section::SingleLetter);
    std::set<std::string> reached;
    for (int flag = 0; flag < kFlagCount; ++flag) {
        ASSERT_TRUE(press(e, Keyboard::SingleLetter, flag));
        if (auto code = expectShown(e, codeOf({flag}), {CodeList::SingleLetter})) reached.insert(*code);
    }
    EXPECT_EQ(reached, directoryCodes({CodeList::SingleLetter}));
}

TEST(KeyboardReference, GeneralSectionShowsEveryPairAndComplement) {
    const auto lists = {CodeList::GeneralAToJ, CodeList::GeneralJToQ, CodeList::GeneralRToZ};
    Engine e;
    e.load();
    std::set<std::string> reached;
    for (int first = 0; first < kLetterCount; ++first)
        for (int second = 0; second < kLetterCount; ++second) {
            e.chooseSection(Section::General);
            ASSERT_TRUE(press(e, Keyboard::FirstFlag, first));
            ASSERT_TRUE(press(e, Keyboard::SecondLetter, second));
            if (auto code = expectShown(e, codeOf({first, second}), lists)) reached.insert(*code);
            // Each complement pennant in turn replaces the one before it.
            for (int digit = kLetterCount; digit < kFlagCount; ++digit) {
                ASSERT_TRUE(press(e, Keyboard::SecondLetter, digit));
                if (auto code = expectShown(e, codeOf({first, second, digit}), lists)) reached.insert(*code);
            }
        }
    EXPECT_EQ(reached, directoryCodes(lists));
}

TEST(KeyboardReference, MedicalSectionShowsEveryThreeLetterSignal) {
    Engine e;
    e.load();
    std::set<std::string> reached;
    for (int second = 0; second < kLetterCount; ++second)
        for (int third = 0; third < kFlagCount; ++third) {
            e.chooseSection(Section::Medical);
            ASSERT_TRUE(press(e, Keyboard::SecondLetter, second));
            ASSERT_TRUE(press(e, Keyboard::ThirdLetter, third));  // the third-letter keyboard has taken over
            const std::string code = codeOf({'M' - 'A', second, third});
            if (auto found = expectShown(e, code, {CodeList::Medical})) reached.insert(*found);
        }
    EXPECT_EQ(reached, directoryCodes({CodeList::Medical}));
}
