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

namespace mss::codebook {

struct SignalEntry {
    ListId list;
    int entry;
    friend bool operator==(const SignalEntry&, const SignalEntry&) = default;
};

struct SignalCode {
    std::string code;  // "A", "AE1", "MLQ", "II-3"
    SignalEntry target;
};

class SignalDirectory {
public:
    static const SignalDirectory& instance();

    // Every code of every list, list by list, each list in entry order
    // (the shared codes XB0..XB9 and XH0..XH9 come in their own code order).
    const std::vector<SignalCode>& codes() const { return codes_; }

    std::optional<SignalEntry> find(std::string_view code) const;

    // Direct maps used by the keys. Arguments are letter indices 0..25 and
    // digits 0..9; a missing code gives std::nullopt.
    std::optional<SignalEntry> singleLetter(int letter) const;
    std::optional<SignalEntry> twoLetter(int first, int second) const;
    std::optional<SignalEntry> complemented(int first, int second, int digit) const;
    std::optional<int> medical(int second, int third) const;  // entry of Combo3

private:
    SignalDirectory();

    static constexpr std::int16_t kNone = -1;
    // Packed as list slot * 1024 + entry.
    std::array<std::array<std::int16_t, 26>, 26> twoLetter_{};
    std::array<std::array<std::array<std::int16_t, 10>, 26>, 26> complemented_{};
    std::array<std::array<std::int16_t, 26>, 26> medical_{};
    std::vector<SignalCode> codes_;
};

// The code-book rows of the general section, one line per first letter as
// the code lays them out (see general_section_table.cpp).
struct GeneralSectionRow {
    char first;
    char secondFrom, secondTo;  // range of second letters the row covers
    ListId list;
    int firstEntry;
    int codeCount;
    std::string_view seconds;   // "A B C D E(1,2) F(1-4) ..."
};
const std::vector<GeneralSectionRow>& generalSectionRows();

struct MedicalGroup {
    char second;
    int firstEntry;
    std::string_view thirds;  // third letters in entry order
};
const std::vector<MedicalGroup>& medicalGroups();

}  // namespace mss::codebook
