#include <gtest/gtest.h>

#include "signals/engine.h"

using namespace mss::signals;

TEST(EngineOperations, PositionShowsOnlyTheFlagItHolds) {
    Engine e;
    for (int k = 0; k < 36; ++k) EXPECT_FALSE(e.PositionShows(Position::Picture1, k));
    e.FillPosition(Position::Picture1, 4);
    for (int k = 0; k < 36; ++k) EXPECT_EQ(e.PositionShows(Position::Picture1, k), k == 4) << k;
    // A slide-show tick puts the catalogue flag there just as a key does.
    e.Timer_Timer(Timer::Timer2);
    EXPECT_TRUE(e.PositionShows(Position::Picture2, 1));
    e.ClearPosition(Position::Picture1);
    EXPECT_EQ(e.flagAt(Position::Picture1), kNoFlag);
    EXPECT_FALSE(e.PositionShows(Position::Picture1, kNoFlag));
}

TEST(EngineOperations, EditFieldGoesFromHeadingToRowOrEmptyAndNeverBack) {
    Engine e;
    EXPECT_EQ(e.editField(ListId::Combo3), EditField::Heading);
    e.ResetSelection(ListId::Combo3);
    EXPECT_EQ(e.editField(ListId::Combo3), EditField::Empty);
    EXPECT_EQ(e.selection(ListId::Combo3), kNoEntry);
    e.SelectEntry(ListId::Combo3, 441);
    EXPECT_EQ(e.editField(ListId::Combo3), EditField::Row);
    EXPECT_EQ(e.selection(ListId::Combo3), 441);
    e.ResetSelection(ListId::Combo3);
    EXPECT_EQ(e.editField(ListId::Combo3), EditField::Empty);
}

TEST(EngineOperations, SelectionsStayWithinTheirLists) {
    Engine e;
    e.SelectEntry(ListId::Combo2_0, 489);
    EXPECT_EQ(e.selection(ListId::Combo2_0), 489);
    e.SelectEntry(ListId::Combo2_0, 490);
    e.SelectEntry(ListId::Combo1, -1);
    e.SelectEntry(ListId::Combo4, 29);
    EXPECT_EQ(e.selection(ListId::Combo2_0), 489);
    EXPECT_EQ(e.editField(ListId::Combo1), EditField::Heading);
    EXPECT_EQ(e.editField(ListId::Combo4), EditField::Heading);
}

TEST(EngineOperations, AHiddenListKeepsAndChangesItsSelection) {
    Engine e;
    e.HideElement(Element::Combo1);
    e.SelectEntry(ListId::Combo1, 7);
    EXPECT_FALSE(e.IsShown(Element::Combo1));
    e.ShowElement(Element::Combo1);
    EXPECT_EQ(e.selection(ListId::Combo1), 7);
}

TEST(EngineOperations, ChangesNameExactlyWhatAnEventChanged) {
    Engine e;
    e.Form_Load();
    const Changes load = e.takeChanges();
    EXPECT_TRUE(load.has(Changes::visibilityBit(Element::Combo1)));
    EXPECT_TRUE(load.has(Changes::visibilityBit(Element::Combo2_0)) == false);  // hidden already

    e.Timer_Timer(Timer::Timer3);
    EXPECT_EQ(e.takeChanges().bits, Changes::positionBit(Position::Picture3));

    // Repeating what is already so changes nothing.
    e.Command_Click(13);  // E on the single-letter keyboard
    e.takeChanges();
    e.Command_Click(13);
    EXPECT_FALSE(e.takeChanges().any());
    e.HideElement(Element::Frame4);
    e.SetTimerEnabled(Timer::Timer1, true);
    EXPECT_FALSE(e.takeChanges().any());

    e.Option_Click(1);
    const Changes section = e.takeChanges();
    EXPECT_TRUE(section.has(Changes::kOption));
    EXPECT_TRUE(section.has(Changes::listBit(ListId::Combo1)));
    EXPECT_TRUE(section.has(Changes::timerBit(Timer::Timer2)));
    EXPECT_FALSE(section.has(Changes::listBit(ListId::Combo3)));
}

TEST(EngineOperations, SlideIndexWrapsFromZToA) {
    Engine e;
    for (int i = 0; i < 25; ++i) e.Timer_Timer(Timer::Timer1);
    EXPECT_EQ(e.slideIndex(), 25);
    EXPECT_EQ(e.flagAt(Position::Picture1), 25);
    e.Timer_Timer(Timer::Timer2);
    EXPECT_EQ(e.slideIndex(), 0);
    EXPECT_EQ(e.flagAt(Position::Picture2), 0);
    // Only letters take part, however long it runs.
    for (int i = 0; i < 1000; ++i) {
        e.Timer_Timer(static_cast<Timer>(i % 3));
        EXPECT_LT(e.flagAt(static_cast<Position>(i % 3)), 26);
    }
}
