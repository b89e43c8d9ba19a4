// SPDX-License-Identifier: GPL-3.0-or-later
// A message read group by group: each kind of group, the ranges of the
// single-letter complements, and where letters that are no code may stand.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "codebook/meanings.h"
#include "codebook/message/message_reading.h"
#include "support/shipped_book.h"

using namespace mss::codebook;
using namespace mss::codebook::message;
using mss::testing::shippedBook;

namespace {

MessageReading readLine(std::string_view line) { return readMessage(shippedBook(), line); }

std::string bookText(std::string_view code) {
    std::string text(meaningOf(shippedBook(), code)->text);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

TEST(MessageReading, ComplementsInRangeReadWithTheirValues) {
    struct Case {
        const char* group;
        const char* meaning;
    };
    const Case cases[] = {
        {"A000", "пеленг 000°"},
        {"A359", "пеленг 359°"},
        {"C045", "курс 045°"},
        {"D15", "дата: 15-е число текущего месяца"},
        {"D1504", "дата: 15 апреля"},
        {"D2902", "дата: 29 февраля"},
        {"D290268", "дата: 29 февраля 68-го года"},
        {"D311269", "дата: 31 декабря 69-го года"},
        {"G2115", "долгота 21°15′"},
        {"G02115E", "долгота 21°15′ E"},
        {"G13925W", "долгота 139°25′ W"},
        {"G18000E", "долгота 180°00′ E"},
        {"L6330N", "широта 63°30′ N"},
        {"L3740S", "широта 37°40′ S"},
        {"L9000N", "широта 90°00′ N"},
        {"L0000", "широта 0°00′"},
        {"R1", "расстояние 1 миля"},
        {"R3", "расстояние 3 мили"},
        {"R11", "расстояние 11 миль"},
        {"R2.5", "расстояние 2,5 мили"},
        {"S12", "скорость 12 узлов"},
        {"S21", "скорость 21 узел"},
        {"V300", "скорость 300 км/ч"},
        {"T0000", "местное время 0 ч 00 мин"},
        {"T1430", "местное время 14 ч 30 мин"},
        {"T2359", "местное время 23 ч 59 мин"},
        {"Z0830", "время по Гринвичу 8 ч 30 мин"},
    };
    for (const Case& c : cases) {
        const MessageReading r = readLine(c.group);
        ASSERT_TRUE(r.ok()) << c.group << ": " << r.refusal->reason;
        ASSERT_EQ(r.groups.size(), 1u) << c.group;
        EXPECT_EQ(r.groups[0].kind, GroupKind::Complement) << c.group;
        EXPECT_EQ(r.groups[0].meaning, c.meaning) << c.group;
        EXPECT_EQ(r.groups[0].code, std::string(1, c.group[0])) << c.group;
    }
}

TEST(MessageReading, KNamesItsMeansFromTableOne) {
    const MessageReading r = readLine("K1");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.groups[0].kind, GroupKind::Complement);
    EXPECT_EQ(r.groups[0].meaning, bookText("K") + ". Дополнение I-1: " + bookText("I-1"));
    EXPECT_NE(r.groups[0].meaning.find("Семафор"), std::string::npos) << "1965 table I: 1 is semaphore";
    const MessageReading nine = readLine("K9");
    ASSERT_TRUE(nine.ok());
    EXPECT_NE(nine.groups[0].meaning.find(bookText("I-9")), std::string::npos);
}

TEST(MessageReading, ComplementsOutOfRangeOrMisshapenAreRefusedWithTheReason) {
    struct Case {
        const char* group;
        const char* reasonHas;  // a part of the Russian reason
    };
    const Case cases[] = {
        {"A360", "от 000 до 359"},
        {"C360", "Курса 360°"},
        {"C45", "три цифры, а здесь их 2"},
        {"C0450", "три цифры, а здесь их 4"},
        {"T2400", "часы — от 00 до 23"},
        {"T1260", "минуты — от 00 до 59"},
        {"T2460", "не бывает"},
        {"T930", "четыре цифры"},
        {"Z2400", "часы — от 00 до 23"},
        {"Z1", "четыре цифры"},
        {"L9001N", "Широты больше 90°00′"},
        {"L9100", "Широты больше 90°00′"},
        {"L6360N", "Минут 60"},
        {"L6330E", "только N или S"},
        {"L6330NN", "только N или S"},
        {"L63300", "четыре цифры"},
        {"G18001E", "Долготы больше 180°00′"},
        {"G19000", "Долготы больше 180°00′"},
        {"G02160E", "Минут 60"},
        {"G02115N", "только E или W"},
        {"G211", "четыре или пять цифр"},
        {"D3104", "В апреле нет 31-го числа"},
        {"D3002", "В феврале нет 30-го числа"},
        {"D290269", "не високосный"},
        {"D32", "от 01 до 31"},
        {"D00", "от 01 до 31"},
        {"D1513", "Месяца 13"},
        {"D150", "две, четыре или шесть цифр"},
        {"K0", "нет строки 0"},
        {"K12", "одну цифру"},
        {"T14.30", "десятичной запятой не бывает"},
        {"S1.2.3", "одна и между двумя цифрами"},
        {"C045X", "букв не ставят"},
    };
    for (const Case& c : cases) {
        const MessageReading r = readLine(c.group);
        ASSERT_FALSE(r.ok()) << c.group << " should be refused";
        EXPECT_EQ(r.refusal->group, 0u) << c.group;
        EXPECT_EQ(r.refusal->text, c.group);
        EXPECT_NE(r.refusal->reason.find(c.reasonHas), std::string::npos)
            << c.group << ": «" << r.refusal->reason << "» should say «" << c.reasonHas << "»";
    }
}

TEST(MessageReading, AMessageReadsInOrderWithTheBooksMeanings) {
    const MessageReading r = readLine("ev l6330n G02115E c045 s12");
    ASSERT_TRUE(r.ok()) << r.refusal->reason;
    const std::vector<std::pair<std::string, std::string>> want{
        {"EV", bookText("EV")}, {"L6330N", "широта 63°30′ N"}, {"G02115E", "долгота 21°15′ E"},
        {"C045", "курс 045°"},  {"S12", "скорость 12 узлов"},
    };
    ASSERT_EQ(r.groups.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(r.groups[i].text, want[i].first);
        EXPECT_EQ(r.groups[i].meaning, want[i].second) << want[i].first;
    }
    EXPECT_EQ(r.groups[0].kind, GroupKind::Signal);
}

TEST(MessageReading, ANumberFollowsTheLettersOfAGroupThatTakesOne) {
    struct Case {
        const char* group;
        const char* code;
        const char* value;
        const char* meaning;
    };
    const Case cases[] = {
        {"DI20", "DI", "20", "Мне требуются шлюпки для 20 человек."},
        {"NU7.5", "NU", "7.5", "Моя осадка 7,5 (футов или метров)."},
        {"MD045", "MD", "045", "Мой курс 045°"},
        {"DU3", "DU", "3", "Я дрейфую со скоростью 3 узлов в направлении ..... градусов."},
    };
    for (const Case& c : cases) {
        const MessageReading r = readLine(c.group);
        ASSERT_TRUE(r.ok()) << c.group << ": " << r.refusal->reason;
        EXPECT_EQ(r.groups[0].kind, GroupKind::SignalWithNumber) << c.group;
        EXPECT_EQ(r.groups[0].code, c.code);
        EXPECT_EQ(r.groups[0].value, c.value);
        EXPECT_EQ(r.groups[0].meaning, c.meaning);
    }
    // A group whose meaning takes no number is not stretched to one.
    const MessageReading ae = readLine("AE12");
    ASSERT_FALSE(ae.ok());
    EXPECT_NE(ae.refusal->reason.find("не принимает числа"), std::string::npos) << ae.refusal->reason;
    // A code of the book is the code, though its letters begin a number group.
    const MessageReading ae1 = readLine("AE1");
    ASSERT_TRUE(ae1.ok());
    EXPECT_EQ(ae1.groups[0].kind, GroupKind::Signal);
    // Bare figures mean nothing.
    const MessageReading figures = readLine("DI 20");
    ASSERT_FALSE(figures.ok());
    EXPECT_EQ(figures.refusal->group, 1u);
}

TEST(MessageReading, ATableDigitNamesTheRowOfItsTable) {
    const MessageReading r = readLine("CD5 YQ6 MT8");
    ASSERT_TRUE(r.ok()) << r.refusal->reason;
    EXPECT_EQ(r.groups[0].meaning, bookText("CD") + " Дополнение II-5: " + bookText("II-5"));
    EXPECT_EQ(r.groups[1].meaning, bookText("YQ") + " Дополнение I-6: " + bookText("I-6"));
    EXPECT_EQ(r.groups[2].meaning, bookText("MT") + " Дополнение III-8: " + bookText("III-8"));
    for (const ReadGroup& g : r.groups) EXPECT_EQ(g.kind, GroupKind::Signal) << g.text;
    const MessageReading zero = readLine("YQ0");
    ASSERT_FALSE(zero.ok());
    EXPECT_NE(zero.refusal->reason.find("В таблице I нет строки 0"), std::string::npos) << zero.refusal->reason;
    EXPECT_FALSE(readLine("CD55").ok());
}

TEST(MessageReading, LettersThatAreNoCodeStandOnlyWhereTheMessagePutsThem) {
    struct Case {
        const char* line;
        std::vector<GroupKind> kinds;  // empty: refused
        std::size_t refusedAt = 0;
    };
    const Case cases[] = {
        // The station addressed comes first.
        {"UBKR XQ", {GroupKind::CallSign, GroupKind::Signal}},
        {"4XAB XQ", {GroupKind::CallSign, GroupKind::Signal}},
        // A group that names a vessel takes its identity or its name.
        {"HY1 UHTN", {GroupKind::Signal, GroupKind::CallSign}},
        {"HY1 SEDOV", {GroupKind::Signal, GroupKind::SpelledWord}},
        {"DE UBKR", {GroupKind::Signal, GroupKind::CallSign}},
        // A place after a group that takes one, a word after YZ.
        {"UU RIGA", {GroupKind::Signal, GroupKind::SpelledWord}},
        {"RV GIBRALTAR", {GroupKind::Signal, GroupKind::SpelledWord}},
        {"YZ PORT SAID", {GroupKind::Signal, GroupKind::SpelledWord, GroupKind::SpelledWord}},
        // Right after YZ even letters that make a code are a word.
        {"YZ OB", {GroupKind::Signal, GroupKind::SpelledWord}},
        // A code ends the name.
        {"UU RIGA XQ", {GroupKind::Signal, GroupKind::SpelledWord, GroupKind::Signal}},
        // Elsewhere letters that are no code are refused.
        {"XQ UBKR", {}, 1},
        {"UT RIGA", {}, 1},
        {"UBKR UHTN", {}, 1},
        {"UU RIGA XQ TALLINN", {}, 3},
        {"UU 4XAB", {}, 1},
    };
    for (const Case& c : cases) {
        const MessageReading r = readLine(c.line);
        if (c.kinds.empty()) {
            ASSERT_FALSE(r.ok()) << c.line << " should be refused";
            EXPECT_EQ(r.refusal->group, c.refusedAt) << c.line;
            EXPECT_FALSE(r.refusal->reason.empty()) << c.line;
            EXPECT_EQ(r.groups.size(), c.refusedAt) << "the groups before the refused one are read: " << c.line;
            continue;
        }
        ASSERT_TRUE(r.ok()) << c.line << ": " << r.refusal->reason;
        ASSERT_EQ(r.groups.size(), c.kinds.size()) << c.line;
        for (std::size_t i = 0; i < c.kinds.size(); ++i)
            EXPECT_EQ(r.groups[i].kind, c.kinds[i]) << c.line << ", group " << i;
    }
    EXPECT_EQ(readLine("UU RIGA").groups[1].meaning, "название места: RIGA");
    EXPECT_EQ(readLine("HY1 UHTN").groups[1].meaning, "опознавательный сигнал судна или станции: UHTN");
}

TEST(MessageReading, TypedGroupsAreReadAsCodesAreAndJunkIsRefused) {
    // Cyrillic look-alikes (В is B) and a comma as the decimal point.
    const MessageReading r = readLine("ЕВ с045 NU7,5");
    ASSERT_TRUE(r.ok()) << r.refusal->reason;
    EXPECT_EQ(r.groups[0].text, "EB");
    EXPECT_EQ(r.groups[1].text, "C045");
    EXPECT_EQ(r.groups[2].text, "NU7.5");
    EXPECT_TRUE(readLine("").ok());
    EXPECT_TRUE(readLine("   ").groups.empty());
    for (const char* junk : {"EV якорь", "EV A+1", "EV \x1b[2J"}) {
        const MessageReading bad = readLine(junk);
        ASSERT_FALSE(bad.ok()) << junk;
        EXPECT_EQ(bad.refusal->group, 1u) << junk;
        EXPECT_NE(bad.refusal->reason.find("не группа флагов"), std::string::npos) << junk;
    }
}

TEST(MessageReading, AnyTypedLineReadsOrIsRefusedWithAReason) {
    // Groups made of the characters a message has, and a few it has not:
    // every line is read whole, or refused at a group with a reason, and
    // every group read has a meaning.
    constexpr unsigned kSeed = 1965;
    std::mt19937 random(kSeed);
    const std::string alphabet = "ACDGKLRSTVZENWIUQ0123456789.,  \t-+";
    for (int line = 0; line < 3000; ++line) {
        std::string typed;
        const int length = std::uniform_int_distribution<int>(0, 24)(random);
        for (int i = 0; i < length; ++i)
            typed += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
        const MessageReading r = readLine(typed);
        if (r.ok()) {
            for (const ReadGroup& g : r.groups) EXPECT_FALSE(g.meaning.empty()) << "seed " << kSeed << ": " << typed;
        } else {
            EXPECT_FALSE(r.refusal->reason.empty()) << "seed " << kSeed << ": " << typed;
            EXPECT_EQ(r.groups.size(), r.refusal->group) << "seed " << kSeed << ": " << typed;
        }
    }
}
