// SPDX-License-Identifier: GPL-3.0-or-later
#include "codebook_parser.h"

#include <array>
#include <charconv>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "cp1251.h"
#include "section.h"
#include "signal_directory.h"
#include "utf8.h"

namespace mss::codebook {

namespace {

std::string quoted(std::string_view s) { return "«" + std::string(s) + "»"; }

// "Combo1, Combo2(0), ..." as the file must order its lists.
std::string listOrder() {
    std::string order;
    for (const auto& info : kCodeLists) {
        if (!order.empty()) order += ", ";
        order += info.fileName;
    }
    return order;
}

std::optional<Source> sourceOfName(std::string_view name) {
    if (name == "book") return Source::Book;
    if (name == "ref") return Source::Ref;
    if (name == "recall") return Source::Recall;
    return std::nullopt;
}

// A code is well-formed for its list when it has the shape of that list's
// signals; whether it exists is asked of the signal directory afterwards.
bool wellFormed(CodeList list, std::string_view code) {
    const auto signal = SignalCode::parse(code);
    if (!signal) return false;
    switch (signal->section()) {
        case Section::SingleLetter: return list == CodeList::SingleLetter;
        case Section::General: return isGeneral(list);
        case Section::Medical: return list == CodeList::Medical;
        default: return list == CodeList::Complements;  // a table's Roman number, a hyphen and a digit: "III-9"
    }
}

class Parser {
public:
    explicit Parser(std::string_view bytes) : bytes_(bytes) {}

    LoadResult run() {
        std::size_t pos = 0;
        int lineNo = 0;
        bool sawHeader = false;
        while (pos < bytes_.size()) {
            std::size_t end = bytes_.find('\n', pos);
            if (end == std::string_view::npos) end = bytes_.size();
            const std::string_view line = bytes_.substr(pos, end - pos);
            pos = end + 1;
            ++lineNo;
            if (!sawHeader) {
                sawHeader = true;
                std::string_view header = line;
                if (header.size() >= 3 && header.substr(0, 3) == "\xEF\xBB\xBF") header.remove_prefix(3);
                if (header != kCodeBookHeader)
                    damage(lineNo, "заголовок должен быть " + quoted("list, index, codes, text, source") +
                                       " через табуляцию");
                continue;
            }
            readRow(lineNo, line);
        }
        if (!sawHeader) damage(0, "файл кодовой книги пуст");
        finish();
        return std::move(result_);
    }

private:
    void damage(int line, std::string message) {
        result_.status = LoadStatus::Damaged;
        result_.problems.push_back({line, std::move(message)});
    }

    void incomplete(std::string message) {
        if (result_.status == LoadStatus::Ok) result_.status = LoadStatus::Incomplete;
        result_.problems.push_back({0, std::move(message)});
    }

    void readRow(int lineNo, std::string_view line) {
        if (line.find('\r') != std::string_view::npos) {
            damage(lineNo, "строка содержит возврат каретки (CR): текст не может переноситься, а строки "
                           "файла разделяются только переводом строки");
            return;
        }
        std::array<std::string_view, 5> fields;
        std::size_t count = 0;
        std::size_t start = 0;
        while (true) {
            const std::size_t tab = line.find('\t', start);
            const std::string_view field =
                line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
            if (count < fields.size()) fields[count] = field;
            ++count;
            if (tab == std::string_view::npos) break;
            start = tab + 1;
        }
        if (count != 5) {
            damage(lineNo, count > 5 ? "лишняя табуляция: в строке " + std::to_string(count) +
                                           " полей вместо 5 (табуляция в тексте недопустима)"
                                     : "в строке " + std::to_string(count) + " полей вместо 5");
            return;
        }

        const auto list = codeListOfFileName(fields[0]);
        if (!list) {
            damage(lineNo, "неизвестный список " + quoted(fields[0]));
            return;
        }
        const auto slot = static_cast<int>(slotOf(*list));
        if (slot < currentSlot_) {
            damage(lineNo, "список " + quoted(fields[0]) + " стоит не на своем месте: списки идут в порядке " +
                               listOrder());
            return;
        }
        currentSlot_ = slot;
        auto& rows = result_.book.rows(*list);
        const CodeListInfo& info = infoOf(*list);
        const std::string listName(info.fileName);

        // A row number is written in plain decimal digits, without sign or
        // leading zeros.
        int index = -1;
        const std::string_view number = fields[1];
        const bool plain = !number.empty() && number.find_first_not_of("0123456789") == std::string_view::npos &&
                           (number.size() == 1 || number[0] != '0');
        const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), index);
        if (!plain || ec != std::errc() || ptr != number.data() + number.size()) {
            damage(lineNo, "номер строки списка " + listName + " " + quoted(fields[1]) + " не является числом");
            return;
        }
        const int expected = static_cast<int>(rows.size());
        if (index != expected) {
            damage(lineNo, "в списке " + listName + " ожидается строка " + std::to_string(expected) +
                               ", а стоит " + std::to_string(index) + " (строки идут по порядку без пропусков)");
            return;
        }
        if (expected >= info.rowCount) {
            damage(lineNo, "в списке " + listName + " лишняя строка " + std::to_string(index) + ": в нем " +
                               std::to_string(info.rowCount) + " строк");
            return;
        }

