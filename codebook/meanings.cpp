// SPDX-License-Identifier: GPL-3.0-or-later
#include "meanings.h"

#include "edition_notes.h"
#include "signal_directory.h"

namespace mss::codebook {

namespace {

Meaning meaningOf(const CodeBook& book, const DirectoryEntry& entry) {
    const CodeBookRow& row = book.row(entry.target.list, entry.target.row);
    return {&entry.code, entry.code.text(), entry.code.section(), entry.target.list, entry.target.row, row.text,
            row.source};
}

const DirectoryEntry* entryOf(const SignalCode& code) {
    const SignalDirectory& directory = SignalDirectory::instance();
    const auto target = directory.find(code);
    if (!target) return nullptr;
    for (const DirectoryEntry& entry : directory.codes())
        if (entry.target == *target && entry.code == code) return &entry;
    return nullptr;
}

const DirectoryEntry* entryOf(std::string_view written) {
    const auto code = SignalCode::parse(written);
    return code ? entryOf(*code) : nullptr;
}

}  // namespace

std::optional<Section> sectionOfCode(std::string_view code) {
    if (const DirectoryEntry* entry = entryOf(code)) return entry->code.section();
    return std::nullopt;
}

std::optional<Meaning> meaningOf(const CodeBook& book, std::string_view code) {
    if (const DirectoryEntry* entry = entryOf(code)) return meaningOf(book, *entry);
    return std::nullopt;
}

std::optional<Meaning> meaningOf(const CodeBook& book, const SignalCode& code) {
    if (const DirectoryEntry* entry = entryOf(code)) return meaningOf(book, *entry);
    return std::nullopt;
}

std::optional<Meaning> meaningInEitherEdition(const CodeBook& book, std::string_view code) {
    if (auto meaning = meaningOf(book, code)) return meaning;
    if (const auto ours = codeInThisBook(code)) return meaningOf(book, *ours);
    return std::nullopt;
}

std::vector<Meaning> signalsOf(const CodeBook& book, Section section) {
    std::vector<Meaning> signals;
    for (const DirectoryEntry& entry : SignalDirectory::instance().codes())
        if (entry.code.section() == section) signals.push_back(meaningOf(book, entry));
    return signals;
}

}  // namespace mss::codebook
