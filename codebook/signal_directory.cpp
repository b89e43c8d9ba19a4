// SPDX-License-Identifier: GPL-3.0-or-later
#include "signal_directory.h"

#include <algorithm>
#include <stdexcept>

#include "section.h"

namespace mss::codebook {

namespace {

struct TwoLetterWithDigits {
    char second;
    std::vector<int> digits;
};

// Reads "A B(1-4) C(1,2) F(0-9)" into second letters and their complements.
std::vector<TwoLetterWithDigits> parseSeconds(std::string_view text) {
    std::vector<TwoLetterWithDigits> result;
    std::size_t i = 0;
    auto fail = [&] { throw std::logic_error("general section table: bad row " + std::string(text)); };
    while (i < text.size()) {
        if (text[i] == ' ') { ++i; continue; }
        if (text[i] < 'A' || text[i] > 'Z') fail();
        TwoLetterWithDigits item{text[i++], {}};
        if (i < text.size() && text[i] == '(') {
            ++i;
            while (i < text.size() && text[i] != ')') {
                if (text[i] == ',') { ++i; continue; }
                if (text[i] < '0' || text[i] > '9') fail();
                int from = text[i++] - '0';
                int to = from;
                if (i < text.size() && text[i] == '-') {
                    ++i;
                    if (i >= text.size() || text[i] < '0' || text[i] > '9') fail();
                    to = text[i++] - '0';
                }
                for (int d = from; d <= to; ++d) item.digits.push_back(d);
            }
            if (i >= text.size()) fail();
            ++i;  // ')'
        }
        result.push_back(std::move(item));
    }
    return result;
}

constexpr std::int16_t pack(ListRow r) {
    return static_cast<std::int16_t>(static_cast<int>(slotOf(r.list)) * 1024 + r.row);
}

constexpr ListRow unpack(std::int16_t v) {
    return {static_cast<CodeList>(v / 1024), v % 1024};
}

// The list of complements ends with the last table's last row.
static_assert(infoOf(CodeList::Complements).rowCount ==
              kComplementTables.back().firstRow + 10 - kComplementTables.back().firstDigit);

const SharedComplements* sharedComplementsOf(std::string_view two) {
    for (const auto& shared : kSharedComplements)
        if (shared.code == two) return &shared;
    return nullptr;
}

}  // namespace

const SignalDirectory& SignalDirectory::instance() {
    static const SignalDirectory directory;
    return directory;
}

SignalDirectory::SignalDirectory() {
    for (auto& row : twoLetter_) row.fill(kNone);
    for (auto& row : medical_) row.fill(kNone);
    for (auto& plane : complemented_)
        for (auto& row : plane) row.fill(kNone);

    // Single-letter signals: every letter but R, in letter order.
    for (int letter = 0; letter < 26; ++letter)
        if (const auto target = singleLetter(letter))
            codes_.push_back({*SignalCode::singleLetter(static_cast<char>('A' + letter)), *target});

    // General section. The shared complements (XB0..XB9, XH0..XH9) select the
    // rows of another signal's complements and are not counted.
    for (const auto& line : generalSectionRows()) {
        int row = line.firstRow;
        int count = 0;
        const int first = line.first - 'A';
        auto& lists = listsOfLetter_[static_cast<std::size_t>(first)];
        if (std::find(lists.begin(), lists.end(), line.list) == lists.end()) lists.push_back(line.list);
        for (const auto& item : parseSeconds(line.seconds)) {
            if (item.second < line.secondFrom || item.second > line.secondTo)
                throw std::logic_error("general section table: second letter outside its line");
            const int second = item.second - 'A';
            const std::string two{line.first, item.second};
            twoLetter_[first][second] = pack({line.list, row});
            codes_.push_back({*SignalCode::general(line.first, item.second), {line.list, row++}});
            ++count;
            const SharedComplements* shared = sharedComplementsOf(two);
            for (int d : item.digits) {
                ListRow target{line.list, row};
                if (shared)
                    target = unpack(complemented_[shared->owner[0] - 'A'][shared->owner[1] - 'A'][d]);
                else
                    ++row;
                complemented_[first][second][d] = pack(target);
                codes_.push_back({*SignalCode::general(line.first, item.second, d), target});
                ++count;
            }
        }
        if (count != line.codeCount)
            throw std::logic_error("general section table: code count differs for line " +
                                   std::string(1, line.first));
    }

    // Medical section.
    for (const auto& group : medicalGroups()) {
        int row = group.firstRow;
        for (char third : group.thirds) {
            medical_[group.second - 'A'][third - 'A'] = static_cast<std::int16_t>(row);
            codes_.push_back({*SignalCode::medical(group.second, third), {CodeList::Medical, row++}});
        }
    }

    // Tables of complements: I-1..I-9, II-0..II-9, III-0..III-9.
    for (const auto& table : kComplementTables)
        for (int d = table.firstDigit; d <= 9; ++d)
            codes_.push_back({*SignalCode::tableRow(table.section, d),
                              {CodeList::Complements, *complementRow(table.section, d)}});

    // Every row of every list has a code.
    for (const auto& info : kCodeLists) {
        std::vector<bool> named(static_cast<std::size_t>(info.rowCount), false);
        for (const auto& c : codes_)
            if (c.target.list == info.list) named.at(static_cast<std::size_t>(c.target.row)) = true;
        if (std::find(named.begin(), named.end(), false) != named.end())
            throw std::logic_error("signal directory: a row of " + std::string(info.fileName) + " has no code");
    }
}

std::optional<ListRow> SignalDirectory::find(const SignalCode& code) const {
    const std::string& t = code.text();
    switch (code.section()) {
        case Section::SingleLetter: return singleLetter(t[0] - 'A');
        case Section::General:
            if (const auto digit = code.digit()) return complemented(t[0] - 'A', t[1] - 'A', *digit);
            return twoLetter(t[0] - 'A', t[1] - 'A');
        case Section::Medical:
            if (auto row = medical(t[1] - 'A', t[2] - 'A')) return ListRow{CodeList::Medical, *row};
            return std::nullopt;
        default:
            if (const auto row = complementRow(code.section(), *code.digit()))
                return ListRow{CodeList::Complements, *row};
            return std::nullopt;
    }
}

std::vector<const SignalCode*> SignalDirectory::codesOf(ListRow row) const {
    std::vector<const SignalCode*> codes;
    for (const DirectoryEntry& entry : codes_)
        if (entry.target == row) codes.push_back(&entry.code);
    return codes;
}

std::optional<ListRow> SignalDirectory::find(std::string_view written) const {
    if (const auto code = SignalCode::parse(written)) return find(*code);
    return std::nullopt;
}

std::optional<ListRow> SignalDirectory::singleLetter(int letter) const {
    // Every letter but R has a single-letter signal, in letter order.
    constexpr int kR = 'R' - 'A';
    if (letter < 0 || letter >= 26 || letter == kR) return std::nullopt;
    return ListRow{CodeList::SingleLetter, letter < kR ? letter : letter - 1};
}

std::optional<ListRow> SignalDirectory::twoLetter(int first, int second) const {
    if (first < 0 || first >= 26 || second < 0 || second >= 26) return std::nullopt;
    const auto v = twoLetter_[first][second];
    if (v == kNone) return std::nullopt;
    return unpack(v);
}

std::optional<ListRow> SignalDirectory::complemented(int first, int second, int digit) const {
    if (first < 0 || first >= 26 || second < 0 || second >= 26 || digit < 0 || digit > 9)
        return std::nullopt;
    const auto v = complemented_[first][second][digit];
    if (v == kNone) return std::nullopt;
    return unpack(v);
}

std::optional<int> SignalDirectory::medical(int second, int third) const {
    if (second < 0 || second >= 26 || third < 0 || third >= 26) return std::nullopt;
    const auto v = medical_[second][third];
    if (v == kNone) return std::nullopt;
    return v;
}

}  // namespace mss::codebook
