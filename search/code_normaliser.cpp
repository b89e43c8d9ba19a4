// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_normaliser.h"

#include "codebook/signal_code.h"

namespace mss::search {

std::optional<std::string> normaliseCode(std::string_view typed) {
    if (const auto code = codebook::SignalCode::read(typed)) return code->text();
    return std::nullopt;
}

}  // namespace mss::search
