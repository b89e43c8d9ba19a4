// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "codebook/signal_directory.h"

using namespace mss::codebook;

namespace {

const SignalDirectory& dir() { return SignalDirectory::instance(); }

}  // namespace

TEST(SignalDirectory, TellingRowsSelectTheirEntries) {
    struct Case { const char* code; CodeList list; int row; };
    const Case cases[] = {
        {"A", CodeList::SingleLetter, 0},      {"Q", CodeList::SingleLetter, 16},     {"S", CodeList::SingleLetter, 17},
        {"Z", CodeList::SingleLetter, 24},     {"AA", CodeList::GeneralAToJ, 0},   {"AE", CodeList::GeneralAToJ, 4},
        {"AE1", CodeList::GeneralAToJ, 5},  {"BB", CodeList::GeneralAToJ, 36},  {"BB4", CodeList::GeneralAToJ, 40},
        {"JE", CodeList::GeneralAToJ, 461}, {"JF", CodeList::GeneralAToJ, 462}, {"JF0", CodeList::GeneralAToJ, 463},
        {"JF9", CodeList::GeneralAToJ, 472}, {"JM", CodeList::GeneralAToJ, 489}, {"JN", CodeList::GeneralJToQ, 0},
        {"JO5", CodeList::GeneralJToQ, 8},  {"QZ1", CodeList::GeneralJToQ, 478}, {"RA", CodeList::GeneralRToZ, 0},
        {"VQ0", CodeList::GeneralRToZ, 205}, {"WY0", CodeList::GeneralRToZ, 279}, {"XB0", CodeList::GeneralRToZ, 279},
        {"XB9", CodeList::GeneralRToZ, 288}, {"XB", CodeList::GeneralRToZ, 291}, {"XE0", CodeList::GeneralRToZ, 295},
        {"XH0", CodeList::GeneralRToZ, 295}, {"XH9", CodeList::GeneralRToZ, 304}, {"XF", CodeList::GeneralRToZ, 305}, {"XI", CodeList::GeneralRToZ, 308},
        {"ZA0", CodeList::GeneralRToZ, 375}, {"ZZ1", CodeList::GeneralRToZ, 413}, {"MAA", CodeList::Medical, 0},
        {"MAU", CodeList::Medical, 17},   {"MBA", CodeList::Medical, 18},   {"MFZ", CodeList::Medical, 121},
        {"MLF", CodeList::Medical, 234},  {"MLQ", CodeList::Medical, 235},  {"MLH", CodeList::Medical, 236},
        {"MLN", CodeList::Medical, 242},  {"MLR", CodeList::Medical, 243},  {"MTO", CodeList::Medical, 391},
        {"MVU", CodeList::Medical, 441},  {"I-1", CodeList::Complements, 0},    {"I-9", CodeList::Complements, 8},
        {"II-0", CodeList::Complements, 9},   {"III-0", CodeList::Complements, 19}, {"III-9", CodeList::Complements, 28},
    };
    for (const Case& c : cases) {
        const auto found = dir().find(c.code);
        ASSERT_TRUE(found.has_value()) << c.code;
        EXPECT_EQ(*found, (ListRow{c.list, c.row})) << c.code;
    }
}

TEST(SignalDirectory, SignalsTheCodeDoesNotHave) {
    for (const char* code : {"R", "EH", "EI", "HH", "HI", "HU", "IH", "II", "AR", "AS", "AE3", "VA", "TR",
                             "TT", "MLG", "MAG", "MDA", "MRA", "MWA", "I-0", "IV-1", "JA0", "YE"})
        EXPECT_FALSE(dir().find(code).has_value()) << code;
}

TEST(SignalDirectory, CountsOfTheCode) {
    std::map<CodeList, int> codes;
    std::map<CodeList, std::set<int>> entries;
    int twoLetter = 0, complemented = 0;
    std::map<char, int> bySecondLetter;
    std::map<char, int> byDigit;
    for (const auto& c : dir().codes()) {
        ++codes[c.target.list];
        entries[c.target.list].insert(c.target.row);
        if (c.target.list == CodeList::GeneralAToJ || c.target.list == CodeList::GeneralJToQ ||
            c.target.list == CodeList::GeneralRToZ) {
            if (c.code.text().size() == 2) { ++twoLetter; ++bySecondLetter[c.code.text()[1]]; }
            else { ++complemented; ++byDigit[c.code.text()[2]]; }
        }
    }
    EXPECT_EQ(twoLetter, 647);
    EXPECT_EQ(complemented, 756);
    EXPECT_EQ(codes[CodeList::SingleLetter], 25);
    EXPECT_EQ(codes[CodeList::GeneralAToJ], 490);
    EXPECT_EQ(codes[CodeList::GeneralJToQ], 479);
    EXPECT_EQ(codes[CodeList::GeneralRToZ], 434);
    EXPECT_EQ(codes[CodeList::Medical], 442);
    EXPECT_EQ(codes[CodeList::Complements], 29);
    // Every row of every list is selected by some code, and no entry lies outside its list.
    for (const auto& info : kCodeLists) {
        EXPECT_EQ(static_cast<int>(entries[info.list].size()), info.rowCount) << info.fileName;
        EXPECT_EQ(*entries[info.list].rbegin(), info.rowCount - 1) << info.fileName;
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
    std::map<CodeList, int> next;
    for (const auto& c : dir().codes()) {
        if (c.code.text().starts_with("XB") && c.code.text().size() == 3) continue;
        if (c.code.text().starts_with("XH") && c.code.text().size() == 3) continue;
        EXPECT_EQ(c.target.row, next[c.target.list]++) << c.code.text();
    }
}
