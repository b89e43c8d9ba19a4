// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Russian stemmer of the Snowball project, wrapped: «якорь», «якоря»,
// «якорем» all become «якор». One object is not safe to use from two threads
// at once; give each thread its own.

#include <string>
#include <string_view>

struct sb_stemmer;

namespace mss::search {

class RussianStemmer {
public:
    // Throws std::runtime_error when the stemmer library cannot provide it.
    RussianStemmer();
    ~RussianStemmer();
    RussianStemmer(const RussianStemmer&) = delete;
    RussianStemmer& operator=(const RussianStemmer&) = delete;

    // `word` is one folded word (lower case, valid UTF-8). A word longer than
    // any word of a language (kLongestStemmedWord bytes) comes back as it is.
    std::string stem(std::string_view word);

    static constexpr std::size_t kLongestStemmedWord = 256;

private:
    sb_stemmer* stemmer_ = nullptr;
};

}  // namespace mss::search
