// SPDX-License-Identifier: GPL-3.0-or-later
#include "typed_message.h"

#include <algorithm>

#include "codebook/message/complements.h"
#include "codebook/message/message_reading.h"

namespace mss::search {

namespace {

using codebook::message::GroupKind;
using codebook::message::ReadGroup;

constexpr std::string_view kDash = " — ";

// A group that says more than a code the list finds by itself: a complement,
// or a code with a number or a table digit.
bool carriesValues(const ReadGroup& group) {
    return group.kind == GroupKind::Complement || group.kind == GroupKind::SignalWithNumber ||
           (group.kind == GroupKind::Signal && group.code != group.text);
}

}  // namespace

std::optional<std::string> typedMessageReading(const codebook::CodeBook& book, std::string_view query) {
    const codebook::message::MessageReading reading = codebook::message::readMessage(book, query);
    if (!reading.ok()) {
        // Only a group meant as a complement or a number is worth a reason;
        // anything else is likelier words, which the search reads.
        const auto& refused = *reading.refusal;
        if (!codebook::message::looksLikeComplement(refused.text) &&
            std::none_of(reading.groups.begin(), reading.groups.end(), carriesValues))
            return std::nullopt;
        std::string lines;
        for (const ReadGroup& group : reading.groups) lines += group.text + std::string(kDash) + group.meaning + '\n';
        return lines + refused.text + std::string(kDash) + "не читается: " + refused.reason;
    }
    const bool severalWithACode =
        reading.groups.size() > 1 && std::any_of(reading.groups.begin(), reading.groups.end(), [](const ReadGroup& g) {
            return g.kind != GroupKind::CallSign && g.kind != GroupKind::SpelledWord;
        });
    if (!severalWithACode && std::none_of(reading.groups.begin(), reading.groups.end(), carriesValues))
        return std::nullopt;
    std::string lines;
    for (const ReadGroup& group : reading.groups) {
        if (!lines.empty()) lines += '\n';
        lines += group.text + std::string(kDash) + group.meaning;
    }
    return lines;
}

}  // namespace mss::search
