// SPDX-License-Identifier: GPL-3.0-or-later
#include "xapian_prototype.h"

#include <xapian.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <memory>

#include "search/code_readings.h"
#include "search/vocabulary.h"

namespace mss::search {

namespace {

// Lower case is Xapian's own; ё is е here as in the program's index.
std::string withoutYo(const std::string& text) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::string_view rest = std::string_view(text).substr(at);
        if (rest.starts_with("ё") || rest.starts_with("Ё")) {
            out += rest.starts_with("ё") ? "е" : "Е";
            ++at;
        } else {
            out += text[at];
        }
    }
    return out;
}

// Xapian's database in memory keeps no synonyms or spelling data: the
// prototype builds a database on disk, in a folder of its own.
std::string freshFolder() {
    char name[] = "/tmp/mss65-xapian-XXXXXX";
    if (mkdtemp(name) == nullptr) throw std::runtime_error("cannot make a folder for the Xapian prototype");
    return name;
}

struct Prototype {
    std::string folder = freshFolder();
    Xapian::WritableDatabase db{folder, Xapian::DB_CREATE_OR_OVERWRITE | Xapian::DB_BACKEND_GLASS};
    Xapian::Stem stem{"russian"};
    std::vector<std::string> codes;  // by document number − 1

    explicit Prototype(const std::vector<SearchRow>& rows) {
        Xapian::TermGenerator terms;
        terms.set_stemmer(stem);
        terms.set_stemming_strategy(Xapian::TermGenerator::STEM_SOME);
        terms.set_database(db);
        terms.set_flags(Xapian::TermGenerator::FLAG_SPELLING);
        for (const SearchRow& row : rows) {
            Xapian::Document doc;
            terms.set_document(doc);
            terms.index_text(withoutYo(row.text));
            db.add_document(doc);
            codes.push_back(row.code);
        }
        const Vocabulary& vocabulary = shippedVocabulary();
        const auto stemmed = [&](const std::string& word) {
            std::string term = stem(word);
            term.insert(term.begin(), 'Z');
            return term;
        };
        for (const EverydayWord& word : vocabulary.everyday) {
            // A saying of one word by its stem; of several, as the words stand.
            std::string key;
            if (word.said.size() == 1) {
                key = stemmed(word.said.front());
            } else {
                for (const std::string& w : word.said) {
                    if (!key.empty()) key.push_back(' ');
                    key.append(w);
                }
            }
            for (const Phrase& phrase : word.inBook)
                for (const std::string& w : phrase) db.add_synonym(key, stemmed(w));
        }
        for (const Phrase& join : vocabulary.forms.joins)
            for (const std::string& a : join)
                for (const std::string& b : join)
                    if (a != b) db.add_synonym(stemmed(a), stemmed(b));
        db.commit();
    }
    ~Prototype() {
        db.close();
        std::filesystem::remove_all(folder);
    }

    std::vector<std::string> find(const std::string& query) {
        std::vector<std::string> found;
        for (const std::string& code : codeReadings(query))
            if (std::find(codes.begin(), codes.end(), code) != codes.end()) found.push_back(code);

        Xapian::QueryParser parser;
        parser.set_stemmer(stem);
        parser.set_stemming_strategy(Xapian::QueryParser::STEM_SOME);
        parser.set_database(db);
        parser.set_default_op(Xapian::Query::OP_OR);
        unsigned flags = Xapian::QueryParser::FLAG_DEFAULT | Xapian::QueryParser::FLAG_SPELLING_CORRECTION |
                         Xapian::QueryParser::FLAG_AUTO_SYNONYMS | Xapian::QueryParser::FLAG_AUTO_MULTIWORD_SYNONYMS;
        const bool typing = !query.empty() && query.back() != ' ';
        if (typing) flags |= Xapian::QueryParser::FLAG_PARTIAL;
        const std::string text = withoutYo(query);
        // A partial last word is not put right: when it finds nothing, the
        // query is read again as finished words, which are.
        const auto search = [&](unsigned withFlags) {
            Xapian::Query parsed = parser.parse_query(text, withFlags);
            if (const std::string corrected = parser.get_corrected_query_string(); !corrected.empty())
                parsed = parser.parse_query(corrected, withFlags);
            Xapian::Enquire enquire(db);
            enquire.set_query(parsed);
            return enquire.get_mset(0, 200);
        };
        Xapian::MSet matches;
        try {
            matches = search(flags);
            if (matches.empty() && typing) matches = search(flags & ~Xapian::QueryParser::FLAG_PARTIAL);
        } catch (const Xapian::Error&) {
            return found;
        }
        for (auto it = matches.begin(); it != matches.end(); ++it) {
            const std::string& code = codes[*it - 1];
            if (std::find(found.begin(), found.end(), code) == found.end()) found.push_back(code);
        }
        return found;
    }
};

}  // namespace

test_support::CodesFound xapianPrototypeSearch(const std::vector<SearchRow>& rows) {
    auto prototype = std::make_shared<Prototype>(rows);
    return [prototype](const std::string& query) { return prototype->find(query); };
}

}  // namespace mss::search
