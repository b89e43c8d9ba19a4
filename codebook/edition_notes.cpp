// SPDX-License-Identifier: GPL-3.0-or-later
#include "edition_notes.h"

namespace mss::codebook {

namespace {

bool names(std::string_view codes, std::string_view code) {
    while (!codes.empty()) {
        const std::size_t space = codes.find(' ');
        if (codes.substr(0, space) == code) return true;
        if (space == std::string_view::npos) break;
        codes.remove_prefix(space + 1);
    }
    return false;
}

}  // namespace

std::string_view editionNoteOf(std::string_view code) {
    if (code.empty()) return {};
    for (const EditionNote& note : kEditionNotes)
        if (names(note.codes, code)) return note.text;
    return {};
}

std::optional<std::string_view> codeInThisBook(std::string_view otherCode) {
    if (otherCode.empty()) return std::nullopt;
    for (const EditionNote& note : kEditionNotes)
        if (note.otherCode == otherCode) return note.codes;
    return std::nullopt;
}

}  // namespace mss::codebook