        CodeBookRow row;
        checkText(lineNo, *list, index, fields[3]);
        row.text = std::string(fields[3]);
        checkCodes(lineNo, *list, index, fields[2], row.codes);
        if (auto source = sourceOfName(fields[4]))
            row.source = *source;
        else
            damage(lineNo, "неизвестный источник " + quoted(fields[4]) + " (допустимы book, ref, recall)");

        if (!texts_[static_cast<std::size_t>(slot)].insert(row.text).second)
            damage(lineNo, "текст строки " + std::to_string(index) + " списка " + listName +
                               " повторяет текст другой строки этого списка");
        rows.push_back(std::move(row));
    }

    void checkText(int lineNo, CodeList list, int index, std::string_view text) {
        const CodeListInfo& info = infoOf(list);
        const std::string where = "текст строки " + std::to_string(index) + " списка " + std::string(info.fileName);
        if (text.empty()) {
            damage(lineNo, where + " пуст");
            return;
        }
        const auto decoded = decodeUtf8(text);
        if (!decoded) {
            damage(lineNo, where + " не является правильным текстом UTF-8");
            return;
        }
        if (static_cast<int>(decoded->size()) > info.maxTextLength)
            damage(lineNo, where + " длиннее " + std::to_string(info.maxTextLength) + " знаков (" +
                               std::to_string(decoded->size()) + ")");
        for (char32_t ch : *decoded) {
            if (ch < 0x20 || ch == 0x7F) {
                damage(lineNo, where + " содержит управляющий знак");
                return;
            }
            if (!representableInCp1251(ch)) {
                damage(lineNo, where + " содержит знак U+" + hex(ch) + ", которого нет в кодировке Windows-1251");
                return;
            }
        }
    }

    static std::string hex(char32_t ch) {
        static constexpr char digits[] = "0123456789ABCDEF";
        std::string s;
        for (int shift = 12; shift >= 0; shift -= 4) s.push_back(digits[(ch >> shift) & 0xF]);
        if (ch > 0xFFFF) s.insert(0, 1, digits[(ch >> 16) & 0xF]);
        return s;
    }

    void checkCodes(int lineNo, CodeList list, int index, std::string_view field, std::vector<std::string>& out) {
        const std::string listName(infoOf(list).fileName);
        if (field.empty()) {
            damage(lineNo, "у строки " + std::to_string(index) + " списка " + listName + " нет кода сигнала");
            return;
        }
        std::size_t start = 0;
        while (start <= field.size()) {
            std::size_t comma = field.find(',', start);
            if (comma == std::string_view::npos) comma = field.size();
            const std::string_view code = field.substr(start, comma - start);
            start = comma + 1;
            if (!wellFormed(list, code)) {
                damage(lineNo, "код " + quoted(code) + " не является кодом сигнала списка " + listName);
                continue;
            }
            const auto target = SignalDirectory::instance().find(code);
            if (!target) {
                damage(lineNo, "сигнала " + quoted(code) + " нет в своде");
                continue;
            }
            if (target->list != list) {
                damage(lineNo, "сигнал " + quoted(code) + " относится к списку " +
                                   std::string(infoOf(target->list).fileName) + ", а не к " + listName);
                continue;
            }
            if (target->row != index) {
                damage(lineNo, "сигнал " + quoted(code) + " выбирает строку " + std::to_string(target->row) +
                                   " списка " + listName + ", а не строку " + std::to_string(index));
                continue;
            }
            if (!seenCodes_.emplace(std::string(code), lineNo).second) {
                damage(lineNo, "сигнал " + quoted(code) + " уже стоит в строке " +
                                   std::to_string(seenCodes_[std::string(code)]) + " файла");
                continue;
            }
            out.emplace_back(code);
        }
    }

    void finish() {
        if (result_.status == LoadStatus::Damaged) return;
        for (const auto& info : kCodeLists) {
            const auto have = static_cast<int>(result_.book.rows(info.list).size());
            if (have == 0)
                incomplete("список " + std::string(info.fileName) + " отсутствует");
            else if (have < info.rowCount)
                incomplete("список " + std::string(info.fileName) + " неполон: " + std::to_string(have) +
                           " строк из " + std::to_string(info.rowCount));
        }
        if (result_.status != LoadStatus::Ok) return;
        // Every row is on its place; every signal of the code must have been named.
        for (const auto& entry : SignalDirectory::instance().codes())
            if (!seenCodes_.contains(entry.code.text()))
                damage(0, "сигнал " + quoted(entry.code.text()) + " не указан ни в одной строке списка " +
                              std::string(infoOf(entry.target.list).fileName) + " (должен стоять в строке " +
                              std::to_string(entry.target.row) + ")");
    }

    std::string_view bytes_;
    LoadResult result_;
    int currentSlot_ = 0;
    std::unordered_map<std::string, int> seenCodes_;
    std::array<std::unordered_set<std::string>, kCodeListCount> texts_;
};

}  // namespace

std::string LoadResult::firstProblem() const {
    if (problems.empty()) return {};
    const auto& p = problems.front();
    if (p.line == 0) return p.message;
    return "Строка " + std::to_string(p.line) + ": " + p.message;
}

LoadResult parseCodeBook(std::string_view bytes) { return Parser(bytes).run(); }

}  // namespace mss::codebook
