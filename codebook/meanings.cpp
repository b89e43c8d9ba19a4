// SPDX-License-Identifier: GPL-3.0-or-later
#include "meanings.h"

#include "signal_directory.h"

namespace mss::codebook {

namespace {

Section sectionOf(const SignalCode& c) {
    switch (c.target.list) {
        case CodeList::SingleLetter: return Section::SingleLetter;
        case CodeList::GeneralAToJ:
        case CodeList::GeneralJToQ:
        case CodeList::GeneralRToZ: return Section::General;
        case CodeList::Medical: return Section::Medical;
        case CodeList::Complements: break;
    }
    const std::string_view roman = std::string_view(c.code).substr(0, c.code.find('-'));
    for (const auto& table : kComplementTables)
        if (table.roman == roman) return table.section;
    return Section::TableI;  // every code of the list of complements names its table
}

Meaning meaningOf(const CodeBook& book, const SignalCode& c) {
    const CodeBookRow& row = book.row(c.target.list, c.target.row);
    return {c.code, sectionOf(c), c.target.list, c.target.row, row.text, row.source};
}

const SignalCode* codeEntry(std::string_view code) {
    const SignalDirectory& directory = SignalDirectory::instance();
    const auto target = directory.find(code);
    if (!target) return nullptr;
    for (const SignalCode& c : directory.codes())
        if (c.target == *target && c.code == code) return &c;
    return nullptr;
}

}  // namespace

std::optional<Section> sectionOfCode(std::string_view code) {
    if (const SignalCode* c = codeEntry(code)) return sectionOf(*c);
    return std::nullopt;
}

std::optional<Meaning> meaningOf(const CodeBook& book, std::string_view code) {
    if (const SignalCode* c = codeEntry(code)) return meaningOf(book, *c);
    return std::nullopt;
}

std::vector<Meaning> signalsOf(const CodeBook& book, Section section) {
    std::vector<Meaning> signals;
    for (const SignalCode& c : SignalDirectory::instance().codes())
        if (sectionOf(c) == section) signals.push_back(meaningOf(book, c));
    return signals;
}

}  // namespace mss::codebook
