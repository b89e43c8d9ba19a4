#include <gtest/gtest.h>

#include <map>
#include <set>

#include "codebook/signal_directory.h"

using namespace mss::codebook;

namespace {

const SignalDirectory& dir() { return SignalDirectory::instance(); }

}  // namespace

TEST(SignalDirectory, TellingRowsSelectTheirEntries) {
    struct Case { const char* code; ListId list; int entry; };
    const Case cases[] = {
        {"A", ListId::Combo1, 0},      {"Q", ListId::Combo1, 16},     {"S", ListId::Combo1, 17},
        {"Z", ListId::Combo1, 24},     {"AA", ListId::Combo2_0, 0},   {"AE", ListId::Combo2_0, 4},
        {"AE1", ListId::Combo2_0, 5},  {"BB", ListId::Combo2_0, 36},  {"BB4", ListId::Combo2_0, 40},
        {"JE", ListId::Combo2_0, 461}, {"JF", ListId::Combo2_0, 462}, {"JF0", ListId::Combo2_0, 463},
        {"JF9", ListId::Combo2_0, 472}, {"JM", ListId::Combo2_0, 489}, {"JN", ListId::Combo2_1, 0},
        {"JO5", ListId::Combo2_1, 8},  {"QZ1", ListId::Combo2_1, 478}, {"RA", ListId::Combo2_2, 0},
        {"VQ0", ListId::Combo2_2, 205}, {"WY0", ListId::Combo2_2, 279}, {"XB0", ListId::Combo2_2, 279},
        {"XB9", ListId::Combo2_2, 288}, {"XB", ListId::Combo2_2, 291}, {"XE0", ListId::Combo2_2, 295},
        {"XH0", ListId::Combo2_2, 295}, {"XH9", ListId::Combo2_2, 304}, {"XF", ListId::Combo2_2, 305}, {"XI", ListId::Combo2_2, 308},
        {"ZA0", ListId::Combo2_2, 375}, {"ZZ1", ListId::Combo2_2, 413}, {"MAA", ListId::Combo3, 0},
        {"MAU", ListId::Combo3, 17},   {"MBA", ListId::Combo3, 18},   {"MFZ", ListId::Combo3, 121},
        {"MLF", ListId::Combo3, 234},  {"MLQ", ListId::Combo3, 235},  {"MLH", ListId::Combo3, 236},
        {"MLN", ListId::Combo3, 242},  {"MLR", ListId::Combo3, 243},  {"MTO", ListId::Combo3, 391},
        {"MVU", ListId::Combo3, 441},  {"I-1", ListId::Combo4, 0},    {"I-9", ListId::Combo4, 8},
        {"II-0", ListId::Combo4, 9},   {"III-0", ListId::Combo4, 19}, {"III-9", ListId::Combo4, 28},
    };
    for (const Case& c : cases) {
        const auto found = dir().find(c.code);
        ASSERT_TRUE(found.has_value()) << c.code;
        EXPECT_EQ(*found, (SignalEntry{c.list, c.entry})) << c.code;
    }
}

TEST(SignalDirectory, SignalsTheCodeDoesNotHave) {
    for (const char* code : {"R", "EH", "EI", "HH", "HI", "HU", "IH", "II", "AR", "AS", "AE3", "VA", "TR",
                             "TT", "MLG", "MAG", "MDA", "MRA", "MWA", "I-0", "IV-1", "JA0", "YE"})
        EXPECT_FALSE(dir().find(code).has_value()) << code;
}

TEST(SignalDirectory, CountsOfTheCode) {
    std::map<ListId, int> codes;
    std::map<ListId, std::set<int>> entries;
    int twoLetter = 0, complemented = 0;
    std::map<char, int> bySecondLetter;
    std::map<char, int> byDigit;
    for (const auto& c : dir().codes()) {
        ++codes[c.target.list];
        entries[c.target.list].insert(c.target.entry);
        if (c.target.list == ListId::Combo2_0 || c.target.list == ListId::Combo2_1 ||
            c.target.list == ListId::Combo2_2) {
            if (c.code.size() == 2) { ++twoLetter; ++bySecondLetter[c.code[1]]; }
            else { ++complemented; ++byDigit[c.code[2]]; }
        }
    }
    EXPECT_EQ(twoLetter, 647);
    EXPECT_EQ(complemented, 756);
    EXPECT_EQ(codes[ListId::Combo1], 25);
    EXPECT_EQ(codes[ListId::Combo2_0], 490);
    EXPECT_EQ(codes[ListId::Combo2_1], 479);
    EXPECT_EQ(codes[ListId::Combo2_2], 434);
    EXPECT_EQ(codes[ListId::Combo3], 442);
    EXPECT_EQ(codes[ListId::Combo4], 29);
    // Every row of every list is selected by some code, and no entry lies outside its list.
    for (const auto& info : kLists) {
        EXPECT_EQ(static_cast<int>(entries[info.id].size()), info.rowCount) << info.name;
        EXPECT_EQ(*entries[info.id].rbegin(), info.rowCount - 1) << info.name;
    }
    // Rows of the second-letter and digit keys' lookup tables.
    const std::map<char, int> expectedSecond{
        {'A', 25}, {'B', 26}, {'C', 26}, {'D', 25}, {'E', 21}, {'F', 24}, {'G', 25}, {'H', 22}, {'I', 22},
        {'J', 26}, {'K', 25}, {'L', 26}, {'M', 26}, {'N', 26}, {'O', 26}, {'P', 26}, {'Q', 26}, {'R', 23},
        {'S', 21}, {'T', 25}, {'U', 25}, {'V', 26}, {'W', 26}, {'X', 26}, {'Y', 26}, {'Z', 26}};
    EXPECT_EQ(bySecondLetter, expectedSecond);
    const std::map<char, int> expectedDigit{{'0', 9},  {'1', 279}, {'2', 154}, {'3', 100}, {'4', 77},
                                            {'5', 45}, {'6', 34},  {'7', 27},  {'8', 19},  {'9', 12}};
    EXPECT_EQ(byDigit, expectedDigit);
}

TEST(SignalDirectory, CodesOfAListRunInEntryOrderExceptTheSharedTables) {
    std::map<ListId, int> next;
    for (const auto& c : dir().codes()) {
        if (c.code.starts_with("XB") && c.code.size() == 3) continue;
        if (c.code.starts_with("XH") && c.code.size() == 3) continue;
        EXPECT_EQ(c.target.entry, next[c.target.list]++) << c.code;
    }
}
