// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_key.h"

#include <functional>

namespace mss::drill {

std::size_t CardKeyHash::operator()(const CardKey& key) const noexcept {
    const std::size_t small = (static_cast<std::size_t>(key.set) << 4) | static_cast<std::size_t>(key.mode);
    return std::hash<std::string>{}(key.code) ^ (small * 0x9E3779B97F4A7C15ull);
}

std::string describe(const CardKey& key) {
    std::string text(storedName(key.set));
    text += '/';
    text += storedName(key.mode);
    text += '/';
    text += key.code;
    return text;
}

}  // namespace mss::drill
