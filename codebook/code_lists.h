// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six lists of the code book. Each holds the meanings of one part of the
// code in the order of the code; the window shows one of them at a time as
// its meaning line.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace mss::codebook {

enum class CodeList : std::uint8_t {
    SingleLetter,  // A..Z without R
    GeneralAToJ,   // the general section from AA to JM
    GeneralJToQ,   // from JN to the end of the Q signals
    GeneralRToZ,   // from RA to ZZ1
    Medical,       // MAA..MVU
    Complements,   // the tables of complements I, II and III
};

struct CodeListInfo {
    CodeList list;
    std::string_view fileName;  // how the code-book file names the list: "Combo2(1)"
    std::string_view heading;   // what the meaning line shows before any row is chosen, UTF-8
    int rowCount;
    int maxTextLength;          // in characters
};

inline constexpr std::array kCodeLists{
    CodeListInfo{CodeList::SingleLetter, "Combo1", "Значение однобуквенного сигнала", 25, 156},
    CodeListInfo{CodeList::GeneralAToJ, "Combo2(0)", "Общий раздел", 490, 156},
    CodeListInfo{CodeList::GeneralJToQ, "Combo2(1)", "Общий раздел", 479, 134},
    CodeListInfo{CodeList::GeneralRToZ, "Combo2(2)", "Общий раздел", 414, 126},
    CodeListInfo{CodeList::Medical, "Combo3", "Медицинский раздел", 442, 126},
    CodeListInfo{CodeList::Complements, "Combo4", "Таблицы дополнений к общему разделу МСС", 29, 56},
};
inline constexpr std::size_t kCodeListCount = kCodeLists.size();

inline constexpr std::array kGeneralLists{CodeList::GeneralAToJ, CodeList::GeneralJToQ, CodeList::GeneralRToZ};

constexpr std::size_t slotOf(CodeList list) { return static_cast<std::size_t>(list); }

constexpr const CodeListInfo& infoOf(CodeList list) { return kCodeLists[slotOf(list)]; }

constexpr bool isGeneral(CodeList list) {
    return list == CodeList::GeneralAToJ || list == CodeList::GeneralJToQ || list == CodeList::GeneralRToZ;
}

constexpr std::optional<CodeList> codeListOfFileName(std::string_view name) {
    for (const auto& info : kCodeLists)
        if (info.fileName == name) return info.list;
    return std::nullopt;
}

// The table is indexed by the enumeration.
static_assert([] {
    for (std::size_t i = 0; i < kCodeListCount; ++i)
        if (slotOf(kCodeLists[i].list) != i) return false;
    return true;
}());

}  // namespace mss::codebook
