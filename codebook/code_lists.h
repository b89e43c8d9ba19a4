#pragma once
// The six lists of the code book, one per combo box of the main window.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace mss::codebook {

enum class ListId : int { Combo1, Combo2_0, Combo2_1, Combo2_2, Combo3, Combo4 };

inline constexpr int kListCount = 6;

struct ListInfo {
    ListId id;
    std::string_view name;     // as written in the code-book file: "Combo2(1)"
    std::string_view heading;  // initial text of the combo box, UTF-8
    int rowCount;
    int maxTextLength;         // in characters
};

inline constexpr std::array<ListInfo, kListCount> kLists{{
    {ListId::Combo1, "Combo1", "Значение однобуквенного сигнала", 25, 156},
    {ListId::Combo2_0, "Combo2(0)", "Общий раздел", 490, 156},
    {ListId::Combo2_1, "Combo2(1)", "Общий раздел", 479, 134},
    {ListId::Combo2_2, "Combo2(2)", "Общий раздел", 414, 126},
    {ListId::Combo3, "Combo3", "Медицинский раздел", 442, 126},
    {ListId::Combo4, "Combo4", "Таблицы дополнений к общему разделу МСС", 29, 56},
}};

inline constexpr std::size_t listSlot(ListId id) { return static_cast<std::size_t>(id); }

inline constexpr const ListInfo& listInfo(ListId id) { return kLists[listSlot(id)]; }

inline constexpr std::optional<ListId> listIdOfName(std::string_view name) {
    for (const auto& info : kLists)
        if (info.name == name) return info.id;
    return std::nullopt;
}

}  // namespace mss::codebook
