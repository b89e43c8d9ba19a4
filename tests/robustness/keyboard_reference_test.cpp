// Every hoist the keyboards can make, key by key, against a slow reading of
// the signal directory: the row the engine selects must be the row the
// directory names for the flags hoisted, in a list on view, and every signal
// of the directory must be reachable from the keys.

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "reference.h"
#include "signals/engine.h"
#include "signals/keyboards.h"

namespace {

using namespace mss::signals;
using mss::codebook::kFlagCount;
using mss::codebook::kLetterCount;
using mss::codebook::listInfo;
using mss::robustness::codeOf;
using mss::robustness::scanDirectory;

// Presses the key of `flag` on keyboard `frame`, as the window would: only
// while that keyboard is on view.
::testing::AssertionResult press(Engine& e, int frame, int flag) {
    for (const KeyDefinition* key : keysOfFrame(frame))
        if (key->role == KeyRole::Flag && key->flag == flag) {
            if (!e.KeyOnView(key->command))
                return ::testing::AssertionFailure() << "frame " << frame << " is not on view";
            e.Command_Click(key->command);
            return ::testing::AssertionSuccess();
        }
    return ::testing::AssertionFailure() << "frame " << frame << " has no key for flag " << flag;
}

// The codes of `lists` in the directory.
std::set<std::string> directoryCodes(std::initializer_list<ListId> lists) {
    std::set<std::string> codes;
    for (const auto& c : mss::codebook::SignalDirectory::instance().codes())
        for (ListId l : lists)
            if (c.target.list == l) codes.insert(c.code);
    return codes;
}

// Checks that the hoist `code` shows its row, or that `lists` show none when
// the code is no signal of them. Returns the code when it is one.
std::optional<std::string> expectShown(const Engine& e, const std::string& code, std::initializer_list<ListId> lists) {
    const auto target = scanDirectory(code);
    for (ListId l : lists) {
        const std::string name(listInfo(l).name);
        if (target && target->list == l) {
            EXPECT_EQ(e.selection(l), target->entry) << code << " in " << name;
            EXPECT_TRUE(e.IsShown(elementOfList(l))) << code << ": " << name << " is hidden";
        } else {
            EXPECT_EQ(e.selection(l), kNoEntry) << code << " in " << name;
        }
    }
    for (ListId l : lists)
        if (target && target->list == l) return code;
    return std::nullopt;
}

}  // namespace

TEST(KeyboardReference, SingleLetterKeyboardShowsEverySingleLetterSignal) {
    Engine e;
    e.Form_Load();
    e.Option_Click(1);
    std::set<std::string> reached;
    for (int flag = 0; flag < kFlagCount; ++flag) {
        ASSERT_TRUE(press(e, 1, flag));
        if (auto code = expectShown(e, codeOf({flag}), {ListId::Combo1})) reached.insert(*code);
    }
    EXPECT_EQ(reached, directoryCodes({ListId::Combo1}));
}

TEST(KeyboardReference, GeneralSectionShowsEveryPairAndComplement) {
    const auto lists = {ListId::Combo2_0, ListId::Combo2_1, ListId::Combo2_2};
    Engine e;
    e.Form_Load();
    std::set<std::string> reached;
    for (int first = 0; first < kLetterCount; ++first)
        for (int second = 0; second < kLetterCount; ++second) {
            e.Option_Click(2);
            ASSERT_TRUE(press(e, 2, first));
            ASSERT_TRUE(press(e, 3, second));
            if (auto code = expectShown(e, codeOf({first, second}), lists)) reached.insert(*code);
            // Each complement pennant in turn replaces the one before it.
            for (int digit = kLetterCount; digit < kFlagCount; ++digit) {
                ASSERT_TRUE(press(e, 3, digit));
                if (auto code = expectShown(e, codeOf({first, second, digit}), lists)) reached.insert(*code);
            }
        }
    EXPECT_EQ(reached, directoryCodes(lists));
}

TEST(KeyboardReference, MedicalSectionShowsEveryThreeLetterSignal) {
    Engine e;
    e.Form_Load();
    std::set<std::string> reached;
    for (int second = 0; second < kLetterCount; ++second)
        for (int third = 0; third < kFlagCount; ++third) {
            e.Option_Click(3);
            ASSERT_TRUE(press(e, 3, second));
            ASSERT_TRUE(press(e, 4, third));  // the third-flag keyboard has taken over
            const std::string code = codeOf({'M' - 'A', second, third});
            if (auto found = expectShown(e, code, {ListId::Combo3})) reached.insert(*found);
        }
    EXPECT_EQ(reached, directoryCodes({ListId::Combo3}));
}
