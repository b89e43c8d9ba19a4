// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a group of the general section takes besides its own letters: a
// number in the same group, a digit of a table of complements, or the name
// or identity of a vessel or the name of a place as the next group. The
// facts are the table data/message_groups.tsv, read here. Standard library
// only.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "codebook/section.h"

namespace mss::codebook::message {

struct GroupTakes {
    bool number = false;
    std::string unit;              // written after the figures where the meaning has a bare «.....»
    std::optional<Section> table;  // TableI, TableII or TableIII
    bool vessel = false;
    bool place = false;
};

class GroupTakesTable {
public:
    // Reads the table's text; throws std::invalid_argument naming the line
    // of a row it cannot read.
    static GroupTakesTable parse(std::string_view text);
    // The table the program carries, read once.
    static const GroupTakesTable& shipped();

    // What `code` takes; a group with no line takes nothing.
    const GroupTakes& of(std::string_view code) const;
    std::size_t size() const { return byCode_.size(); }
    // Every code the table names, in no particular order.
    std::vector<std::string> codes() const;

private:
    std::unordered_map<std::string, GroupTakes> byCode_;
};

}  // namespace mss::codebook::message
