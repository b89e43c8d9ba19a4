#include "signal_directory.h"

#include <stdexcept>

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

constexpr std::int16_t pack(SignalEntry e) {
    return static_cast<std::int16_t>(static_cast<int>(listSlot(e.list)) * 1024 + e.entry);
}

constexpr SignalEntry unpack(std::int16_t v) {
    return {static_cast<ListId>(v / 1024), v % 1024};
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
    int rank = 0;
    for (char c = 'A'; c <= 'Z'; ++c) {
        if (c == 'R') continue;
        codes_.push_back({std::string(1, c), {ListId::Combo1, rank++}});
    }

    // General section. The shared tables of Combo2(2): XB0..XB9 take the
    // entries of WY0..WY9, XH0..XH9 those of XE0..XE9, and are not counted.
    for (const auto& row : generalSectionRows()) {
        int entry = row.firstEntry;
        int count = 0;
        const int first = row.first - 'A';
        for (const auto& item : parseSeconds(row.seconds)) {
            if (item.second < row.secondFrom || item.second > row.secondTo)
                throw std::logic_error("general section table: second letter outside its row");
            const int second = item.second - 'A';
            const std::string two{row.first, item.second};
            twoLetter_[first][second] = pack({row.list, entry});
            codes_.push_back({two, {row.list, entry++}});
            ++count;
            for (int d : item.digits) {
                SignalEntry target{row.list, entry};
                const bool shared = two == "XB" || two == "XH";
                if (shared) {
                    const int base = two == "XB" ? 'W' - 'A' : 'X' - 'A';
                    const int baseSecond = two == "XB" ? 'Y' - 'A' : 'E' - 'A';
                    target = unpack(complemented_[base][baseSecond][d]);
                } else {
                    ++entry;
                }
                complemented_[first][second][d] = pack(target);
                codes_.push_back({two + static_cast<char>('0' + d), target});
                ++count;
            }
        }
        if (count != row.codeCount)
            throw std::logic_error("general section table: code count differs for row " +
                                   std::string(1, row.first));
    }

    // Medical section.
    for (const auto& group : medicalGroups()) {
        int entry = group.firstEntry;
        for (char third : group.thirds) {
            medical_[group.second - 'A'][third - 'A'] = static_cast<std::int16_t>(entry);
            codes_.push_back({std::string{'M', group.second, third}, {ListId::Combo3, entry++}});
        }
    }

    // Tables of complements: I-1..I-9, II-0..II-9, III-0..III-9.
    int tableEntry = 0;
    for (std::string_view table : {"I", "II", "III"})
        for (int d = (table == "I" ? 1 : 0); d <= 9; ++d)
            codes_.push_back({std::string(table) + "-" + static_cast<char>('0' + d),
                              {ListId::Combo4, tableEntry++}});
}

std::optional<SignalEntry> SignalDirectory::find(std::string_view code) const {
    auto letter = [](char c) { return c >= 'A' && c <= 'Z'; };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (code.size() == 1 && letter(code[0])) return singleLetter(code[0] - 'A');
    if (code.size() == 2 && letter(code[0]) && letter(code[1]))
        return twoLetter(code[0] - 'A', code[1] - 'A');
    if (code.size() == 3 && letter(code[0]) && letter(code[1]) && digit(code[2]))
        return complemented(code[0] - 'A', code[1] - 'A', code[2] - '0');
    if (code.size() == 3 && code[0] == 'M' && letter(code[1]) && letter(code[2])) {
        if (auto e = medical(code[1] - 'A', code[2] - 'A')) return SignalEntry{ListId::Combo3, *e};
        return std::nullopt;
    }
    for (const auto& c : codes_)
        if (c.target.list == ListId::Combo4 && c.code == code) return c.target;
    return std::nullopt;
}

std::optional<SignalEntry> SignalDirectory::singleLetter(int letter) const {
    if (letter < 0 || letter >= 26 || letter == 'R' - 'A') return std::nullopt;
    return SignalEntry{ListId::Combo1, letter < 'R' - 'A' ? letter : letter - 1};
}

std::optional<SignalEntry> SignalDirectory::twoLetter(int first, int second) const {
    if (first < 0 || first >= 26 || second < 0 || second >= 26) return std::nullopt;
    const auto v = twoLetter_[first][second];
    if (v == kNone) return std::nullopt;
    return unpack(v);
}

std::optional<SignalEntry> SignalDirectory::complemented(int first, int second, int digit) const {
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
