// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The slow way to learn what a hoist means: read the whole signal directory
// for its code. The engine looks signals up in direct tables instead; the
// tests compare the two.

#include <optional>
#include <string>
#include <string_view>

#include "codebook/flag_catalogue.h"
#include "codebook/signal_directory.h"

namespace mss::robustness {

inline std::optional<codebook::ListRow> scanDirectory(std::string_view code) {
    for (const auto& c : codebook::SignalDirectory::instance().codes())
        if (c.code.text() == code) return c.target;
    return std::nullopt;
}

// The code spelt by flags, e.g. {0, 4, 26} gives "AE1"; empty when a flag is
// missing.
inline std::string codeOf(std::initializer_list<int> flags) {
    std::string code;
    for (int flag : flags) {
        if (flag < 0 || flag >= codebook::kFlagCount) return {};
        code += codebook::symbolOfFlag(flag);
    }
    return code;
}

// The list that holds the first two-letter signal beginning with `letter`:
// the list the general section shows once that letter is the first flag.
inline std::optional<codebook::CodeList> listOfFirstLetter(int letter) {
    const char symbol = codebook::symbolOfFlag(letter);
    for (const auto& c : codebook::SignalDirectory::instance().codes())
        if (c.code.text().size() == 2 && c.code.text()[0] == symbol)
            return c.target.list;
    return std::nullopt;
}

}  // namespace mss::robustness
