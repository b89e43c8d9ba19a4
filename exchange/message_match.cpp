// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_match.h"

#include <algorithm>

#include "codebook/message/complements.h"
#include "codebook/message/halyard.h"

namespace mss::exchange {

namespace {

namespace message = codebook::message;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The figures of a complement with its leading zeros gone, and what follows
// them: "S012" → "12", "".
std::pair<std::string_view, std::string_view> valueOf(std::string_view group) {
    std::string_view rest = group.substr(1);
    const auto end = std::find_if(rest.begin(), rest.end(), [](char c) { return !isDigit(c) && c != '.'; });
    std::string_view figures = rest.substr(0, static_cast<std::size_t>(end - rest.begin()));
    const std::string_view after = rest.substr(figures.size());
    while (figures.size() > 1 && figures.front() == '0' && figures[1] != '.') figures.remove_prefix(1);
    return {figures, after};
}

// Two complements of a letter that takes a number of any length, saying the same.
bool sameValue(const std::string& expected, const std::string& given) {
    if (!message::looksLikeComplement(expected) || !message::looksLikeComplement(given) || expected[0] != given[0])
        return false;
    const message::ComplementRule* rule = message::complementRuleOf(expected[0]);
    const bool anyCount =
        rule != nullptr && std::all_of(rule->figures.begin(), rule->figures.end(), [](int n) { return n == 0; });
    return anyCount && valueOf(expected) == valueOf(given);
}

}  // namespace

std::optional<std::string> halyardRefusal(const Groups& groups) {
    if (groups.empty()) return std::string("На фале нет ни одной группы.");
    const message::Halyard halyard = message::flyOnOneHalyard(groups);
    if (halyard.ok()) return std::nullopt;
    return message::halyardRefusalText(groups, *halyard.refusal);
}

std::optional<message::GroupVerdict> firstDifference(const Groups& expected, const Groups& given) {
    for (const message::GroupVerdict& verdict : message::compareMessages(expected, given))
        if (!verdict.right() && !sameValue(verdict.expected, verdict.given)) return verdict;
    return std::nullopt;
}

}  // namespace mss::exchange
