// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/keyboards.h"

using namespace mss::engine;
using P = HoistPosition;

TEST(EngineOperations, PositionShowsOnlyTheFlagItHolds) {
    Engine e;
    for (int k = 0; k < 36; ++k) EXPECT_FALSE(e.positionShows(P::First, k));
    e.fillPosition(P::First, 4);
    for (int k = 0; k < 36; ++k) EXPECT_EQ(e.positionShows(P::First, k), k == 4) << k;
    // A slide-show tick puts the catalogue flag there just as a key does.
    e.tick(SlideTimer::Second);
    EXPECT_TRUE(e.positionShows(P::Second, 1));
    e.clearPosition(P::First);
    EXPECT_EQ(e.flagAt(P::First), kNoFlag);
    EXPECT_FALSE(e.positionShows(P::First, kNoFlag));
}

TEST(EngineOperations, EditFieldGoesFromHeadingToRowOrEmptyAndNeverBack) {
    Engine e;
    EXPECT_EQ(e.editField(CodeList::Medical), EditField::Heading);
    e.resetSelection(CodeList::Medical);
    EXPECT_EQ(e.editField(CodeList::Medical), EditField::Empty);
    EXPECT_EQ(e.selection(CodeList::Medical), kNoRow);
    e.selectRow(CodeList::Medical, 441);
    EXPECT_EQ(e.editField(CodeList::Medical), EditField::Row);
    EXPECT_EQ(e.selection(CodeList::Medical), 441);
    e.resetSelection(CodeList::Medical);
    EXPECT_EQ(e.editField(CodeList::Medical), EditField::Empty);
}

TEST(EngineOperations, SelectionsStayWithinTheirLists) {
    Engine e;
    e.selectRow(CodeList::GeneralAToJ, 489);
    EXPECT_EQ(e.selection(CodeList::GeneralAToJ), 489);
    e.selectRow(CodeList::GeneralAToJ, 490);
    e.selectRow(CodeList::SingleLetter, -1);
    e.pickRow(CodeList::Complements, 29);
    EXPECT_EQ(e.selection(CodeList::GeneralAToJ), 489);
    EXPECT_EQ(e.editField(CodeList::SingleLetter), EditField::Heading);
    EXPECT_EQ(e.editField(CodeList::Complements), EditField::Heading);
}

TEST(EngineOperations, AHiddenListKeepsAndChangesItsSelection) {
    Engine e;
    e.hideElement(elementOf(CodeList::SingleLetter));
    e.selectRow(CodeList::SingleLetter, 7);
    EXPECT_FALSE(e.isShown(elementOf(CodeList::SingleLetter)));
    e.showElement(elementOf(CodeList::SingleLetter));
    EXPECT_EQ(e.selection(CodeList::SingleLetter), 7);
}

TEST(EngineOperations, ChangesNameExactlyWhatAnEventChanged) {
    Engine e;
    e.load();
    const Changes load = e.takeChanges();
    EXPECT_TRUE(load.has(Changes::of(Element::SingleLetterList)));
    EXPECT_FALSE(load.has(Changes::of(Element::GeneralAToJList)));  // hidden already

    e.tick(SlideTimer::Third);
    EXPECT_EQ(e.takeChanges().bits(), Changes::of(P::Third));

    // Repeating what is already so changes nothing.
    const KeyId e_key = KeyId::flagKey(Keyboard::SingleLetter, 4);
    e.pressKey(e_key);
    e.takeChanges();
    e.pressKey(e_key);
    EXPECT_FALSE(e.takeChanges().any());
    e.hideElement(Element::ThirdLetterKeyboard);
    e.setTimerRunning(SlideTimer::First, true);
    EXPECT_FALSE(e.takeChanges().any());
    // About and Exit belong to the window.
    e.pressKey(KeyId::about(Keyboard::SingleLetter));
    e.pressKey(KeyId::exit(Keyboard::SingleLetter));
    EXPECT_FALSE(e.takeChanges().any());

    e.chooseSection(Section::SingleLetter);
    const Changes section = e.takeChanges();
    EXPECT_TRUE(section.has(Changes::kSection));
    EXPECT_TRUE(section.has(Changes::of(CodeList::SingleLetter)));
    EXPECT_TRUE(section.has(Changes::of(SlideTimer::Second)));
    EXPECT_FALSE(section.has(Changes::of(CodeList::Medical)));
    // Every kind of change has a bit of its own.
    EXPECT_NE(Changes::of(CodeList::SingleLetter), Changes::of(P::First));
    EXPECT_NE(Changes::of(Element::TablesNote), Changes::of(SlideTimer::First));
    EXPECT_EQ(Changes::kAll & Changes::kSection, Changes::kSection);
}

TEST(EngineOperations, SlideIndexWrapsFromZToA) {
    Engine e;
    for (int i = 0; i < 25; ++i) e.tick(SlideTimer::First);
    EXPECT_EQ(e.slideIndex(), 25);
    EXPECT_EQ(e.flagAt(P::First), 25);
    e.tick(SlideTimer::Second);
    EXPECT_EQ(e.slideIndex(), 0);
    EXPECT_EQ(e.flagAt(P::Second), 0);
    // Only letters take part, however long it runs.
    for (int i = 0; i < 1000; ++i) {
        const auto t = kSlideTimers[static_cast<std::size_t>(i % 3)];
        e.tick(t);
        EXPECT_LT(e.flagAt(positionOf(t)), 26);
    }
}

TEST(EngineOperations, ExactlyOneKeyboardIsOnViewAndOnlyItsKeysAreDeliverable) {
    Engine e;
    e.load();
    EXPECT_EQ(e.keyboardOnView(), Keyboard::SingleLetter);
    e.chooseSection(Section::General);
    EXPECT_EQ(e.keyboardOnView(), Keyboard::FirstFlag);
    EXPECT_TRUE(e.isOnView(KeyId::flagKey(Keyboard::FirstFlag, 0)));
    EXPECT_FALSE(e.isOnView(KeyId::flagKey(Keyboard::SecondLetter, 0)));
    e.pressKey(*flagKey(Keyboard::FirstFlag, 'A'));
    EXPECT_EQ(e.keyboardOnView(), Keyboard::SecondLetter);
    EXPECT_EQ(e.chosenSection(), Section::General);
}
