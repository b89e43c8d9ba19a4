// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The judged queries: everyday queries with the signals that answer them,
// and how well a search answers them: the right signal first, among the
// first three, or nothing found at all.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mss::search::test_support {

struct JudgedQuery {
    std::string query;
    std::vector<std::string> relevant;  // any of them is a right answer
    int line = 0;                       // in the file, for messages
};

// Reads the text of the file `fileName`; throws std::runtime_error naming
// the file and the line of a line that is not a query, a tab and at least
// one code.
std::vector<JudgedQuery> readJudgedQueries(std::string_view text, std::string_view fileName);

// The shipped sets, read from the files beside this one.
// judged_queries.tsv: the whole book.
const std::vector<JudgedQuery>& judgedQueries();
// medical_tuning_queries.tsv: the medical section, the set its words were
// extended against.
const std::vector<JudgedQuery>& medicalTuningQueries();
// medical_held_out_queries.tsv: the medical section, written with the
// tuning set and never tuned on.
const std::vector<JudgedQuery>& medicalHeldOutQueries();

struct JudgedFigures {
    std::size_t queries = 0;
    std::size_t first = 0;     // a right signal first
    std::size_t topThree = 0;  // a right signal among the first three
    std::size_t nothing = 0;   // no result at all
    std::vector<std::string> missed;      // "query → first three found", for those not in the first three
    std::vector<std::string> notFirst;    // the same, for those in the first three but not first

    double share(std::size_t n) const { return queries == 0 ? 0.0 : static_cast<double>(n) / static_cast<double>(queries); }
};

// The codes a search lists for a query, best first.
using CodesFound = std::function<std::vector<std::string>(const std::string& query)>;

JudgedFigures judge(const std::vector<JudgedQuery>& queries, const CodesFound& search);

}  // namespace mss::search::test_support
