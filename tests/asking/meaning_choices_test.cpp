// SPDX-License-Identifier: GPL-3.0-or-later
// The meanings offered to choose from: the asked one once, wrong ones from
// its own group first, never one text twice, the right one at a random place
// that one seed always repeats.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "asking/meaning_choices.h"

namespace mss::asking {
namespace {

constexpr std::uint64_t kSeed = 19650101;

std::string seedNote(std::uint64_t seed) { return "seed " + std::to_string(seed); }

// A small list: each text with its group.
struct Row {
    std::string text;
    std::string group;
};

std::vector<ChoiceCandidate> candidatesOf(const std::vector<Row>& rows) {
    std::vector<ChoiceCandidate> candidates;
    for (const Row& row : rows) candidates.push_back({row.text, row.group});
    return candidates;
}

// `count` rows of a group with texts "<group> 0", "<group> 1" ...
std::vector<Row> group(const std::string& name, int count) {
    std::vector<Row> rows;
    for (int i = 0; i < count; ++i) rows.push_back({name + " " + std::to_string(i), name});
    return rows;
}

std::vector<Row> joined(std::initializer_list<std::vector<Row>> parts) {
    std::vector<Row> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(MeaningChoices, ReadAsIgnoresSpacesAtTheEndsAndRunsOfThem) {
    const struct {
        const char* text;
        const char* read;
    } cases[] = {
        {"Да", "Да"}, {" Да ", "Да"}, {"Я  должен\tоставить", "Я должен оставить"},
        {"   ", ""},  {"", ""},       {"В широте ...... долготе", "В широте ...... долготе"},
    };
    for (const auto& c : cases) EXPECT_EQ(readAs(c.text), c.read) << '"' << c.text << '"';
}

TEST(MeaningChoices, WrongMeaningsComeFromTheAskedGroupFirstAndNoTextTwice) {
    struct Case {
        const char* name;
        std::vector<Row> rows;
        std::size_t asked;
        std::size_t offered;         // how many meanings are offered
        std::size_t wrongFromGroup;  // how many of the wrong ones are of the asked group
    };
    const Case cases[] = {
        {"a large group gives all three", joined({group("A", 8), group("B", 20)}), 3, 4, 3},
        {"a group of two gives one, the rest from others", joined({group("B", 20), group("A", 2)}), 20, 4, 1},
        {"a group of one gives none", joined({group("A", 1), group("B", 5)}), 0, 4, 0},
        {"one group in all", group("", 25), 7, 4, 3},
        {"texts shared with the asked one are never offered",
         {{"Волнение 1", "X"},
          {"Волнение 1", "W"},
          {"Волнение 1 ", "X"},
          {"Волнение  1", "X"},
          {"Зыбь", "X"},
          {"Штиль", "Y"},
          {"Шторм", "Y"}},
         1,
         4,
         0},
        {"texts shared among others are offered once",
         {{"Да", "A"}, {"Нет", "A"}, {"Нет", "A"}, {" Нет", "A"}, {"Может быть", "A"}, {"Не знаю", "B"}},
         0,
         4,
         2},
        {"fewer different texts than four", {{"Да", "A"}, {"Нет", "A"}, {"Да", "B"}, {"Нет ", "B"}}, 0, 2, 1},
        {"a list of one", {{"Да", "A"}}, 0, 1, 0},
    };
    for (const Case& c : cases) {
        const std::vector<ChoiceCandidate> candidates = candidatesOf(c.rows);
        for (std::uint64_t seed = kSeed; seed < kSeed + 50; ++seed) {
            SCOPED_TRACE(std::string(c.name) + ", " + seedNote(seed));
            const MeaningChoices choices = chooseMeaningChoices(candidates, c.asked, seededRandomSource(seed));
            ASSERT_EQ(choices.offered.size(), c.offered);
            ASSERT_LT(choices.rightPlace, choices.offered.size());
            EXPECT_EQ(choices.offered[choices.rightPlace], c.asked);
            std::set<std::string> texts;
            std::size_t fromGroup = 0;
            for (std::size_t place = 0; place < choices.offered.size(); ++place) {
                const std::size_t i = choices.offered[place];
                ASSERT_LT(i, candidates.size());
                EXPECT_TRUE(texts.insert(readAs(candidates[i].text)).second)
                    << "\"" << candidates[i].text << "\" is offered twice";
                if (place != choices.rightPlace && candidates[i].group == candidates[c.asked].group) ++fromGroup;
            }
            EXPECT_EQ(fromGroup, c.wrongFromGroup);
        }
    }
}

TEST(MeaningChoices, OneSeedRepeatsTheChoiceAndSeedsVaryIt) {
    const std::vector<Row> rows = joined({group("A", 12), group("B", 12)});
    const std::vector<ChoiceCandidate> candidates = candidatesOf(rows);
    std::set<std::size_t> rightPlaces;
    std::set<std::size_t> wrongOffered;
    for (std::uint64_t seed = kSeed; seed < kSeed + 200; ++seed) {
        SCOPED_TRACE(seedNote(seed));
        const MeaningChoices first = chooseMeaningChoices(candidates, 5, seededRandomSource(seed));
        const MeaningChoices again = chooseMeaningChoices(candidates, 5, seededRandomSource(seed));
        EXPECT_EQ(first.offered, again.offered);
        EXPECT_EQ(first.rightPlace, again.rightPlace);
        rightPlaces.insert(first.rightPlace);
        for (std::size_t i : first.offered)
            if (i != 5) wrongOffered.insert(i);
    }
    EXPECT_EQ(rightPlaces, (std::set<std::size_t>{0, 1, 2, 3})) << "seeds " << kSeed << " .. " << kSeed + 199;
    // Every other signal of the group turns up as a wrong meaning some time,
    // and nothing of the other group does.
    EXPECT_EQ(wrongOffered.size(), 11u) << "seeds " << kSeed << " .. " << kSeed + 199;
    EXPECT_LT(*wrongOffered.rbegin(), 12u) << "seeds " << kSeed << " .. " << kSeed + 199;
}

TEST(MeaningChoices, NothingIsOfferedForASignalOutsideTheList) {
    const std::vector<Row> rows = group("A", 5);
    const std::vector<ChoiceCandidate> candidates = candidatesOf(rows);
    EXPECT_TRUE(chooseMeaningChoices(candidates, 5, seededRandomSource(kSeed)).offered.empty()) << seedNote(kSeed);
    EXPECT_TRUE(chooseMeaningChoices({}, 0, seededRandomSource(kSeed)).offered.empty()) << seedNote(kSeed);
    EXPECT_TRUE(chooseMeaningChoices(candidates, 0, seededRandomSource(kSeed), 0).offered.empty()) << seedNote(kSeed);
}

}  // namespace
}  // namespace mss::asking
