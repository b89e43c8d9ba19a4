// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which signal selects which row of which list. Built once from the compact
// tables of the code (general_section_table.cpp, medical_table.cpp) and
// offered both as a list of every code and as direct maps for the keyboards.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "code_lists.h"
#include "signal_code.h"

namespace mss::codebook {

struct ListRow {
    CodeList list;
    int row;
    friend bool operator==(const ListRow&, const ListRow&) = default;
};

struct DirectoryEntry {
    SignalCode code;
    ListRow target;
};

class SignalDirectory {
public:
    static const SignalDirectory& instance();

    // Every code of every list, list by list in code order; the rows of a
    // list come in row order, except that the shared codes XB0..XB9 and
    // XH0..XH9 stand in their own place of the code.
    const std::vector<DirectoryEntry>& codes() const { return codes_; }

    std::optional<ListRow> find(const SignalCode& code) const;
    // The same for a code as the program writes it ("AE1", "II-3").
    std::optional<ListRow> find(std::string_view written) const;
    // The codes that select a row, in code order: one, or two for the rows
    // WY0..WY9 and XE0..XE9 (XB0..XB9 and XH0..XH9 share them).
    std::vector<const SignalCode*> codesOf(ListRow row) const;

    // Direct maps used by the keys. Arguments are letter indices 0..25 and
    // digits 0..9; a missing code gives std::nullopt.
    std::optional<ListRow> singleLetter(int letter) const;
    std::optional<ListRow> twoLetter(int first, int second) const;
    std::optional<ListRow> complemented(int first, int second, int digit) const;
    std::optional<int> medical(int second, int third) const;  // row of the medical list

    // The general lists that hold the signals beginning with `letter`, in
    // code order: one list for most letters, two for J (JA..JM, JN..JZ).
    const std::vector<CodeList>& generalListsOf(int letter) const {
        return listsOfLetter_.at(static_cast<std::size_t>(letter));
    }

private:
    SignalDirectory();

    static constexpr std::int16_t kNone = -1;
    // Packed as list slot * 1024 + row.
    std::array<std::array<std::int16_t, 26>, 26> twoLetter_{};
    std::array<std::array<std::array<std::int16_t, 10>, 26>, 26> complemented_{};
    std::array<std::array<std::int16_t, 26>, 26> medical_{};
    std::array<std::vector<CodeList>, 26> listsOfLetter_{};
    std::vector<DirectoryEntry> codes_;
};

// The general section of the code, one line per first letter as the code
// lays it out (see general_section_table.cpp).
struct GeneralSectionRow {
    char first;
    char secondFrom, secondTo;  // range of second letters the line covers
    CodeList list;
    int firstRow;
    int codeCount;
    std::string_view seconds;   // "A B C D E(1,2) F(1-4) ..."
};
const std::vector<GeneralSectionRow>& generalSectionRows();

// Codes of the general section with no row of their own: they select the
// rows of another signal's complements.
struct SharedComplements {
    std::string_view code;   // "XB": XB0..XB9
    std::string_view owner;  // "WY": select the rows of WY0..WY9
};
inline constexpr std::array kSharedComplements{
    SharedComplements{"XB", "WY"},  // the sea-state table
    SharedComplements{"XH", "XE"},  // the swell table
};

struct MedicalGroup {
    char second;
    int firstRow;
    std::string_view thirds;  // third letters in row order
};
const std::vector<MedicalGroup>& medicalGroups();

}  // namespace mss::codebook
