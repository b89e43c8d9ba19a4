// SPDX-License-Identifier: GPL-3.0-or-later
// The rows a filter admits, and a search within a filter: only the rows it
// admits, ranked among themselves as if the book had no others.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "search/search_index.h"
#include "search/shipped_search_rows.h"

namespace {

using namespace mss::search;

std::vector<std::string> codesOf(const SearchResults& found) {
    std::vector<std::string> codes;
    for (const SearchResult& r : found.results) codes.push_back(r.code);
    return codes;
}

// A row of every kind, some sharing a word.
const SearchIndex& mixedRows() {
    static const SearchIndex index(
        {
            {"A", Section::SingleLetter, "У меня под водой водолаз.", false},
            {"M", Section::SingleLetter, "Моё судно остановлено.", false},
            {"IT", Section::General, "У меня пожар.", false},
            {"IX", Section::General, "Пожар в машинном отделении.", false},
            {"MA", Section::General, "Прошу срочно дать медицинский совет.", false},
            {"RA", Section::General, "Мой якорь нечист.", false},
            {"MAA", Section::Medical, "Ожог от пожара.", false},
            {"MRA", Section::Medical, "Ожог кипятком.", false},
            {"I-1", Section::TableI, "Пожар", false},
            {"II-3", Section::TableII, "Машинное отделение", false},
        },
        Vocabulary());
    return index;
}

TEST(RowFilter, AdmitsTheRowsOfItsSectionsAndLetter) {
    const std::vector<SearchRow> rows(mixedRows().rows().begin(), mixedRows().rows().end());
    struct Case {
        const char* name;
        RowFilter filter;
        std::vector<std::string> admitted;  // in the order of the book
    };
    const Case cases[] = {
        {"every row", RowFilter(), {"A", "M", "IT", "IX", "MA", "RA", "MAA", "MRA", "I-1", "II-3"}},
        {"one section", RowFilter({Section::General}), {"IT", "IX", "MA", "RA"}},
        {"the tables", RowFilter({Section::TableI, Section::TableII, Section::TableIII}), {"I-1", "II-3"}},
        {"general, first letter", RowFilter({Section::General}).withLetter('I'), {"IT", "IX"}},
        // A table row begins with a Roman I but has no letter.
        {"any section, first letter I", RowFilter().withLetter('I'), {"IT", "IX"}},
        {"any section, first letter M", RowFilter().withLetter('M'), {"M", "MA", "MAA", "MRA"}},
        {"medical, the letter after M", RowFilter({Section::Medical}).withLetter('R', LetterPlace::AfterMedicalM),
         {"MRA"}},
        {"single letters, its letter", RowFilter({Section::SingleLetter}).withLetter('A'), {"A"}},
        {"a letter no code has", RowFilter({Section::General}).withLetter('Q'), {}},
        {"no section", RowFilter(std::initializer_list<Section>{}), {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> admitted;
        for (const SearchRow& row : rows)
            if (c.filter.admits(row)) admitted.push_back(row.code);
        EXPECT_EQ(admitted, c.admitted) << c.name;
        EXPECT_EQ(c.filter.admitsEveryRow(), c.admitted.size() == rows.size()) << c.name;
    }
}

TEST(RowFilter, SearchFindsOnlyWhatTheFilterAdmits) {
    struct Case {
        const char* query;
        RowFilter filter;
        std::vector<std::string> found;  // best first
    };
    const Case cases[] = {
        {"пожар", RowFilter({Section::General}), {"IT", "IX"}},
        {"пожар", RowFilter({Section::Medical}).withLetter('A', LetterPlace::AfterMedicalM), {"MAA"}},
        {"пожар", RowFilter({Section::Medical}).withLetter('R', LetterPlace::AfterMedicalM), {}},
        {"пожар", RowFilter({Section::TableI, Section::TableII, Section::TableIII}), {"I-1"}},
        // A code typed is found only where the filter lets it be.
        {"ra", RowFilter({Section::General}).withLetter('R'), {"RA"}},
        {"ra", RowFilter({Section::General}).withLetter('I'), {}},
        {"i-1", RowFilter({Section::Medical}), {}},
    };
    for (const Case& c : cases) {
        const SearchResults found = mixedRows().find(c.query, c.filter);
        EXPECT_EQ(codesOf(found), c.found) << c.query;
        EXPECT_EQ(found.total, c.found.size()) << c.query;
    }
    // Without a filter, the same as before.
    EXPECT_EQ(codesOf(mixedRows().find("пожар", RowFilter())), codesOf(mixedRows().find("пожар")));
}

TEST(RowFilter, WithinAFilterTheBestRowThereSetsWhatIsWorthListing) {
    // Over the whole book IX holds both words and MAA only one, far behind;
    // among the medical rows MAA is the best there is.
    const SearchResults everywhere = mixedRows().find("пожар в машинном отделении");
    ASSERT_FALSE(everywhere.results.empty());
    EXPECT_EQ(everywhere.results.front().code, "IX");
    const std::vector<std::string> listed = codesOf(everywhere);
    EXPECT_EQ(std::count(listed.begin(), listed.end(), "MAA"), 0);
    const SearchResults medical = mixedRows().find("пожар в машинном отделении", RowFilter({Section::Medical}));
    EXPECT_EQ(codesOf(medical), std::vector<std::string>{"MAA"});
    EXPECT_EQ(medical.results.front().kind, MatchKind::SomeWords);
}

TEST(RowFilter, TheShippedBookBySection) {
    const SearchIndex index(test_support::shippedSearchRows());
    ASSERT_EQ(index.rows().size(), 1899u);
    const std::pair<RowFilter, std::size_t> sections[] = {
        {RowFilter({Section::SingleLetter}), 25},  // R has no meaning of its own
        {RowFilter({Section::General}), 1403},
        {RowFilter({Section::Medical}), 442},
        {RowFilter({Section::TableI, Section::TableII, Section::TableIII}), 29},
    };
    std::size_t seen = 0;
    for (const auto& [filter, expected] : sections) {
        std::size_t admitted = 0;
        for (const SearchRow& row : index.rows()) admitted += filter.admits(row) ? 1 : 0;
        EXPECT_EQ(admitted, expected);
        seen += admitted;
    }
    EXPECT_EQ(seen, index.rows().size());
    // Section by section, in the order of the code.
    for (std::size_t row = 1; row < index.rows().size(); ++row)
        EXPECT_LE(index.rows()[row - 1].section, index.rows()[row].section) << index.rows()[row].code;
}

}  // namespace
