// SPDX-License-Identifier: GPL-3.0-or-later
#include "group_takes.h"

#include <array>
#include <vector>

#include "data/message_groups_bytes.h"

namespace mss::codebook::message {

namespace {

std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

bool isCodeText(std::string_view code) {
    if (code.size() < 2 || code.size() > 3) return false;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        const bool letter = c >= 'A' && c <= 'Z';
        const bool digit = c >= '0' && c <= '9';
        if (i < 2 ? !letter : !digit) return false;
    }
    return true;
}

[[noreturn]] void refuse(int line, const std::string& why) {
    throw std::invalid_argument("data/message_groups.tsv, строка " + std::to_string(line) + ": " + why);
}

}  // namespace

GroupTakesTable GroupTakesTable::parse(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, Section>, 3> kTables{{
        {"table I", Section::TableI},
        {"table II", Section::TableII},
        {"table III", Section::TableIII},
    }};
    GroupTakesTable table;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        const std::vector<std::string_view> fields = fieldsOf(line);
        if (fields.size() < 2 || fields.size() > 3) refuse(lineNumber, "ожидались код, что он принимает и единица");
        if (!isCodeText(fields[0])) refuse(lineNumber, "«" + std::string(fields[0]) + "» — не код общего раздела");
        GroupTakes& takes = table.byCode_[std::string(fields[0])];
        const std::string_view what = fields[1];
        const std::string_view unit = fields.size() == 3 ? fields[2] : std::string_view{};
        if (!unit.empty() && what != "number") refuse(lineNumber, "единица бывает только у числа");
        if (what == "number") {
            takes.number = true;
            takes.unit = unit;
        } else if (what == "vessel") {
            takes.vessel = true;
        } else if (what == "place") {
            takes.place = true;
        } else {
            bool known = false;
            for (const auto& [name, section] : kTables)
                if (what == name) {
                    takes.table = section;
                    known = true;
                }
            if (!known) refuse(lineNumber, "неизвестно, что значит «" + std::string(what) + "»");
        }
        if (takes.number && takes.table) refuse(lineNumber, "за одним кодом не стоят и число, и цифра таблицы");
    }
    return table;
}

const GroupTakesTable& GroupTakesTable::shipped() {
    static const GroupTakesTable table = parse(data::messageGroupsBytes());
    return table;
}

std::vector<std::string> GroupTakesTable::codes() const {
    std::vector<std::string> codes;
    for (const auto& [code, takes] : byCode_) codes.push_back(code);
    return codes;
}

const GroupTakes& GroupTakesTable::of(std::string_view code) const {
    static const GroupTakes kNothing;
    const auto found = byCode_.find(std::string(code));
    return found == byCode_.end() ? kNothing : found->second;
}

}  // namespace mss::codebook::message
