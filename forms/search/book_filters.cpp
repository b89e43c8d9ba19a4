// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/search/book_filters.h"

#include <array>

#include "codebook/section.h"
#include "qtext/utf8_text.h"

namespace mss::forms {

namespace {

using codebook::Section;
using search::LetterPlace;
using search::RowFilter;

}  // namespace

std::span<const BookPart> bookParts() {
    static const std::array parts{
        BookPart{QStringLiteral("Все"), RowFilter(), Narrowing::FirstLetter, QStringLiteral("&Буква:")},
        BookPart{QStringLiteral("Однобуквенные"), RowFilter({Section::SingleLetter}), Narrowing::FirstLetter,
                 QStringLiteral("&Буква:")},
        BookPart{QStringLiteral("Общий раздел"), RowFilter({Section::General}), Narrowing::FirstLetter,
                 QStringLiteral("&Буква:")},
        BookPart{QStringLiteral("Медицинский"), RowFilter({Section::Medical}), Narrowing::LetterAfterM,
                 QStringLiteral("&Буква после M:")},
        BookPart{QStringLiteral("Таблицы дополнений"), RowFilter({Section::TableI, Section::TableII, Section::TableIII}),
                 Narrowing::Table, QStringLiteral("&Таблица:")},
    };
    return parts;
}

std::vector<NarrowingChoice> narrowingsOf(const BookPart& part, std::span<const search::SearchRow> book) {
    std::vector<NarrowingChoice> choices;
    if (part.narrowing == Narrowing::Table) {
        choices.push_back({QStringLiteral("Все таблицы"), part.filter});
        for (const codebook::ComplementTable& table : codebook::kComplementTables)
            choices.push_back({toQString(codebook::infoOf(table.section).title), RowFilter({table.section})});
        return choices;
    }
    choices.push_back({QStringLiteral("Все буквы"), part.filter});
    const LetterPlace place =
        part.narrowing == Narrowing::LetterAfterM ? LetterPlace::AfterMedicalM : LetterPlace::First;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const RowFilter narrower = part.filter.withLetter(letter, place);
        for (const search::SearchRow& row : book)
            if (narrower.admits(row)) {
                choices.push_back({QString(QChar::fromLatin1(letter)), narrower});
                break;
            }
    }
    return choices;
}

}  // namespace mss::forms
