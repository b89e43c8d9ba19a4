#include "shipped_search_rows.h"

#include <stdexcept>

#include "codebook/codebook_parser.h"
#include "data/codebook_bytes.h"

namespace mss::search::test_support {

namespace {

using codebook::ListId;

// Combo4 holds the three tables of complements; its codes say which: I-n, II-n, III-n.
Section tableOf(const std::string& code) {
    if (code.starts_with("III-")) return Section::TableIII;
    if (code.starts_with("II-")) return Section::TableII;
    return Section::TableI;
}

Section sectionOf(ListId list, const std::string& code) {
    switch (list) {
        case ListId::Combo1: return Section::SingleLetter;
        case ListId::Combo2_0:
        case ListId::Combo2_1:
        case ListId::Combo2_2: return Section::General;
        case ListId::Combo3: return Section::Medical;
        case ListId::Combo4: return tableOf(code);
    }
    throw std::logic_error("unknown list");
}

}  // namespace

std::vector<SearchRow> shippedSearchRows() {
    const codebook::LoadResult loaded = codebook::parseCodeBook(data::codeBookBytes());
    if (!loaded.ok()) throw std::runtime_error(loaded.firstProblem());

    std::vector<SearchRow> rows;
    for (const auto& list : codebook::kLists) {
        for (const codebook::CodeBookRow& bookRow : loaded.book.rows(list.id)) {
            for (const std::string& code : bookRow.codes)
                rows.push_back({code, sectionOf(list.id, code), bookRow.text, bookRow.source == codebook::Source::Recall});
        }
    }
    return rows;
}

}  // namespace mss::search::test_support
