// SPDX-License-Identifier: GPL-3.0-or-later
// The model exchange: the procedure's order of hoists, pennants and
// haul-downs, the steps, and the not-understood branch.

#include <gtest/gtest.h>

#include <sstream>

#include "exchange/model_exchange.h"
#include "exchange_driver.h"

namespace mss::exchange {
namespace {

// "2 A hoist starboard-yardarm EV" — one event a line, reading included.
std::string lines(const std::vector<ExchangeEvent>& events) {
    std::ostringstream out;
    for (const ExchangeEvent& e : events) {
        out << e.step << ' ' << (e.ship == Ship::A ? 'A' : 'B') << ' ' << actionWord(e.action) << ' '
            << halyardWord(e.halyard);
        for (const std::string& g : e.groups) out << ' ' << g;
        out << '\n';
    }
    return out.str();
}

constexpr std::string_view kTwoHoists = R"(exchange TWO
title Т
situation С
ships UBKR UHTN
signal A UHTN
task Сообщите место.
message EV / C045 S12
)";

TEST(ModelExchange, EachHoistIsDippedReadClosedUpHauledDownAndTheSignalEndsWithThePennantAlone) {
    const auto scenarios = testing::scenariosOf(kTwoHoists);
    EXPECT_EQ(lines(modelExchange(scenarios[0])),
              "1 A hoist masthead UHTN\n"
              "1 A hoist starboard-yardarm EV\n"
              "1 B ap-dip port-yardarm\n"
              "1 B read port-yardarm UHTN EV\n"
              "1 B ap-close-up port-yardarm\n"
              "1 A haul-down starboard-yardarm\n"
              "1 B ap-dip port-yardarm\n"
              // The call sign stays up; the pennant is at the dip already.
              "2 A hoist starboard-yardarm C045 S12\n"
              "2 B read port-yardarm C045 S12\n"
              "2 B ap-close-up port-yardarm\n"
              "2 A haul-down starboard-yardarm\n"
              "2 A haul-down masthead\n"
              "2 B ap-dip port-yardarm\n"
              "3 A ap-alone starboard-yardarm\n"
              "3 B ap-close-up port-yardarm\n"
              "3 A ap-down starboard-yardarm\n"
              "3 B ap-down port-yardarm\n");
}

constexpr std::string_view kGarbled = R"(exchange GARBLED
title Т
situation С
ships UBKR UHTN
signal B UBKR
task Ответьте, что следуете в Ригу.
garbled UU RGIA
reply ZL
reply ZQ
message ZP / UU RIGA
)";

TEST(ModelExchange, AHoistNotUnderstoodIsAnsweredWithThePennantKeptAtTheDip) {
    const auto scenarios = testing::scenariosOf(kGarbled);
    EXPECT_EQ(lines(modelExchange(scenarios[0])),
              "1 B hoist masthead UBKR\n"
              "1 B hoist starboard-yardarm UU RGIA\n"
              "1 A ap-dip port-yardarm\n"
              "1 A read port-yardarm UBKR UU RGIA\n"
              // No close-up: A answers ZL on halyards of its own.
              "2 A hoist masthead UHTN\n"
              "2 A hoist starboard-yardarm ZL\n"
              "2 B ap-dip port-yardarm\n"
              "2 B read port-yardarm UHTN ZL\n"
              "2 B ap-close-up port-yardarm\n"
              "2 B haul-down starboard-yardarm\n"
              "2 A haul-down starboard-yardarm\n"
              "2 A haul-down masthead\n"
              "2 B ap-down port-yardarm\n"
              // The correction under the call sign still at B's masthead.
              "3 B hoist starboard-yardarm ZP\n"
              "3 A read port-yardarm ZP\n"
              "3 A ap-close-up port-yardarm\n"
              "3 B haul-down starboard-yardarm\n"
              "3 A ap-dip port-yardarm\n"
              "4 B hoist starboard-yardarm UU RIGA\n"
              "4 A read port-yardarm UU RIGA\n"
              "4 A ap-close-up port-yardarm\n"
              "4 B haul-down starboard-yardarm\n"
              "4 B haul-down masthead\n"
              "4 A ap-dip port-yardarm\n"
              "5 B ap-alone starboard-yardarm\n"
              "5 A ap-close-up port-yardarm\n"
              "5 B ap-down starboard-yardarm\n"
              "5 A ap-down port-yardarm\n");
    // The second reply takes the first's place.
    ExchangeChoices second = firstChoices(scenarios[0]);
    second.reply[0] = 1;
    EXPECT_EQ(modelExchange(scenarios[0], second)[5].groups, Groups{"ZQ"});
}

TEST(ModelExchange, ACallSignAloneIsASignalOfOneHoist) {
    const auto scenarios = testing::scenariosOf(R"(exchange ID
title Т
situation С
ships UBKR UHTN
signal B UHTN
task Поднимите свой позывной.
)");
    EXPECT_EQ(lines(modelExchange(scenarios[0])),
              "1 B hoist masthead UHTN\n"
              "1 A ap-dip port-yardarm\n"
              "1 A read port-yardarm UHTN\n"
              "1 A ap-close-up port-yardarm\n"
              "1 B haul-down masthead\n"
              "1 A ap-dip port-yardarm\n"
              "2 B ap-alone starboard-yardarm\n"
              "2 A ap-close-up port-yardarm\n"
              "2 B ap-down starboard-yardarm\n"
              "2 A ap-down port-yardarm\n");
}

}  // namespace
}  // namespace mss::exchange
