// SPDX-License-Identifier: GPL-3.0-or-later
// The notes on another edition of the code: each stands on signals the book
// has, the code of the international edition finds our signal, and no note
// reaches a signal it does not concern.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "codebook/edition_notes.h"
#include "codebook/meanings.h"
#include "support/shipped_book.h"

using namespace mss::codebook;
using mss::testing::shippedBook;

namespace {

// The codes of a note, one by one.
std::vector<std::string_view> codesOf(const EditionNote& note) {
    std::vector<std::string_view> codes;
    std::string_view rest = note.codes;
    while (!rest.empty()) {
        const std::size_t space = rest.find(' ');
        codes.push_back(rest.substr(0, space));
        rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
    }
    return codes;
}

}  // namespace

TEST(EditionNotes, StandOnSignalsOfTheBookAndNameCodesItLacks) {
    for (const EditionNote& note : kEditionNotes) {
        const auto codes = codesOf(note);
        ASSERT_FALSE(codes.empty()) << note.text;
        EXPECT_FALSE(note.text.empty());
        for (std::string_view code : codes) {
            EXPECT_TRUE(meaningOf(shippedBook(), code)) << code << " is no signal of the book";
            EXPECT_EQ(editionNoteOf(code), note.text) << code;
        }
        if (note.otherCode.empty()) continue;
        // A code of the other edition stands for one signal, and is none of ours.
        EXPECT_EQ(codes.size(), 1u) << note.otherCode;
        EXPECT_FALSE(meaningOf(shippedBook(), note.otherCode)) << note.otherCode << " is a signal of the book";
        EXPECT_NE(note.text.find(note.otherCode), std::string_view::npos) << "the note should name " << note.otherCode;
    }
}

TEST(EditionNotes, TheInternationalCodeFindsOurSignal) {
    const auto mlg = meaningInEitherEdition(shippedBook(), "MLG");
    ASSERT_TRUE(mlg);
    EXPECT_EQ(mlg->code, "MLQ");
    EXPECT_EQ(mlg->text, meaningOf(shippedBook(), "MLQ")->text);
    EXPECT_FALSE(meaningOf(shippedBook(), "MLG")) << "the strict lookup knows only the book's codes";
    // A code of the book is its own; a code no edition has is nothing.
    EXPECT_EQ(meaningInEitherEdition(shippedBook(), "MLF")->code, "MLF");
    EXPECT_FALSE(meaningInEitherEdition(shippedBook(), "MLZ9"));
    EXPECT_FALSE(codeInThisBook(""));
    EXPECT_FALSE(codeInThisBook("MLQ"));
}

TEST(EditionNotes, ConcernOnlyTheirSignals) {
    const struct {
        std::string_view code;
        std::string_view noteHas;  // empty: no note
    } cases[] = {
        {"MLQ", "MLG"}, {"XE", "1965"}, {"XE1", "1965"}, {"XH9", "1965"}, {"XH", "1965"},
        {"MLF", ""},    {"MLH", ""},    {"XF", ""},      {"WY1", ""},     {"X", ""},
        {"XE10", ""},   {"", ""},       {"I-3", ""},
    };
    for (const auto& c : cases) {
        const std::string_view note = editionNoteOf(c.code);
        if (c.noteHas.empty()) {
            EXPECT_TRUE(note.empty()) << c.code << ": " << note;
        } else {
            EXPECT_NE(note.find(c.noteHas), std::string_view::npos) << c.code << ": " << note;
        }
    }
}
