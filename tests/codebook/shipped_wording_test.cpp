// SPDX-License-Identifier: GPL-3.0-or-later
// The wording of the rows this program wrote (`ref` and `recall`), read over
// the shipped code book: one term for one thing across the general section,
// every meaning ended as the rest of its list, and the medical rows whose
// first wording changed what a seaman would do kept from slipping back. The
// quoted `book` rows stay as printed and are not judged here.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "codebook/meanings.h"
#include "support/shipped_book.h"

using namespace mss::codebook;
using mss::testing::shippedBook;

namespace {

std::string_view withoutTrailingSpaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::string_view textOf(std::string_view code) {
    const auto meaning = meaningOf(shippedBook(), code);
    return meaning ? meaning->text : std::string_view();
}

}  // namespace

// Of two wordings for one thing, the book's own: «по пеленгу» (a bearing
// from a point) and «опознавательный сигнал», as the 1965 code calls it.
TEST(ShippedWording, TheGeneralSectionUsesOneTermForOneThing) {
    constexpr std::string_view kDropped[] = {"в пеленге", "позывной сигнал", "позывным сигналом",
                                             "позывного сигнала"};
    for (CodeList list : {CodeList::GeneralAToJ, CodeList::GeneralJToQ, CodeList::GeneralRToZ})
        for (const CodeBookRow& row : shippedBook().rows(list)) {
            if (row.source == Source::Book) continue;
            for (std::string_view dropped : kDropped)
                EXPECT_EQ(row.text.find(dropped), std::string::npos) << row.codes.front() << ": «" << row.text << "»";
        }
}

// A meaning the program wrote ends with a full stop or a question mark, with
// a blank «.....» to fill in, or with a colon before what it introduces;
// the single-letter signals are the book's own throughout.
TEST(ShippedWording, EveryMeaningWeWroteEndsAsASentence) {
    for (const auto& info : kCodeLists)
        for (const CodeBookRow& row : shippedBook().rows(info.list)) {
            if (row.source == Source::Book) continue;
            const std::string_view text = withoutTrailingSpaces(row.text);
            ASSERT_FALSE(text.empty()) << row.codes.front();
            const char last = text.back();
            EXPECT_TRUE(last == '.' || last == '?' || last == ':')
                << row.codes.front() << " ends without a full stop: «" << row.text << "»";
        }
}

TEST(ShippedWording, MedicalAdviceSaysWhatTheCodeMeans) {
    // Hot compresses on the eye, never flushing it with hot water.
    EXPECT_EQ(textOf("MRV").find("промыв"), std::string_view::npos) << textOf("MRV");
    EXPECT_NE(textOf("MRV").find("горячие примочки"), std::string_view::npos) << textOf("MRV");
    // Delirium (MCX) and delusions (MLB) are two signals and read as two.
    EXPECT_NE(textOf("MCX").find("сознание спутано"), std::string_view::npos) << textOf("MCX");
    EXPECT_NE(textOf("MLB").find("бредовые идеи"), std::string_view::npos) << textOf("MLB");
    // An infant is given breath by mouth, not only into its mouth.
    EXPECT_EQ(textOf("MUQ").find("изо рта в рот"), std::string_view::npos) << textOf("MUQ");
    // The poison that does not burn, and the one that does, by their terms.
    EXPECT_NE(textOf("MGI").find("неприжигающим ядом"), std::string_view::npos) << textOf("MGI");
    EXPECT_NE(textOf("MGJ").find("прижигающее вещество"), std::string_view::npos) << textOf("MGJ");
}
