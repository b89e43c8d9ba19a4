// SPDX-License-Identifier: GPL-3.0-or-later
#include "judged_set.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace mss::search::test_support {

namespace {

std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::istringstream in{std::string(text)};
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

}  // namespace

std::vector<JudgedQuery> readJudgedQueries(std::string_view text, std::string_view fileName) {
    std::vector<JudgedQuery> queries;
    int lineNumber = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        const std::size_t tab = line.find('\t');
        JudgedQuery q{std::string(line.substr(0, tab == std::string_view::npos ? 0 : tab)), {}, lineNumber};
        if (tab != std::string_view::npos) q.relevant = wordsOf(line.substr(tab + 1));
        if (q.query.empty() || q.relevant.empty())
            throw std::runtime_error(std::string(fileName) + ", line " + std::to_string(lineNumber) +
                                     ": expected a query, a tab and the codes that answer it");
        queries.push_back(std::move(q));
    }
    return queries;
}

namespace {

std::vector<JudgedQuery> readShippedSet(const std::string& fileName) {
    const std::string path = std::string(MSS65_JUDGED_QUERIES_DIR) + '/' + fileName;
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << file.rdbuf();
    return readJudgedQueries(text.str(), fileName);
}

}  // namespace

const std::vector<JudgedQuery>& judgedQueries() {
    static const std::vector<JudgedQuery> queries = readShippedSet("judged_queries.tsv");
    return queries;
}

const std::vector<JudgedQuery>& medicalTuningQueries() {
    static const std::vector<JudgedQuery> queries = readShippedSet("medical_tuning_queries.tsv");
    return queries;
}

const std::vector<JudgedQuery>& medicalHeldOutQueries() {
    static const std::vector<JudgedQuery> queries = readShippedSet("medical_held_out_queries.tsv");
    return queries;
}

JudgedFigures judge(const std::vector<JudgedQuery>& queries, const CodesFound& search) {
    JudgedFigures figures;
    for (const JudgedQuery& q : queries) {
        const std::vector<std::string> found = search(q.query);
        const auto isRight = [&](const std::string& code) {
            return std::find(q.relevant.begin(), q.relevant.end(), code) != q.relevant.end();
        };
        ++figures.queries;
        if (found.empty()) ++figures.nothing;
        if (!found.empty() && isRight(found.front())) ++figures.first;
        const auto firstThree = found.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(3, found.size()));
        std::string listed = q.query + " →";
        for (auto it = found.begin(); it != firstThree; ++it) listed += ' ' + *it;
        if (found.empty()) listed += " (nothing)";
        if (!std::any_of(found.begin(), firstThree, isRight))
            figures.missed.push_back(std::move(listed));
        else if (++figures.topThree, !isRight(found.front()))
            figures.notFirst.push_back(std::move(listed));
    }
    return figures;
}

}  // namespace mss::search::test_support
