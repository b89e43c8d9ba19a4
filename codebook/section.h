// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six sections of the code a learner chooses between, and the three
// tables of complements that share one list.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace mss::codebook {

enum class Section : std::uint8_t { SingleLetter, General, Medical, TableI, TableII, TableIII };

struct SectionInfo {
    Section section;
    std::string_view title;  // as the section's button reads, UTF-8
};

inline constexpr std::array kSections{
    SectionInfo{Section::SingleLetter, "Однобуквенные сигналы"},
    SectionInfo{Section::General, "Общий раздел"},
    SectionInfo{Section::Medical, "Медицинский раздел"},
    SectionInfo{Section::TableI, "Таблица I"},
    SectionInfo{Section::TableII, "Таблица II"},
    SectionInfo{Section::TableIII, "Таблица III"},
};
inline constexpr std::size_t kSectionCount = kSections.size();

constexpr std::size_t slotOf(Section s) { return static_cast<std::size_t>(s); }
constexpr const SectionInfo& infoOf(Section s) { return kSections[slotOf(s)]; }

// A table of complements: its Roman number, its digits and where its rows
// begin in the list of complements. Table I has no row for the digit 0.
struct ComplementTable {
    Section section;
    std::string_view roman;
    int firstDigit;
    int firstRow;
};

inline constexpr std::array kComplementTables{
    ComplementTable{Section::TableI, "I", 1, 0},
    ComplementTable{Section::TableII, "II", 0, 9},
    ComplementTable{Section::TableIII, "III", 0, 19},
};

constexpr const ComplementTable* complementTableOf(Section s) {
    for (const auto& t : kComplementTables)
        if (t.section == s) return &t;
    return nullptr;
}

constexpr bool isComplementTable(Section s) { return complementTableOf(s) != nullptr; }

// The row of the list of complements that digit 0..9 of table `s` stands
// for; nothing for a digit the table lacks or a section that is no table.
constexpr std::optional<int> complementRow(Section s, int digit) {
    const ComplementTable* t = complementTableOf(s);
    if (t == nullptr || digit < t->firstDigit || digit > 9) return std::nullopt;
    return t->firstRow + digit - t->firstDigit;
}

// The rows of the three tables follow one another without a gap.
static_assert(kComplementTables[1].firstRow == kComplementTables[0].firstRow + 10 - kComplementTables[0].firstDigit);
static_assert(kComplementTables[2].firstRow == kComplementTables[1].firstRow + 10 - kComplementTables[1].firstDigit);

}  // namespace mss::codebook
