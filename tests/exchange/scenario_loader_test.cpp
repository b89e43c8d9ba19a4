// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario file: what a good one gives, and every kind of bad one
// refused with its line and a reason in Russian.

#include <gtest/gtest.h>

#include <string>

#include "exchange/scenario_loader.h"

namespace mss::exchange {
namespace {

constexpr std::string_view kGood = R"(# two scenarios
exchange POSITION
title Место
situation Судно B просит сообщить место.
ships UBKR UHTN

signal B
task Попросите суда сообщить место.
message FB
signal A UHTN
task Сообщите место.
message EV / L6330N / G02115E / C045 S12
message EV / L6330N / G2115E / C045 S12

exchange GARBLED
title Не понял
situation Ответ надо разобрать.
ships UBKR UHTN
signal A UHTN
task Спросите, куда оно следует.
message UT
signal B UBKR
task Ответьте, что следуете в Ригу.
garbled UU RGIA
reply ZL
reply ZQ
message ZP / UU RIGA
)";

TEST(ScenarioLoader, ReadsScenariosSignalsAndEveryAcceptedMessage) {
    const ScenarioFile file = loadScenarios(kGood);
    ASSERT_TRUE(file.ok()) << file.problem->text();
    ASSERT_EQ(file.scenarios.size(), 2u);
    const Scenario& position = file.scenarios[0];
    EXPECT_EQ(position.name, "POSITION");
    EXPECT_EQ(position.title, "Место");
    EXPECT_EQ(position.callSignOf(Ship::B), "UHTN");
    ASSERT_EQ(position.signalSequence.size(), 2u);
    EXPECT_EQ(position.signalSequence[0].sender, Ship::B);
    EXPECT_FALSE(position.signalSequence[0].callSign.has_value());
    const Signal& report = position.signalSequence[1];
    EXPECT_EQ(report.callSign, "UHTN");
    ASSERT_EQ(report.messages.size(), 2u);
    const Message model{{"EV"}, {"L6330N"}, {"G02115E"}, {"C045", "S12"}};
    EXPECT_EQ(report.messages[0], model);
    EXPECT_EQ(report.messages[1][2], (TextHoist{"G2115E"}));
    EXPECT_EQ(report.line, 10);

    const Scenario& garbled = file.scenarios[1];
    const Signal& answer = garbled.signalSequence[1];
    EXPECT_EQ(answer.garbled, (TextHoist{"UU", "RGIA"}));
    EXPECT_EQ(answer.notUnderstoodReplies, (std::vector<TextHoist>{{"ZL"}, {"ZQ"}}));
    EXPECT_EQ(answer.messages[0], (Message{{"ZP"}, {"UU", "RIGA"}}));
    // The ship that sends nonsense on purpose is never the learner's.
    EXPECT_EQ(garbled.learnerShips(), std::vector<Ship>{Ship::A});
    EXPECT_EQ(position.learnerShips(), (std::vector<Ship>{Ship::A, Ship::B}));

    ASSERT_NE(findScenario(file.scenarios, "GARBLED"), nullptr);
    EXPECT_EQ(findScenario(file.scenarios, "garbled"), nullptr);
}

// A scenario that loads; each case changes one line of it.
constexpr std::string_view kHead = "exchange ONE\ntitle Т\nsituation С\nships UBKR UHTN\n";
constexpr std::string_view kSignal = "signal A UHTN\ntask Спросите.\nmessage XQ\n";

struct BadFile {
    const char* what;
    std::string text;
    int line;
    const char* reasonHas;
};

TEST(ScenarioLoader, RefusesABadFileWithItsLineAndReason) {
    const std::string head(kHead);
    const std::string signal(kSignal);
    const BadFile cases[] = {
        {"empty file", "# nothing\n", 0, "нет ни одного сценария"},
        {"another encoding", head + "signal A UHTN\ntask \xd1\xef\xf0\xee\xf1\xe8\xf2\xe5.\n", 6,
         "не в кодировке UTF-8"},
        {"before any scenario", "title Т\n" + head + signal, 1, "до первой строки exchange"},
        {"unknown keyword", head + signal + "hoist XQ\n", 8, "неизвестное слово «hoist»"},
        {"name in Cyrillic", "exchange ПОГОДА\n", 1, "одно латинское слово"},
        {"name in small letters", "exchange weather\n", 1, "одно латинское слово"},
        {"name twice", head + signal + head + signal, 8, "уже есть в строке 1"},
        {"title twice", head + "title Ещё\n" + signal, 5, "строка title здесь уже была"},
        {"empty title", "exchange ONE\ntitle\n", 2, "после title нужен текст"},
        {"one call sign", "exchange ONE\ntitle Т\nsituation С\nships UBKR\n", 4, "два позывных"},
        {"call sign of five", "exchange ONE\ntitle Т\nsituation С\nships UBKRX UHTN\n", 4, "не позывной"},
        {"the same call sign", "exchange ONE\ntitle Т\nsituation С\nships UBKR UBKR\n", 4, "один позывной"},
        {"signal before ships", "exchange ONE\ntitle Т\nsignal A\n", 3, "ships должна стоять"},
        {"no such ship", head + "signal C\n", 5, "A или B"},
        {"a stranger's call sign", head + "signal A UXXX\n", 5, "ни одного из двух судов"},
        {"message before signal", head + "message XQ\n", 5, "после строки signal"},
        {"small letters in a group", head + "signal A\ntask Т\nmessage xq\n", 7, "не группа"},
        {"an empty hoist", head + "signal A\ntask Т\nmessage XQ / \n", 7, "нет ни одной группы"},
        {"a group one set cannot fly", head + "signal A\ntask Т\nmessage HH77\n", 7, "не поднять одним набором"},
        {"one flag twice on a halyard", head + "signal A\ntask Т\nmessage C270 S10\n", 7, "вымпел 0 нужен обеим"},
        {"no task", head + "signal A\nmessage XQ\n", 5, "нет строки task"},
        {"the other's call sign alone", head + "signal A UHTN\ntask Т\n", 5, "собственный позывной"},
        {"nothing to send", head + "signal A\ntask Т\n", 5, "ни строки message"},
        {"garbled without reply", head + "signal A\ntask Т\ngarbled XR8\nmessage ZP / XR\n", 5,
         "ни одной строки reply"},
        {"reply without garbled", head + "signal A\ntask Т\nreply ZL\nmessage XR\n", 5, "только у сигнала с garbled"},
        {"garbled without correction", head + "signal A\ntask Т\ngarbled XR8\nreply ZL\n", 5,
         "нет исправленного сообщения"},
        {"no signals", head + "exchange TWO\n", 1, "нет ни одного сигнала"},
        {"no title", "exchange ONE\nsituation С\nships UBKR UHTN\n" + signal, 1, "нет строки title"},
        {"both ships garble",
         head + "signal A\ntask Т\ngarbled XR8\nreply ZL\nmessage XR\nsignal B\ntask Т\n"
                "garbled XR9\nreply ZL\nmessage XR\n",
         1, "учиться не за кого"},
    };
    for (const BadFile& c : cases) {
        const ScenarioFile file = loadScenarios(c.text);
        ASSERT_FALSE(file.ok()) << c.what;
        EXPECT_TRUE(file.scenarios.empty()) << c.what;
        EXPECT_EQ(file.problem->line, c.line) << c.what << ": " << file.problem->text();
        EXPECT_NE(file.problem->reason.find(c.reasonHas), std::string::npos) << c.what << ": " << file.problem->text();
        if (c.line > 0) {
            EXPECT_EQ(file.problem->text().rfind("Строка " + std::to_string(c.line) + ": ", 0), 0u) << c.what;
        }
    }
}

TEST(ScenarioLoader, TakesWindowsLineEndsAndSpacesAroundWords) {
    const ScenarioFile file = loadScenarios(
        "exchange ONE\r\n  title  Т \r\nsituation С\r\nships UBKR  UHTN\r\n"
        "signal A UHTN\r\ntask Спросите.\r\nmessage  XQ  /  C045   S12 \r\n");
    ASSERT_TRUE(file.ok()) << file.problem->text();
    EXPECT_EQ(file.scenarios[0].title, "Т");
    EXPECT_EQ(file.scenarios[0].signalSequence[0].messages[0], (Message{{"XQ"}, {"C045", "S12"}}));
}

}  // namespace
}  // namespace mss::exchange
